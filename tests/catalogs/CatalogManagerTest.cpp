#include "catalogs/CatalogManager.h"
#include "catalogs/FirstStart.h"
#include "support/FakeCatalogManagement.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

ManagedCatalog catalog(const QString& name, const QString& state = u"running"_qs) {
    ManagedCatalog c;
    c.name = name;
    c.state = state;
    c.location = u"/data/catalogs/"_qs + name;
    c.folders = {u"/home/u/"_qs + name};
    return c;
}

class CatalogManagerTest : public ::testing::Test {
protected:
    CatalogManagerTest() {
        management.rows = {catalog(u"Docs"_qs), catalog(u"Mail"_qs, u"paused"_qs)};
        manager.refresh();
    }
    FakeCatalogManagement management;
    RecordingPlatform platform;
    CatalogManager manager{management, platform};
};

TEST_F(CatalogManagerTest, FailuresSayWhatFailedAndWhyAndTheTableStays) {
    const CatalogDraft docs{u"Docs"_qs, {u"/home/u/Docs"_qs}, {}, {}};
    const struct {
        const char16_t* failing;
        std::function<void(CatalogManager&)> command;
        const char16_t* message;
    } cases[] = {
        {u"add", [&](CatalogManager& m) { EXPECT_FALSE(m.addCatalog(docs)); },
         u"Cannot add the catalog Docs: add refused"},
        {u"edit", [&](CatalogManager& m) { EXPECT_FALSE(m.editCatalog(docs)); },
         u"Cannot change the catalog Docs: edit refused"},
        {u"stop", [](CatalogManager& m) { m.changeSelected(CatalogChange::Stop); },
         u"Cannot stop the catalog Docs: stop refused"},
        {u"rescan", [](CatalogManager& m) { m.rescanSelected(); },
         u"Cannot rescan the catalog Docs: rescan refused"},
        {u"service stop", [](CatalogManager& m) { m.stopService(); },
         u"Cannot stop the Indexing Service: service stop refused"},
        {u"catalogs", [](CatalogManager& m) { m.refresh(); },
         u"Cannot read the catalogs: catalogs refused"},
    };
    for (const auto& c : cases) {
        management.failing = {QString::fromUtf16(c.failing)};
        manager.select(0);
        c.command(manager);
        EXPECT_EQ(manager.message, QString::fromUtf16(c.message));
        EXPECT_EQ(manager.catalogs.size(), 2);
    }
    // The next read that succeeds takes a read failure's message away.
    management.failing.clear();
    manager.refresh();
    EXPECT_EQ(manager.message, QString());
}

TEST_F(CatalogManagerTest, RemovingAsksNamingTheIndexAndTheFilesThatStay) {
    manager.select(1);
    manager.removeSelected(); // declined
    EXPECT_FALSE(management.log.contains(u"remove Mail"_qs));
    ASSERT_EQ(platform.calls.size(), 1);
    EXPECT_EQ(platform.calls[0],
              u"question: Remove Catalog|Remove the catalog Mail?\r\n\r\nIts index in "
              u"/data/catalogs/Mail is deleted. The files it indexed (/home/u/Mail) stay as "
              u"they are. [No]"_qs);

    platform.yesNoAnswers = {true};
    manager.removeSelected();
    EXPECT_TRUE(management.log.contains(u"remove Mail"_qs));
    EXPECT_EQ(manager.message, u"Catalog Mail removed"_qs);
    EXPECT_EQ(manager.catalogs.size(), 1);
    EXPECT_EQ(manager.selectedIndex, -1);
}

TEST_F(CatalogManagerTest, AddingStartsFromTheDefaultsAndReportsWhereTheIndexIs) {
    CatalogDraft draft = manager.newDraft();
    EXPECT_EQ(draft.excludes, QStringList{u".git"_qs});
    draft.name = u"Photos"_qs;
    draft.folders = {u"/home/u/Pictures"_qs};
    EXPECT_TRUE(manager.addCatalog(draft));
    EXPECT_EQ(management.log.last(), u"add Photos /home/u/Pictures excludes .git"_qs);
    EXPECT_EQ(manager.message, u"Catalog Photos added; its index is in /data/catalogs/Photos"_qs);
    EXPECT_EQ(manager.catalogs.size(), 3);
}

TEST_F(CatalogManagerTest, ButtonsFollowTheSelectedCatalogsState) {
    const struct {
        const char16_t* state; // null: nothing selected
        bool start, stop, pause, resume;
    } cases[] = {{nullptr, false, false, false, false},
                 {u"running", false, true, true, false},
                 {u"paused", false, true, false, true},
                 {u"stopped", true, false, false, false},
                 {u"not accessible", true, true, true, true}};
    for (const auto& c : cases) {
        management.rows = {catalog(u"Docs"_qs, c.state ? QString::fromUtf16(c.state) : QString())};
        manager.refresh();
        manager.select(c.state ? 0 : -1);
        SCOPED_TRACE(c.state ? QString::fromUtf16(c.state).toStdString() : "none");
        EXPECT_EQ(manager.Start.enabled, c.start);
        EXPECT_EQ(manager.Stop.enabled, c.stop);
        EXPECT_EQ(manager.Pause.enabled, c.pause);
        EXPECT_EQ(manager.Resume.enabled, c.resume);
        EXPECT_EQ(manager.Remove.enabled, c.state != nullptr);
    }
    management.running = false;
    manager.refresh();
    EXPECT_TRUE(manager.ServiceStart.enabled);
    EXPECT_FALSE(manager.ServiceStop.enabled);
    EXPECT_EQ(manager.serviceState, u"Indexing Service is NOT running"_qs);
}

TEST_F(CatalogManagerTest, SelectionFollowsTheCatalogAcrossRefreshes) {
    manager.select(1);
    management.rows.prepend(catalog(u"Archive"_qs));
    manager.refresh();
    EXPECT_EQ(manager.selectedIndex, 2);
    management.rows.removeLast();
    manager.refresh();
    EXPECT_EQ(manager.selectedIndex, -1);
}

TEST_F(CatalogManagerTest, CellsShowFoldersLastScanAndTheScanUnderWay) {
    ManagedCatalog& docs = management.rows[0];
    docs.folders = {u"/a"_qs, u"/b"_qs};
    docs.lastScan = QDateTime(QDate(2026, 12, 1), QTime(8, 30), Qt::LocalTime);
    docs.scanDone = 40;
    docs.scanTotal = 100;
    manager.refresh();
    EXPECT_EQ(manager.cellText(0, 3), u"/a; /b"_qs);
    EXPECT_EQ(manager.cellText(0, 7), u"2026-12-01 08:30:00"_qs);
    EXPECT_EQ(manager.cellText(1, 7), u"never"_qs);
    EXPECT_TRUE(manager.scanning(0));
    EXPECT_FALSE(manager.scanning(1));
}

TEST_F(CatalogManagerTest, RescanSaysWhenItWillStart) {
    for (const bool running : {true, false}) {
        management.running = running;
        manager.refresh();
        manager.select(0);
        manager.rescanSelected();
        EXPECT_EQ(manager.message,
                  running ? u"Rescan of Docs requested"_qs
                          : u"Rescan of Docs requested; it starts when the Indexing Service "
                            u"starts"_qs);
    }
    EXPECT_EQ(management.log.filter(u"rescan Docs"_qs).size(), 2);
}

TEST(FirstStart, CreatesSystemOverTheHomeOnlyWhenNoCatalogWasDeclared) {
    const HomeFolders home{u"/home/u"_qs,
                           {u"/home/u/.local/share"_qs, u"/home/u/.cache"_qs, u"/etc/xdg"_qs}};
    const struct {
        bool registryExists;
        const char16_t* failing;
        const char16_t* said;
        QStringList log;
    } cases[] = {
        {true, u"", u"", {}},
        {false,
         u"",
         u"Catalog System created over /home/u; indexing has started",
         {u"add System /home/u excludes .git;/home/u/.local/share;/home/u/.cache"_qs,
          u"service start"_qs}},
        {false,
         u"service start",
         u"Catalog System created over /home/u; the Indexing Service did not start: service "
         u"start refused",
         {u"add System /home/u excludes .git;/home/u/.local/share;/home/u/.cache"_qs,
          u"service start"_qs}},
        {false,
         u"add",
         u"Cannot create the catalog System over /home/u: add refused",
         {u"add System /home/u excludes .git;/home/u/.local/share;/home/u/.cache"_qs}},
    };
    for (const auto& c : cases) {
        FakeCatalogManagement management;
        management.registryExists = c.registryExists;
        management.failing = {QString::fromUtf16(c.failing)};
        EXPECT_EQ(createFirstCatalog(management, home), QString::fromUtf16(c.said));
        EXPECT_EQ(management.log, c.log);
    }
}

} // namespace
