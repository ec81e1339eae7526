#include "FullTextDamage.h"
#include "ServiceSandbox.h"

#include "common/Error.h"
#include "indexing/service/LocalAdminServer.h"
#include "indexing/store/StoreDamage.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tessellon;

struct ErrorCase {
    const char* name;
    QStringList args;
    int exitCode;
    QString message;
};
TESSELLON_PRINT_CASE_BY_NAME(ErrorCase)

class AdminErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(AdminErrors, FailWithAClearMessage) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    QStringList args = GetParam().args;
    args.replaceInStrings("SCOPE", scope);
    const CommandResult r = sandbox.admin(args);
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(GetParam().message)) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, AdminErrors,
    ::testing::Values(
        ErrorCase{"Duplicate", {"add", "docs", "--scope", "SCOPE"}, 1, "already exists"},
        ErrorCase{"BadName", {"add", "my docs", "--scope", "SCOPE"}, 1, "not a valid catalog name"},
        ErrorCase{"MissingScope",
                  {"add", "New", "--scope", "/no/such/folder"},
                  1,
                  "Scope folder '/no/such/folder' does not exist"},
        ErrorCase{"NoScope", {"add", "New"}, 2, "at least one --scope"},
        ErrorCase{"BadOption",
                  {"add", "New", "--scope", "SCOPE", "--bogus"},
                  2,
                  "unknown option '--bogus'"},
        ErrorCase{"OptionWithoutValue", {"add", "New", "--scope"}, 2, "--scope needs a value"},
        ErrorCase{"UnknownRemove", {"remove", "Nope"}, 1, "Catalog 'Nope' does not exist"},
        ErrorCase{"UnknownRescan", {"rescan", "Nope"}, 1, "Catalog 'Nope' does not exist"},
        ErrorCase{"UnknownStart", {"start", "Nope"}, 1, "Catalog 'Nope' does not exist"},
        ErrorCase{"UnknownCommand", {"frobnicate"}, 2, "unknown command 'frobnicate'"},
        ErrorCase{"ListArguments", {"list", "x"}, 2, "takes no arguments"},
        ErrorCase{"ServiceAction", {"service", "restart"}, 2, "unknown action 'restart'"}));

TEST(AdminCli, ListsCatalogsInRegistryOrderWithStateAndFigures) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    sandbox.dir().write("scope/a.txt", "some words");
    sandbox.dir().write("scope/sub/b.txt", "more words");
    for (const char* name : {"Zed", "Alpha", "Mid"})
        ASSERT_EQ(sandbox.admin({"add", name, "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"rescan", "alpha"}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"stop", "Mid"}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"pause", "Zed"}).exitCode, 0);

    const QStringList lines = sandbox.admin({"list"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    // Without the daemon no catalog's state can be read; the store's
    // figures can.
    const QStringList zed = lines[0].split('\t');
    const QStringList alpha = lines[1].split('\t');
    const QStringList mid = lines[2].split('\t');
    EXPECT_EQ(zed.mid(0, 3), QStringList({"Zed", "not accessible", "no"}));
    EXPECT_EQ(alpha.mid(0, 3), QStringList({"Alpha", "not accessible", "yes"}));
    EXPECT_EQ(alpha.mid(4, 4), QStringList({"0", "3", "0", "0"}));
    EXPECT_EQ(mid.mid(0, 2), QStringList({"Mid", "not accessible"}));
    EXPECT_TRUE(alpha[3].endsWith("/catalogs/Alpha"));

    ASSERT_EQ(sandbox.admin({"remove", "Zed"}).exitCode, 0);
    EXPECT_EQ(sandbox.admin({"list"}).out.count('\n'), 2);
}

TEST(AdminCli, RescanPrintsASummary) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    sandbox.dir().write("scope/a.txt", "text");
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope=" + scope, "--exclude", "*.bak"}).exitCode, 0);
    const CommandResult r = sandbox.admin({"rescan", "Docs"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("Docs: 1 documents filtered (0 failed)")) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains("Rescanning Docs")) << r.err.toStdString();
}

// Files this user may not read are counted unreadable, not failed, whatever
// their kind: no filter could read them. Root reads everything, so as root
// the rescan runs as the user nobody.
TEST(AdminCli, FilesTheUserMayNotReadAreCountedUnreadable) {
    ServiceSandbox sandbox;
    for (const QString& dir : {sandbox.dir().path(), sandbox.configDir(), sandbox.dataDir()}) {
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                       QFileDevice::WriteOther | QFileDevice::ExeOther);
    }
    const QString scope = sandbox.dir().mkdir("scope");
    sandbox.dir().write("scope/open.txt", "text");
    for (const char* secret : {"scope/secret.pdf", "scope/secret.txt"})
        QFile::setPermissions(sandbox.dir().write(secret, "hidden"), {});
    const auto admin = [](const QStringList& args) {
        if (::geteuid() != 0)
            return ServiceSandbox::run(ServiceSandbox::binary("tessellon-admin"), args);
        return ServiceSandbox::run("setpriv",
                                   QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                                               ServiceSandbox::binary("tessellon-admin")} +
                                       args);
    };
    const CommandResult added = admin({"add", "Docs", "--scope", scope});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    const CommandResult r = admin({"rescan", "Docs"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("Docs: 3 documents filtered (0 failed)")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(", 2 unreadable;")) << r.out.toStdString();
}

TEST(AdminCli, ListShowsADamagedIndexUntilARescanRebuildsIt) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    sandbox.dir().write("scope/a.txt", "some words");
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"rescan", "Docs"}).exitCode, 0);
    damageFullTextLeaf(sandbox.storeFile("Docs"));
    EXPECT_THROW(sandbox.matches("Docs", "words"), StoreDamagedError); // a reader meets it
    const auto listed = [&] { return sandbox.admin({"list"}).out.section('\n', 0, 0).split('\t'); };
    QStringList docs = listed();
    EXPECT_EQ(docs[2], "not accessible");
    EXPECT_TRUE(docs[8].startsWith("The index is damaged and is rebuilt")) << docs[8].toStdString();

    const CommandResult rescan = sandbox.admin({"rescan", "Docs"});
    EXPECT_EQ(rescan.exitCode, 0);
    EXPECT_TRUE(rescan.err.contains("could not be used (damaged")) << rescan.err.toStdString();
    docs = listed();
    EXPECT_EQ(docs[2], "yes");
    EXPECT_EQ(docs[5], "1");
    EXPECT_EQ(docs[8], "");
    EXPECT_TRUE(sandbox.matches("Docs", "words"));
}

TEST(LocalAdminServer, ReportsStatesByRegistryAndDaemon) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    ASSERT_EQ(sandbox.admin({"add", "One", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"add", "Two", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"pause", "Two"}).exitCode, 0);
    LocalAdminServer server;
    EXPECT_EQ(server.MachineName(), QSysInfo::machineHostName());
    EXPECT_FALSE(server.IsRunning());
    ASSERT_TRUE(server.FindFirstCatalog());
    auto one = server.GetCatalog();
    EXPECT_EQ(one->CatalogName(), "One");
    // Without the daemon the state fails, saying why; the figures stay.
    for (const auto& state : {&CatalogAdmin::IsCatalogRunning, &CatalogAdmin::IsCatalogPaused,
                              &CatalogAdmin::IsCatalogStopped}) {
        try {
            ((*one).*state)();
            ADD_FAILURE() << "a state was read without the indexing service";
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), "The indexing service is not running");
        }
    }
    EXPECT_EQ(one->TotalDocumentCount(), 0);
    EXPECT_FALSE(one->IsUpToDate());
    ASSERT_TRUE(server.FindNextCatalog());
    EXPECT_EQ(server.GetCatalog()->CatalogName(), "Two");
    EXPECT_FALSE(server.FindNextCatalog());

    ASSERT_EQ(sandbox.admin({"service", "start"}).exitCode, 0);
    EXPECT_TRUE(server.IsRunning());
    EXPECT_TRUE(server.GetCatalogByName("one")->IsCatalogRunning());
    EXPECT_TRUE(server.GetCatalogByName("Two")->IsCatalogPaused());
    server.GetCatalogByName("One")->StopCatalog();
    EXPECT_TRUE(server.GetCatalogByName("One")->IsCatalogStopped());
    server.GetCatalogByName("One")->StartCatalog();
    EXPECT_TRUE(server.GetCatalogByName("One")->IsCatalogRunning());
    EXPECT_EQ(sandbox.admin({"service", "status"}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"service", "stop"}).exitCode, 0);
    EXPECT_FALSE(server.IsRunning());
    EXPECT_EQ(sandbox.admin({"service", "status"}).exitCode, 3);
    EXPECT_THROW(server.GetCatalogByName("Three"), ProviderError);
}

TEST(LocalAdminServer, RefusesOtherHostsAsUnreachable) {
    LocalAdminServer server;
    try {
        server.SetMachineName("faraway");
        FAIL() << "bound to a remote host";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("faraway cannot be reached")) << e.what();
    }
    EXPECT_EQ(server.MachineName(), QSysInfo::machineHostName());
    EXPECT_NO_THROW(server.SetMachineName("."));
    EXPECT_EQ(server.MachineName(), ".");
    EXPECT_NO_THROW(server.SetMachineName(QSysInfo::machineHostName()));
}
