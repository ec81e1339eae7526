#include "gui/QtPlatform.h"

#include "gui/FileDialogFilter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace tessellon {

namespace {

const QString ApplicationTitle = QStringLiteral("Tessellon");

// Message texts use CR LF line breaks; Qt's boxes break lines at LF.
QString displayText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QtPlatform::QtPlatform(QString settingsPath) : SystemPlatform(std::move(settingsPath)) {}

QtPlatform::~QtPlatform() {
    setNormalCursor();
}

void QtPlatform::showMessage(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), ApplicationTitle, displayText(text));
}

bool QtPlatform::askYesNo(const QString& caption, const QString& text, Answer defaultAnswer) {
    return QMessageBox::question(QApplication::activeWindow(), caption, displayText(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 defaultAnswer == Answer::Yes
                                     ? QMessageBox::Yes
                                     : QMessageBox::No) == QMessageBox::Yes;
}

// The busy cursor is one state, not a stack: setting it twice and
// restoring it once gives the normal cursor back.
void QtPlatform::setBusyCursor() {
    if (busy_)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    busy_ = true;
}

void QtPlatform::setNormalCursor() {
    if (!busy_)
        return;
    QApplication::restoreOverrideCursor();
    busy_ = false;
}

void QtPlatform::processPendingEvents() {
    if (beforeProcessingEvents)
        beforeProcessingEvents();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool QtPlatform::shellOpen(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
    return QDesktopServices::openUrl(url);
}

std::optional<QString> QtPlatform::chooseFolder(const QString& title) {
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::ReadOnly); // no new-folder button
    return runFileDialog(dialog);
}

std::optional<QString> QtPlatform::chooseOpenFile(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    configureFileDialog(dialog, request, false);
    return runFileDialog(dialog);
}

std::optional<QString> QtPlatform::chooseSaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    configureFileDialog(dialog, request, true);
    return runFileDialog(dialog);
}

std::optional<QString> QtPlatform::runFileDialog(QFileDialog& dialog) {
    // A dialog is modal and waits for the user: the busy cursor of the
    // operation that asks must not hide the pointer meanwhile.
    const bool wasBusy = busy_;
    setNormalCursor();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (wasBusy)
        setBusyCursor();
    if (!accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

int QtPlatform::fileIconIndex(const QString& path) {
    return icons_.indexFor(path);
}

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool forSaving) {
    dialog.setWindowTitle(request.title);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFileName.isEmpty())
        dialog.selectFile(request.initialFileName);
    if (forSaving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
}

} // namespace tessellon
