// The host step: the host box names the computer whose catalogs are listed
// and searched. A changed host re-binds the administration connection to it
// and rebuilds the catalog list; an unreachable host stops the search run.
#include "app/TKorvaneTessellonMain.h"
#include "common/Error.h"
#include "query/RecentEntries.h"

namespace tessellon {

void TKorvaneTessellonMain::hostcbChange() {
    ListView1.clear();
    CatalogListView.items.clear();
    preview.RichEdit1.clear();
}

void TKorvaneTessellonMain::hostcbKeyPress(QChar key) {
    if (key == u'\r')
        hostStep();
}

void TKorvaneTessellonMain::hostStep() {
    ListView1.clear();
    fillcatalogstr(); // remember the ticks before the list is emptied
    CatalogListView.items.clear();
    hostislocal = hostcb.text == localcomputername;
    resultPopupEnabled = hostislocal;

    if (adminAvailable) {
        const QString host = hostcb.text;
        const QString bound = adminConnection->MachineName();
        const bool needsSwitch = !host.isEmpty() && host != bound && bound != u".";
        hostunreachable = false;
        if (needsSwitch) {
            adminConnection = adminFactory_();
            Memo1.text = QStringLiteral("Try to connect to: ") + host;
            platform_.setBusyCursor();
            platform_.processPendingEvents();
            try {
                adminConnection->SetMachineName(host);
                AddTexttoCombobox(hostcb);
            } catch (const std::exception& e) {
                platform_.setNormalCursor();
                Memo1.text = QStringLiteral("Error: Remote host ") + host +
                             QStringLiteral(" is unreachable.");
                platform_.processPendingEvents(); // the memo says so before the box opens
                platform_.showMessage(QStringLiteral("Can't connect to remote host ") + host +
                                      QStringLiteral("\r\n") + errorMessage(e));
                hostunreachable = true;
                return;
            }
        }
    }
    RefreshCatalogList();
    platform_.setNormalCursor();
}

} // namespace tessellon
