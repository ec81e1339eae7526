// The host box over two other computers' services, listed in hosts.ini: the
// host step binds each in turn, the catalog list shows that host's catalogs,
// and the catalog action stops the catalog on that host only.
#include "OtherComputer.h"
#include "app/TKorvaneTessellonMain.h"
#include "indexing/remote/HostAdminServer.h"
#include "indexing/remote/HostRegistry.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "support/FakeDataAccess.h"
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
    FakeQueryProvider provider;
    TKorvaneTessellonMain main(platform, provider, HostAdminServer::factory());
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

} // namespace
