// The Qt windows over fakes: a Qt platform whose message boxes and questions
// are answered by the test (file and folder dialogs stay real and are driven
// through whenModal), a fake provider that counts the records read, and a
// fake administration with the catalog "System".
#pragma once

#include "app/TessellonApplication.h"
#include "gui/AdvancedDialog.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"
#include "gui/SearchTypeDialog.h"
#include "support/FakeAdmin.h"
#include "support/FakeDataAccess.h"
#include "support/FakeFileTypeApplications.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

class TestPlatform : public tessellon::QtPlatform {
public:
    using QtPlatform::QtPlatform;
    void showMessage(const QString& text) override { messages << text; }
    bool askYesNo(const QString&, const QString&) override { return false; }
    void sleep(int) override {}
    QString computerName() override { return QStringLiteral("TESTHOST"); }
    bool shellOpen(const QString& target) override {
        opened << target;
        return true;
    }

    QStringList messages;
    QStringList opened; // what the desktop was asked to open
};

// Remembers which records the program read, to see that rows are fetched
// only when they are shown.
class CountingProvider : public FakeQueryProvider {
public:
    std::shared_ptr<const tessellon::RecordSet>
    execute(const QString& connectionText, const QString& statement, int maxRecords) override;
    std::shared_ptr<QSet<int>> recordsRead = std::make_shared<QSet<int>>();
    // Runs as each execution starts, while the window waits for it.
    std::function<void()> onExecute;

    // Rows with every column the default search selects.
    void answerWith(int rows);
};

// Acts on the next modal dialog of type Dialog once its exec() runs and the
// dialog is the active window, as the user meets it: the window system
// activates a shown window a moment later, and that moves the focus into the
// dialog under an act that started before. A dialog that does not come (or
// does not become active) within thirty seconds fails the test (a loaded
// machine is slow).
template <typename Dialog> void whenModal(std::function<void(Dialog&)> act) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, ticks] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool ready = dialog && dialog->isActiveWindow();
        if (!ready && ++*ticks < 3000)
            return;
        timer->stop();
        timer->deleteLater();
        if (ready) {
            act(*dialog);
        } else if (dialog) {
            ADD_FAILURE() << "the modal dialog never became the active window";
            dialog->close(); // the test goes on instead of waiting for a user
        } else {
            ADD_FAILURE() << "no modal dialog of the expected type appeared";
        }
    });
    timer->start(10);
}

// Answers an open file or folder dialog (Qt's own widgets) as the user does:
// types the full `path` into its file name box and presses its Open, Save or
// Choose button. QFileDialog::selectFile is no substitute: it leaves the box
// alone while the box has the focus, and the dialog then refuses the accept.
// A dialog that is still open afterwards fails the test and is closed, so the
// test ends instead of waiting for a user.
void chooseInFileDialog(QFileDialog& dialog, const QString& path);

// Types into an editable box as the user would: the box takes the focus and
// each key goes to its window, which hands it to the focused widget.
void typeInto(QComboBox& box, const QString& text);
// Presses one key in the box the same way.
void pressKey(QComboBox& box, Qt::Key key);

// Acts on the next pop-up menu once it is open.
inline void whenPopup(std::function<void(QMenu&)> act) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, ticks] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu && ++*ticks < 3000)
            return;
        timer->stop();
        timer->deleteLater();
        if (menu)
            act(*menu);
        else
            ADD_FAILURE() << "no pop-up menu appeared";
    });
    timer->start(10);
}

// Lists the visible entries of the next pop-up menu into `offered` ("-" for a
// separator) and chooses the one shown as `caption` with the keyboard; with
// no such entry the menu closes.
void whenPopupChoose(const QString& caption, QStringList& offered);

class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override;

    // Creates the logic objects and the windows, as the program does, and
    // shows the main window (its first showing loads the settings).
    void start(const QStringList& arguments = {});
    // Ends the windows and logic objects without closing the window.
    void stop();

    // Both windows have a "Memo1" and a "Button1": look in the one meant.
    template <typename Widget> Widget& findIn(QObject* parent, const QString& name) {
        auto* widget = parent->findChild<Widget*>(name);
        if (!widget)
            throw std::runtime_error("no widget " + name.toStdString());
        return *widget;
    }
    template <typename Widget> Widget& mainWidget(const QString& name) {
        return findIn<Widget>(window->centralWidget(), name);
    }
    template <typename Widget> Widget& dialogWidget(const QString& name) {
        return findIn<Widget>(&window->advancedDialog(), name);
    }
    QAction& action(const QString& name) { return findIn<QAction>(window.get(), name); }
    static void click(QAbstractButton& button);

    TempDir temp;
    TestPlatform platform{temp.filePath(QStringLiteral("settings.ini"))};
    CountingProvider provider;
    std::shared_ptr<FakeAdminWorld> world = std::make_shared<FakeAdminWorld>();
    FakeFileTypeApplications fileTypes;
    std::unique_ptr<tessellon::TessellonApplication> app;
    std::unique_ptr<tessellon::MainWindow> window;
};
