#include "RealCatalog.h"
#include "app/ProgramServices.h"
#include "common/TextFile.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"

#include <QSysInfo>

using namespace tessellon;

namespace {

class SearchOverRealCatalog : public RealCatalog {
protected:
    SearchOverRealCatalog() {
        platform.computer = QSysInfo::machineHostName();
        main = std::make_unique<TKorvaneTessellonMain>(platform, services.provider(),
                                                       ProgramServices::adminFactory(),
                                                       ProgramServices::registryCatalogNames());
        dialog = std::make_unique<TKorvaneTessellonAdvancedSQL>(*main);
        main->setAdvancedDialog(dialog.get());
    }

    RecordingPlatform platform;
    ProgramServices services;
    std::unique_ptr<TKorvaneTessellonMain> main;
    std::unique_ptr<TKorvaneTessellonAdvancedSQL> dialog;
};

TEST_F(SearchOverRealCatalog, SearchButtonFindsTheDocumentsAndReportsThem) {
    main->ComboBox100.text = u"invoice"_qs;
    main->SearchbtnClick();
    EXPECT_FALSE(main->lastRunFailed) << main->Memo1.text.toStdString();
    EXPECT_EQ(main->Memo1.text, u"2  doc(s) found. Results Limit: 2000, Host: "_qs +
                                    platform.computer +
                                    u" Catalog(s): 'System'\r\n"
                                    "Text Filter: With all of these words: invoice\r\n"
                                    "Sort by: 'Filename' ascending"_qs);
    ASSERT_EQ(main->ListView1.itemCount(), 2);
    EXPECT_EQ(main->ListView1Data(0).caption, u"invoice.txt"_qs);
    EXPECT_EQ(main->ListView1Data(1).caption, u"report.html"_qs);
    EXPECT_EQ(main->GetPath(1), docs + u"/sub/report.html"_qs);
    EXPECT_EQ(main->ListView1Data(0).subItems[0], u"28"_qs); // Size

    QStringList blocks;
    main->preparesaveresults(blocks);
    const QStringList lines = TextFile::splitLines(blocks.join(u"\r\n"_qs));
    EXPECT_EQ(lines[11], u"Filename,Size,Write,DocKeywords,Path,#"_qs);
    EXPECT_TRUE(lines[13].startsWith(u"invoice.txt,28,"_qs));
    EXPECT_TRUE(lines[13].endsWith(u",[],"_qs + docs + u"/invoice.txt,1"_qs));
}

TEST_F(SearchOverRealCatalog, CatalogListShowsTheRegisteredCatalog) {
    main->FormFirstShow(false);
    ASSERT_EQ(main->CatalogListView.items.size(), 1);
    const TickListItem& row = main->CatalogListView.items[0];
    EXPECT_EQ(row.caption, u"System"_qs);
    EXPECT_TRUE(row.checked);
    EXPECT_EQ(row.subItems[0], u"not accessible"_qs); // the daemon does not run
    EXPECT_EQ(row.subItems[1], u"yes"_qs);
    EXPECT_EQ(row.subItems[4], u"4"_qs); // three files and a folder
}

TEST_F(SearchOverRealCatalog, PopupWithoutTheDaemonOffersToStartIt) {
    main->FormFirstShow(false);
    main->CatalogListView.selectedIndex = 0;
    platform.yesNoAnswers = {false};
    main->CatalogPopupMenuPopup();
    EXPECT_TRUE(platform.calls.contains(u"question: Tessellon Local|Index Service is NOT "
                                        "running!\r\nRestart Indexing Service now?"_qs));
    EXPECT_FALSE(main->catalogActionItem.visible);
    EXPECT_EQ(main->Memo1.text, u"Index Service is NOT running!"_qs);
}

TEST_F(SearchOverRealCatalog, ProviderMessageOfABrokenStatementReachesTheMemo) {
    main->ComboBox100.text = u"report("_qs;
    main->SearchbtnClick();
    EXPECT_TRUE(main->lastRunFailed);
    EXPECT_TRUE(main->Memo1.text.startsWith(u"Syntax error at position"_qs))
        << main->Memo1.text.toStdString();
    EXPECT_TRUE(main->Memo1.text.contains(u"(at \"(')"_qs)) << main->Memo1.text.toStdString();
}

TEST_F(SearchOverRealCatalog, UnknownHostStopsTheRun) {
    main->hostcb.text = u"no-such-host.invalid"_qs;
    main->SearchbtnClick();
    EXPECT_TRUE(main->hostunreachable);
    EXPECT_EQ(main->Memo1.text, u"Error: Remote host no-such-host.invalid is unreachable."_qs);
}

} // namespace
