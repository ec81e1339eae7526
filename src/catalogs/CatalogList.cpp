// The catalog list: the catalogs of the current host with their state and
// figures, read through the administration connection (or, without it, the
// names from the local catalog registry). Ticks survive every rebuild through
// catalognames.
#include "app/TKorvaneTessellonMain.h"
#include "catalogs/CatalogListColumns.h"
#include "query/RecentEntries.h"

namespace tessellon {

void TKorvaneTessellonMain::RefreshCatalogList() {
    const int selected = CatalogListView.selectedIndex;
    CatalogListView.items.clear();
    CatalogListView.selectedIndex = -1;
    if (adminAvailable) {
        Memo1.text = serviceStateText(adminConnection->IsRunning());
        if (adminConnection->FindFirstCatalog()) {
            AddCatalogItem();
            while (adminConnection->FindNextCatalog())
                AddCatalogItem();
        }
    } else if (registryCatalogNames_) {
        for (const QString& name : registryCatalogNames_())
            CatalogListView.items.append({name, false, {}});
    }
    if (!CatalogListView.items.isEmpty())
        AddTexttoCombobox(hostcb);
    for (TickListItem& item : CatalogListView.items) {
        if (catalognames.contains(item.caption))
            item.checked = true;
    }
    fillcatalogstr();
    if (selected >= 0 && selected < CatalogListView.items.size())
        CatalogListView.selectedIndex = selected;
}

void TKorvaneTessellonMain::AddCatalogItem() {
    const std::unique_ptr<CatalogAdmin> catalog = adminConnection->GetCatalog();
    TickListItem item;
    item.caption = catalog->CatalogName();
    item.subItems << guardedFigure([&] { return catalogStateText(*catalog); });
    item.subItems << guardedFigure(
        [&] { return catalog->IsUpToDate() ? QStringLiteral("yes") : QStringLiteral("no"); });
    item.subItems << catalog->CatalogLocation();
    item.subItems << guardedFigure([&] { return QString::number(catalog->IndexSize()); });
    item.subItems << guardedFigure([&] { return QString::number(catalog->TotalDocumentCount()); });
    item.subItems << guardedFigure([&] { return QString::number(catalog->DocumentsToFilter()); });
    item.subItems << guardedFigure([&] { return QString::number(catalog->QueryCount()); });
    CatalogListView.items.append(item);
}

void TKorvaneTessellonMain::renewAdminConnection() {
    if (!adminAvailable)
        return;
    const QString machine = adminConnection->MachineName();
    adminConnection.reset();
    platform_.processPendingEvents();
    adminConnection = adminFactory_();
    adminConnection->SetMachineName(machine);
}

void TKorvaneTessellonMain::CatalogRefreshClick() {
    renewAdminConnection();
    RefreshCatalogList();
}

} // namespace tessellon
