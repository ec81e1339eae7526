// Two other computers' services, listed in hosts.ini: the host step binds
// each in turn, the catalog list shows that host's catalogs, the catalog
// action stops the catalog on that host only, a search there finds its
// files, and one statement over the catalogs of both and of this computer
// answers as one engine would.
#include "OtherComputer.h"
#include "app/ProgramServices.h"
#include "app/TKorvaneTessellonMain.h"
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/remote/HostAdminServer.h"
#include "indexing/remote/HostRegistry.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"

#include <QSysInfo>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

QStringList catalogNames(const TKorvaneTessellonMain& main) {
    QStringList names;
    for (const TickListItem& item : main.CatalogListView.items)
        names << item.caption;
    return names;
}

TEST(RemoteHosts, HostStepListsAndActsOnEachHostsCatalogs) {
    ServiceSandbox thisComputer;
    const QString local = thisComputer.dir().mkdir(u"local"_qs);
    ASSERT_EQ(thisComputer.admin({u"add"_qs, u"Local"_qs, u"--scope"_qs, local}).exitCode, 0);
    OtherComputer b, c;
    ASSERT_TRUE(b.serveCatalog(u"Web"_qs, u"index.html"_qs, "<html>home</html>"));
    ASSERT_TRUE(c.serveCatalog(u"Mail"_qs, u"inbox.txt"_qs, "dear all"));
    HostRegistry::standard().add(RemoteHost{u"SERVER2"_qs, b.url(), b.tokenFile(), QString()});
    HostRegistry::standard().add(RemoteHost{u"SERVER3"_qs, c.url(), c.tokenFile(), QString()});

    RecordingPlatform platform;
    platform.computer = QSysInfo::machineHostName();
    ProgramServices program;
    TKorvaneTessellonMain main(platform, program.provider(), HostAdminServer::factory());
    TKorvaneTessellonAdvancedSQL dialog(main);
    main.setAdvancedDialog(&dialog);

    const struct {
        QString host;
        QStringList catalogs;
    } steps[] = {{u"SERVER2"_qs, {u"Web"_qs}},
                 {u"SERVER3"_qs, {u"Mail"_qs}},
                 {QSysInfo::machineHostName(), {u"Local"_qs}},
                 {u"SERVER2"_qs, {u"Web"_qs}}};
    for (const auto& step : steps) {
        main.hostcb.text = step.host;
        main.hostStep();
        SCOPED_TRACE(step.host.toStdString());
        EXPECT_FALSE(main.hostunreachable) << platform.messages.join(u'\n').toStdString();
        EXPECT_EQ(catalogNames(main), step.catalogs);
    }
    // A search over the bound host's catalog finds its file, with its path there.
    main.ComboBox100.text = u"home"_qs;
    main.SearchbtnClick();
    EXPECT_FALSE(main.lastRunFailed) << main.Memo1.text.toStdString();
    ASSERT_EQ(main.ListView1.itemCount(), 1) << main.Memo1.text.toStdString();
    EXPECT_EQ(main.GetPath(1), b.dir.filePath(u"Web/index.html"_qs));
    EXPECT_TRUE(main.Memo1.text.contains(u"Host: SERVER2 Catalog(s): 'Web'"_qs))
        << main.Memo1.text.toStdString();

    // The figures of the bound host, and its catalog stopped there only.
    EXPECT_EQ(main.CatalogListView.items[0].subItems.value(0), u"running"_qs);
    main.CatalogListView.selectedIndex = 0;
    main.CatalogActionClick();
    EXPECT_EQ(b.admin({u"list"_qs}).out.split(u'\t').value(1), u"stopped"_qs);
    EXPECT_EQ(c.admin({u"list"_qs}).out.split(u'\t').value(1), u"running"_qs);
    EXPECT_EQ(main.CatalogListView.items[0].subItems.value(0), u"stopped"_qs);

    main.hostcb.text = u"NOWHERE"_qs;
    main.hostStep();
    EXPECT_TRUE(main.hostunreachable);
    ASSERT_FALSE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.messages.last().contains(u"hosts add NOWHERE"_qs))
        << platform.messages.last().toStdString();
}

// This computer's engine over every catalog of the three computers.
class AllThreeComputers : public CatalogResolver {
public:
    explicit AllThreeComputers(const QStringList& configDirs) {
        for (const QString& dir : configDirs)
            registries_.emplace_back(CatalogRegistry(dir + u"/catalogs.ini"_qs));
    }
    std::optional<ResolvedCatalog> findCatalog(const QString& name) override {
        for (RegistryCatalogResolver& registry : registries_) {
            if (auto found = registry.findCatalog(name))
                return found;
        }
        return std::nullopt;
    }

private:
    std::vector<RegistryCatalogResolver> registries_;
};

TEST(RemoteHosts, OneStatementOverThreeComputersMergesInOrderAndLimit) {
    ServiceSandbox thisComputer;
    OtherComputer b, c;
    const auto fill = [](TempDir& dir, const QString& catalog, int seed) {
        for (int i = 0; i < 30; ++i)
            dir.write(u"%1/%2%3.txt"_qs.arg(catalog, i % 2 ? u"Note"_qs : u"note"_qs).arg(i),
                      QByteArray("budget ") + QByteArray(std::size_t(i * seed % 7), 'x') +
                          (i % 3 ? " travel report" : " budget"));
    };
    fill(b.dir, u"X"_qs, 3);
    fill(c.dir, u"Y"_qs, 5);
    fill(thisComputer.dir(), u"Z"_qs, 2);
    ASSERT_TRUE(b.serveCatalog(u"X"_qs, u"main.txt"_qs, "budget"));
    ASSERT_TRUE(c.serveCatalog(u"Y"_qs, u"main.txt"_qs, "travel"));
    ASSERT_EQ(thisComputer
                  .admin({u"add"_qs, u"Z"_qs, u"--scope"_qs, thisComputer.dir().filePath(u"Z"_qs)})
                  .exitCode,
              0);
    ASSERT_EQ(thisComputer.admin({u"rescan"_qs, u"Z"_qs}).exitCode, 0);
    HostRegistry::standard().add(RemoteHost{u"SERVER2"_qs, b.url(), b.tokenFile(), QString()});
    HostRegistry::standard().add(RemoteHost{u"SERVER3"_qs, c.url(), c.tokenFile(), QString()});

    ProgramServices program;
    AllThreeComputers catalogs(
        {ServicePaths::configDir(), b.dir.filePath(u"config"_qs), c.dir.filePath(u"config"_qs)});
    IndexQueryProvider oneEngine(catalogs);
    const QString tails[] = {u" WHERE CONTAINS('budget')"_qs, u" ORDER BY Filename"_qs,
                             u" WHERE CONTAINS('travel OR budget') ORDER BY Size DESC, Path"_qs,
                             u" WHERE FREETEXT('budget report') ORDER BY Rank DESC"_qs};
    for (const QString& tail : tails) {
        for (int limit : {0, 1, 10, 45}) {
            const QString head = u"SELECT Filename, Size, Rank, Path FROM (TABLE "_qs;
            const QString routed =
                head +
                u"SERVER2.X..SCOPE() UNION ALL TABLE SERVER3.Y..SCOPE() UNION ALL TABLE "
                u"Z..SCOPE())"_qs +
                tail;
            const QString whole =
                head + u"X..SCOPE() UNION ALL TABLE Y..SCOPE() UNION ALL TABLE Z..SCOPE())"_qs +
                tail;
            SCOPED_TRACE(routed.toStdString() + " limit " + std::to_string(limit));
            const auto merged = program.provider().execute(QString(), routed, limit);
            const auto expected = oneEngine.execute(QString(), whole, limit);
            ASSERT_GT(expected->recordCount(), 0);
            ASSERT_EQ(merged->recordCount(), expected->recordCount());
            for (int r = 1; r <= expected->recordCount(); ++r)
                for (const QString& name : expected->fieldNames())
                    ASSERT_EQ(merged->field(r, name), expected->field(r, name)) << r;
        }
    }
}

} // namespace
