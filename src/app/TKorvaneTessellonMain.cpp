#include "app/TKorvaneTessellonMain.h"

#include "catalogs/CatalogListColumns.h"
#include "query/ResultColumns.h"

namespace tessellon {

namespace {

// The result list's columns before the first search.
QVector<ListColumn> initialResultColumns() {
    QVector<ListColumn> columns;
    for (const char16_t* caption : {u"Filename", u"Directory", u"Size", u"Rank", u"Write"})
        columns.append(resultColumn(QString::fromUtf16(caption)));
    columns.append(recordNumberColumn());
    return columns;
}

} // namespace

TKorvaneTessellonMain::TKorvaneTessellonMain(Platform& platform, QueryProvider& provider,
                                             AdminConnectionFactory adminFactory,
                                             CatalogNamesSource registryCatalogNames)
    : ADOQuery1(provider), platform_(platform), adminFactory_(std::move(adminFactory)),
      registryCatalogNames_(std::move(registryCatalogNames)) {
    Button1.caption = QStringLiteral("&Search");
    Button2.caption = QStringLiteral("&Advanced ...");
    Memo1.readOnly = true;
    RadioGroup1.caption = QStringLiteral("Previewoptions");
    RadioGroup1.items = {QStringLiteral("Free Text Search"), QStringLiteral("Phrase Text Search")};
    RadioGroup1.itemIndex = 0;
    RadioGroup1.visible = false;
    catalogActionItem.caption = QStringLiteral("Dummy");
    catalogRefreshItem.caption = QStringLiteral("Refresh");
    IndexingService1.caption = QStringLiteral("Do Indexing Service");
    IndexingServiceManagement1.caption = QStringLiteral("Indexing Service Management ...");
    ListView1.columns = initialResultColumns();

    localcomputername = platform_.computerName();
    hostcb.text = localcomputername;

    adminConnection = adminFactory_();
    try {
        adminConnection->IsRunning();
        adminAvailable = true;
    } catch (const std::exception&) {
        adminAvailable = false;
    }
    if (!adminAvailable)
        hostcb.enabled = false;
    CatalogListView.columns = catalogListColumns(adminAvailable);
    CatalogRefreshClick();
}

TKorvaneTessellonMain::~TKorvaneTessellonMain() = default;

} // namespace tessellon
