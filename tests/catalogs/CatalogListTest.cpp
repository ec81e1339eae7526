#include "support/FormsFixture.h"
#include "support/QtPrinters.h"

using namespace tessellon;

namespace {

class CatalogList : public FormsFixture {
protected:
    CatalogList() {
        world->catalogs.append(FakeCatalog{u"Web"_qs});
        world->catalogs.append(FakeCatalog{u"Mail"_qs});
        main->CatalogRefreshClick();
    }
    QStringList ticked() const {
        QStringList names;
        for (const auto& item : main->CatalogListView.items) {
            if (item.checked)
                names << item.caption;
        }
        return names;
    }
};

TEST_F(CatalogList, RowsCarryStateAndFigures) {
    world->catalogs[1].running = false;
    world->catalogs[1].stopped = true;
    world->catalogs[2].running = false; // neither running, paused nor stopped
    main->RefreshCatalogList();
    const auto& rows = main->CatalogListView.items;
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].subItems, (QStringList{u"running"_qs, u"yes"_qs, u"/var/catalogs"_qs, u"3"_qs,
                                             u"120"_qs, u"0"_qs, u"5"_qs}));
    EXPECT_EQ(rows[1].subItems[0], u"stopped"_qs);
    EXPECT_EQ(rows[2].subItems[0], u""_qs);
    EXPECT_EQ(main->Memo1.text, u"Indexing Service is running"_qs);
    EXPECT_EQ(main->CatalogListView.columns.size(), 8);
}

TEST_F(CatalogList, EachFigureFailsOnItsOwn) {
    world->catalogs[0].failing = {u"state"_qs, u"IndexSize"_qs, u"QueryCount"_qs};
    main->RefreshCatalogList();
    EXPECT_EQ(main->CatalogListView.items[0].subItems,
              (QStringList{u"not accessible"_qs, u"yes"_qs, u"/var/catalogs"_qs,
                           u"not accessible"_qs, u"120"_qs, u"0"_qs, u"not accessible"_qs}));
}

TEST_F(CatalogList, FirstCatalogTickedWhenNoneIs) {
    EXPECT_EQ(ticked(), QStringList{u"System"_qs});
    EXPECT_EQ(main->catalogstr, u"System"_qs);
}

TEST_F(CatalogList, TicksSurviveARebuildThroughTheLastCapture) {
    main->CatalogListView.items[1].checked = true;
    main->fillcatalogstr(); // a search or host change captures the ticks
    main->RefreshCatalogList();
    EXPECT_EQ(ticked(), (QStringList{u"System"_qs, u"Web"_qs}));
}

TEST_F(CatalogList, PopupRebuildReplacesTicksMadeSinceTheLastCapture) {
    main->CatalogListView.items[1].checked = true;
    main->CatalogListView.selectedIndex = 1;
    main->CatalogPopupMenuPopup();
    EXPECT_EQ(ticked(), QStringList{u"System"_qs});
    EXPECT_EQ(main->CatalogListView.selectedIndex, 1); // the selection stays
    EXPECT_EQ(main->catalogActionItem.caption, u"Stop"_qs);
    EXPECT_EQ(main->Memo1.text, u"Index Service is running."_qs);
}

TEST_F(CatalogList, ClickWritesTheTickedNamesJoinedByCommaAndBlank) {
    main->CatalogListView.items[2].checked = true;
    main->CatalogListViewClick();
    EXPECT_EQ(main->catalogstr, u"System, Mail"_qs);
}

TEST_F(CatalogList, ActionStopsARunningCatalogAndTheMenuThenOffersStart) {
    main->CatalogListView.selectedIndex = 1;
    main->CatalogActionClick();
    EXPECT_TRUE(world->log.contains(u"StopCatalog Web"_qs));
    EXPECT_TRUE(platform.calls.contains(u"sleep 3000"_qs));
    EXPECT_EQ(main->CatalogListView.items[1].subItems[0], u"stopped"_qs);
    main->CatalogPopupMenuPopup();
    EXPECT_EQ(main->catalogActionItem.caption, u"Start"_qs);
}

TEST_F(CatalogList, UnreachableCatalogOffersToRestartTheService) {
    world->catalogs[0].failing = {u"state"_qs};
    main->CatalogListView.selectedIndex = 0;
    platform.yesNoAnswers = {true};
    main->CatalogPopupMenuPopup();
    ASSERT_TRUE(platform.calls.contains(
        u"question: Tessellon Local|Index Service is NOT running!\r\nRestart Indexing Service now?"_qs));
    EXPECT_TRUE(std::any_of(platform.calls.begin(), platform.calls.end(), [](const QString& c) {
        return c.startsWith(u"start: "_qs) && c.endsWith(u"tessellon-admin service start"_qs);
    }));
    EXPECT_FALSE(main->catalogActionItem.visible);
    EXPECT_FALSE(main->catalogRefreshItem.visible);
    EXPECT_EQ(main->Memo1.text, u"Index Service is running."_qs);
}

TEST_F(CatalogList, PopupWithoutSelectionHidesTheActionItem) {
    main->CatalogListView.selectedIndex = -1;
    main->CatalogPopupMenuPopup();
    EXPECT_FALSE(main->catalogActionItem.visible);
}

TEST(CatalogListWithoutAdministration, OneColumnAndNamesFromTheRegistry) {
    RecordingPlatform platform;
    FakeQueryProvider provider;
    auto world = std::make_shared<FakeAdminWorld>();
    world->unavailable = true;
    TKorvaneTessellonMain main(platform, provider, fakeAdminFactory(world), [] {
        return QStringList{u"System"_qs, u"Archive"_qs};
    });
    TKorvaneTessellonAdvancedSQL dialog(main);
    main.setAdvancedDialog(&dialog);
    main.CatalogRefreshClick();
    ASSERT_EQ(main.CatalogListView.columns.size(), 1);
    EXPECT_EQ(main.CatalogListView.columns[0].width, 250);
    EXPECT_FALSE(main.hostcb.enabled);
    ASSERT_EQ(main.CatalogListView.items.size(), 2);
    EXPECT_TRUE(main.CatalogListView.items[0].subItems.isEmpty());
    EXPECT_TRUE(main.CatalogListView.items[0].checked);
    main.CatalogListView.selectedIndex = 0;
    main.CatalogPopupMenuPopup();
    EXPECT_FALSE(main.catalogActionItem.visible);
}

} // namespace
