#include "search/ResultActions.h"

#include "app/TKorvaneTessellonMain.h"

#include <QDir>
#include <QFileInfo>

namespace tessellon {

const QString ResultActions::ContainingFolderCaption = QStringLiteral("Open Containing Folder");

ResultActions::ResultActions(TKorvaneTessellonMain& main, FileTypeApplications& applications)
    : PopupMenu1{{QStringLiteral("Preview"), {}}, {QStringLiteral("-"), {}}}, main_(main),
      applications_(applications) {}

bool ResultActions::hasSelectedRow() const {
    const int row = main_.ListView1.selectedIndex;
    return row >= 0 && row < main_.ListView1.itemCount();
}

bool ResultActions::PopupMenu1Popup() {
    if (!main_.resultPopupEnabled)
        return false;
    if (!hasSelectedRow())
        return true;
    PopupMenu1.resize(2);
    const QString type = applications_.contentType(main_.GetPath(main_.ListView1.selectedIndex));
    const std::optional<DesktopApplication> standard = applications_.defaultApplication(type);
    if (standard)
        PopupMenu1.append({QStringLiteral("Open"), standard->id});
    for (const DesktopApplication& application : applications_.applications(type)) {
        if (!standard || application.id != standard->id)
            PopupMenu1.append({QStringLiteral("Open with ") + application.name, application.id});
    }
    PopupMenu1.append({QStringLiteral("-"), {}});
    PopupMenu1.append({ContainingFolderCaption, {}});
    return true;
}

void ResultActions::open1Click(const ResultMenuEntry* sender) {
    if (!hasSelectedRow())
        return;
    const QString path = main_.GetPath(main_.ListView1.selectedIndex);
    if (const std::optional<QString> reason = run(sender, path))
        reportFailure(path, *reason);
}

// The reason the verb could not run, or nothing when it was started.
std::optional<QString> ResultActions::run(const ResultMenuEntry* sender, const QString& path) {
    const QFileInfo file(path);
    if (sender && sender->caption == ContainingFolderCaption) {
        if (!file.dir().exists())
            return QStringLiteral("the folder does not exist");
        return applications_.showInFolder(path);
    }
    // The desktop would start the application and leave it to complain.
    if (!file.exists())
        return QStringLiteral("the file does not exist");
    QString applicationId = sender ? sender->applicationId : QString();
    if (!sender) {
        const QString type = applications_.contentType(path);
        const std::optional<DesktopApplication> standard = applications_.defaultApplication(type);
        if (!standard)
            return QStringLiteral("no application is registered for ") + type;
        applicationId = standard->id;
    }
    return applications_.launch(applicationId, path);
}

// The memo keeps the status of the run; the failure is added below it.
void ResultActions::reportFailure(const QString& path, const QString& reason) {
    const QString line =
        QStringLiteral("Cannot open ") + path + QStringLiteral(": ") + reason.section(u'\n', 0, 0);
    QString& memo = main_.Memo1.text;
    memo += memo.isEmpty() ? line : QStringLiteral("\r\n") + line;
}

} // namespace tessellon
