// The result list's actions: the pop-up menu `PopupMenu1` with the fixed
// "Preview" entry and the verbs of the selected hit's type, running a verb,
// and the double-click that opens a hit with its default application.
#pragma once

#include "common/FileTypeApplications.h"

#include <QVector>

namespace tessellon {

class TKorvaneTessellonMain;

// One entry of the pop-up menu; the caption "-" is a separator line.
struct ResultMenuEntry {
    QString caption;
    // The application an "Open" or "Open with" entry starts.
    QString applicationId;
};

class ResultActions {
public:
    static const QString ContainingFolderCaption;

    ResultActions(TKorvaneTessellonMain& main, FileTypeApplications& applications);

    // Entries 0 and 1 ("Preview" and the separator) are never removed.
    QVector<ResultMenuEntry> PopupMenu1;

    // Rebuilds the verb entries for the selected hit before the menu opens.
    // False when the menu must not open: the host box names another computer.
    // With no row selected the entries of the last popup stay.
    bool PopupMenu1Popup();
    // Runs a verb entry on the selected hit; no entry means the default
    // application. A verb that cannot run adds one line to the status memo.
    void open1Click(const ResultMenuEntry* sender);
    // Opens the selected hit with its default application, for any host.
    void ListView1DblClick() { open1Click(nullptr); }

private:
    bool hasSelectedRow() const;
    std::optional<QString> run(const ResultMenuEntry* sender, const QString& path);
    void reportFailure(const QString& path, const QString& reason);

    TKorvaneTessellonMain& main_;
    FileTypeApplications& applications_;
};

} // namespace tessellon
