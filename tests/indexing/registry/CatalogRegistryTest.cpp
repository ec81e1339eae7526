#include "indexing/registry/CatalogRegistry.h"
#include "common/Error.h"
#include "common/PathCodec.h"
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/registry/ServicePaths.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessellon;

TEST(CatalogRegistry, KeepsOrderAndOddPathsThroughTheFile) {
    CatalogEntry a{"Zeta",
                   "/data/zeta",
                   {"/home/u/line\nbreak", "/home/u/back\\slash"},
                   {".git"},
                   CatalogState::Stopped};
    CatalogEntry b{"alpha",
                   "/data/alpha",
                   {PathCodec::fromBytes(QByteArray("/home/u/bad\xff\xfe-name"))},
                   {},
                   CatalogState::Paused};
    CatalogEntry c{"Mid_1-x",
                   "/data/mid",
                   {"/srv/a", "/srv/b"},
                   {"*.tmp", "/srv/a/skip"},
                   CatalogState::Running};
    const QList<CatalogEntry> parsed =
        CatalogRegistry::parse(CatalogRegistry::serialize({a, b, c}));
    ASSERT_EQ(parsed.size(), 3);
    const QList<CatalogEntry> expected{a, b, c};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(parsed[i].name, expected[i].name);
        EXPECT_EQ(parsed[i].location, expected[i].location);
        EXPECT_EQ(parsed[i].scopes, expected[i].scopes);
        EXPECT_EQ(parsed[i].excludes, expected[i].excludes);
        EXPECT_EQ(parsed[i].state, expected[i].state);
    }
    EXPECT_EQ(PathCodec::toBytes(parsed[1].scopes[0]), QByteArray("/home/u/bad\xff\xfe-name"));
}

struct NameCase {
    const char* name;
    QString catalog;
    bool valid;
};
TESSELLON_PRINT_CASE_BY_NAME(NameCase)

class CatalogNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(CatalogNames, AreLettersDigitsUnderscoreAndHyphen) {
    const NameCase& c = GetParam();
    if (c.valid) {
        EXPECT_NO_THROW(CatalogRegistry::checkName(c.catalog));
    } else {
        try {
            CatalogRegistry::checkName(c.catalog);
            FAIL() << "accepted";
        } catch (const Error& e) {
            EXPECT_TRUE(e.message().contains("letters, digits, '_' and '-'")) << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CatalogNames,
    ::testing::Values(NameCase{"Plain", "System", true}, NameCase{"Mixed", "web_2-old", true},
                      NameCase{"Empty", "", false}, NameCase{"Blank", "my docs", false},
                      NameCase{"Slash", "a/b", false}, NameCase{"Dots", "..", false},
                      NameCase{"Bracket", "a]b", false}, NameCase{"Umlaut", "Bücher", false},
                      NameCase{"DigitFirst", "2024", false}, NameCase{"HyphenFirst", "-old", false},
                      NameCase{"UnderscoreFirst", "_old", true},
                      NameCase{"TooLong", QString(100, 'x'), false},
                      NameCase{"Longest", QString(99, 'x'), true}));

TEST(CatalogRegistry, ModifyWritesUnderLockAndAbandonsOnThrow) {
    TempDir dir;
    CatalogRegistry registry(dir.filePath("cfg/catalogs.ini"));
    EXPECT_TRUE(registry.load().isEmpty());
    registry.modify([](QList<CatalogEntry>& c) {
        c << CatalogEntry{"Docs", "/l", {"/s"}, {}, {}};
    });
    EXPECT_THROW(registry.modify([](QList<CatalogEntry>& c) {
        c.clear();
        throw Error("no");
    }),
                 Error);
    ASSERT_EQ(registry.load().size(), 1);
    EXPECT_EQ(CatalogRegistry::indexOf(registry.load(), "DOCS"), 0);
}

TEST(RegistryCatalogResolver, FindsByNameIgnoringCaseAndReportsStopped) {
    TempDir dir;
    CatalogRegistry registry(dir.filePath("catalogs.ini"));
    registry.modify([](QList<CatalogEntry>& c) {
        c << CatalogEntry{"Web", "/idx/web", {"/s"}, {}, CatalogState::Stopped};
    });
    RegistryCatalogResolver resolver(registry);
    const auto found = resolver.findCatalog("web");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->name, "Web");
    EXPECT_EQ(found->storeFile, ServicePaths::storeFile("/idx/web"));
    EXPECT_TRUE(found->stopped);
    EXPECT_FALSE(resolver.findCatalog("Other").has_value());
}

TEST(CatalogRegistry, ReadsAHandWrittenFile) {
    const QList<CatalogEntry> c = CatalogRegistry::parse("; comment\r\n"
                                                         "# another\r\n"
                                                         "[ Web ]\r\n"
                                                         " location = /idx/web\r\n"
                                                         "Scope=/srv/www\r\n"
                                                         "State=PAUSED\r\n"
                                                         "[Empty]\r\n"
                                                         "Location=/idx/empty\r\n");
    ASSERT_EQ(c.size(), 2);
    EXPECT_EQ(c[0].name, "Web");
    EXPECT_EQ(c[0].location, "/idx/web");
    EXPECT_EQ(c[0].scopes, QStringList({"/srv/www"}));
    EXPECT_EQ(c[0].state, CatalogState::Paused);
    EXPECT_EQ(c[1].name, "Empty");
    EXPECT_EQ(c[1].state, CatalogState::Running);
}

// What makes no sense is reported with its line, never read as something.
TEST(CatalogRegistry, RefusesWhatMakesNoSenseNamingTheLine) {
    const QByteArray web = "[Web]\nLocation=/idx/web\n";
    const struct {
        QByteArray content;
        QString message;
    } cases[] = {
        {"[Web]\nLocation=\n", "line 2: Location must be an absolute path, not ''"},
        {"[Web]\nLocation=idx\n", "line 2: Location must be an absolute path, not 'idx'"},
        {"[Web]\nScope=/s\n", "line 1: the catalog 'Web' has no Location"},
        {web + "Scope=docs\n", "line 3: Scope must be an absolute path, not 'docs'"},
        {web + "Scop=/s\n", "line 3: unknown key 'Scop'"},
        {web + "State=sleeping\n", "line 3: State must be running, paused or stopped"},
        {"Scope=/s\n" + web, "line 1: a value before the first [catalog] heading"},
        {web + "garbage\n", "line 3: 'garbage' is neither a [catalog] heading"},
        {web + "[1st]\n", "line 3: '1st' is not a valid catalog name"},
        {web + "[WEB]\nLocation=/x\n", "line 3: the catalog 'WEB' is declared twice"},
        {QByteArray("\x7f\x00\x01 random bytes"), "line 1: "},
    };
    for (const auto& c : cases) {
        try {
            CatalogRegistry::parse(c.content);
            ADD_FAILURE() << c.content.toStdString();
        } catch (const Error& e) {
            EXPECT_TRUE(e.message().startsWith(c.message)) << e.message().toStdString();
        }
    }
    TempDir dir;
    const QString file = dir.write("catalogs.ini", "[Web]\nLocation=\n");
    try {
        CatalogRegistry(file).load();
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(file) && e.message().contains(": line 2:"))
            << e.message().toStdString();
    }
}
