// The catalog list's click and pop-up menu: start or stop the selected
// catalog, refresh the list, and offer to restart the indexing service when
// a catalog cannot be reached.
#include "app/TKorvaneTessellonMain.h"
#include "catalogs/IndexingServiceCommand.h"

namespace tessellon {

namespace {
constexpr int ServiceWaitMs = 3000;
} // namespace

void TKorvaneTessellonMain::CatalogListViewClick() {
    QStringList ticked;
    for (const TickListItem& item : CatalogListView.items) {
        if (item.checked)
            ticked << item.caption;
    }
    catalogstr = ticked.join(QStringLiteral(", "));
}

void TKorvaneTessellonMain::CatalogPopupMenuPopup() {
    const int selected = CatalogListView.selectedIndex;
    if (!adminAvailable || selected < 0 || selected >= CatalogListView.items.size()) {
        catalogActionItem.visible = false;
        return;
    }
    catalogActionItem.visible = true;
    const std::unique_ptr<CatalogAdmin> catalog =
        adminConnection->GetCatalogByName(CatalogListView.items[selected].caption);

    QString status;
    try {
        if (catalog->IsCatalogRunning())
            catalogActionItem.caption = QStringLiteral("Stop");
        else if (catalog->IsCatalogStopped())
            catalogActionItem.caption = QStringLiteral("Start");
        catalogSeparatorItem.visible = true;
        catalogRefreshItem.visible = true;
        status = QStringLiteral("Index Service is running.");
    } catch (const std::exception&) {
        status = QStringLiteral("Index Service is NOT running!");
        if (platform_.askYesNo(QStringLiteral("Tessellon Local"),
                               status + QStringLiteral("\r\nRestart Indexing Service now?"))) {
            platform_.setBusyCursor();
            const ServiceCommand start = startServiceCommand();
            platform_.startDetached(start.program, start.arguments, {});
            platform_.sleep(ServiceWaitMs);
            status = QStringLiteral("Index Service is running.");
            RefreshCatalogList();
            platform_.processPendingEvents();
            platform_.setNormalCursor();
        }
        catalogActionItem.visible = false;
        catalogSeparatorItem.visible = false;
        catalogRefreshItem.visible = false;
    }
    RefreshCatalogList();
    Memo1.text = status;
}

void TKorvaneTessellonMain::CatalogActionClick() {
    const int selected = CatalogListView.selectedIndex;
    if (selected < 0 || selected >= CatalogListView.items.size())
        return;
    const std::unique_ptr<CatalogAdmin> catalog =
        adminConnection->GetCatalogByName(CatalogListView.items[selected].caption);
    if (catalog->IsCatalogRunning())
        catalog->StopCatalog();
    else if (catalog->IsCatalogStopped())
        catalog->StartCatalog();
    renewAdminConnection();
    platform_.setBusyCursor();
    platform_.sleep(ServiceWaitMs);
    RefreshCatalogList();
    platform_.setNormalCursor();
}

} // namespace tessellon
