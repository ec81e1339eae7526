#include "automation/Automation.h"
#include "automation/BusRegistration.h"
#include "common/TextFile.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>

using namespace tessellon;

namespace {

class AutomationTest : public FormsFixture {
protected:
    AutomationTest() {
        provider.names = {u"Filename"_qs, u"Size"_qs, u"Write"_qs};
        provider.rows = {{Variant(u"a.txt"_qs), Variant(std::int64_t(12)),
                          Variant(QDateTime(QDate(2014, 8, 15), QTime(10, 30)))},
                         {Variant(u"b.txt"_qs), Variant(std::int64_t(0)),
                          Variant(QDateTime(QDate(2014, 8, 16), QTime()))}};
    }
    QString out() const { return dir.filePath(u"out.txt"_qs); }
    TempDir dir;
    Automation automation{*main, provider, u"1.2.3"_qs};
};

TEST_F(AutomationTest, SearchWritesCountStatementAndEveryValueFollowedBySemicolon) {
    automation.setSQL(u"SELECT Filename, Size, Write\r\nFROM Docs..SCOPE()"_qs);
    automation.setMaxRecords(7);
    EXPECT_EQ(automation.Search(out()), 2);
    EXPECT_EQ(TextFile::readLines(out()),
              (QStringList{u"2"_qs, u"SELECT Filename, Size, Write"_qs, u"FROM Docs..SCOPE()"_qs,
                           u"a.txt; 12; 2014-08-15 10:30:00; "_qs, u"b.txt; 0; 2014-08-16; "_qs}));
    EXPECT_EQ(automation.RecordCount(), 2);
    ASSERT_EQ(provider.executions.size(), 1);
    EXPECT_EQ(provider.executions[0].connectionText, u"Provider=MSIDXS;Data Source="_qs);
    EXPECT_EQ(provider.executions[0].maxRecords, 7);
}

TEST_F(AutomationTest, FailuresAndTheirResults) {
    const struct {
        const char16_t* statement;
        const char16_t* failure;
        bool writable;
        int result;
        int recordCount;   // 5 when the search counted nothing
        QStringList lines; // empty: no file
    } cases[] = {
        {u"SELECT Nonsense",
         u"Syntax error near 'Nonsense'",
         true,
         -1,
         5,
         {u"Syntax error near 'Nonsense'"_qs}},
        {u"SELECT Filename FROM Docs..SCOPE()", u"", false, -1, 2, {}},
        {u"", u"", true, -1, 5, {}},
    };
    for (const auto& c : cases) {
        QFile::remove(out());
        main->doccount = 5;
        provider.failure = QString::fromUtf16(c.failure);
        automation.setSQL(QString::fromUtf16(c.statement));
        const QString file = c.writable ? out() : dir.filePath(u"missing/out.txt"_qs);
        EXPECT_EQ(automation.Search(file), c.result)
            << QString::fromUtf16(c.statement).toStdString();
        EXPECT_EQ(automation.RecordCount(), c.recordCount);
        if (c.lines.isEmpty()) {
            EXPECT_FALSE(QFile::exists(out()));
        } else {
            EXPECT_EQ(TextFile::readLines(out()), c.lines);
        }
    }
}

TEST_F(AutomationTest, PropertiesAreTheWindowsOwnValues) {
    EXPECT_EQ(automation.MaxRecords(), 400); // before any search
    EXPECT_EQ(automation.RecordCount(), 0);
    EXPECT_EQ(automation.Version(), u"001002003000"_qs);
    automation.setSQL(u"SELECT Path FROM Docs..SCOPE()"_qs);
    main->ComboBox100.text = u"budget"_qs;
    main->SearchbtnClick();
    EXPECT_NE(automation.SQL(), u"SELECT Path FROM Docs..SCOPE()"_qs);
    EXPECT_EQ(automation.SQL(), main->sqlstatement);
    EXPECT_EQ(automation.MaxRecords(), 2000); // the limit box's default
}

TEST_F(AutomationTest, ClosingWhileClientsHoldTheProgramAsksWithNoAsDefault) {
    platform.calls.clear();
    EXPECT_TRUE(main->FormCloseQuery(false));
    EXPECT_TRUE(platform.calls.isEmpty());
    platform.yesNoAnswers = {false, true};
    EXPECT_FALSE(main->FormCloseQuery(true));
    EXPECT_TRUE(main->FormCloseQuery(true));
    ASSERT_EQ(platform.calls.size(), 2);
    EXPECT_TRUE(platform.calls[0].startsWith(u"question: COM Server Warning|"_qs));
    EXPECT_TRUE(platform.calls[0].endsWith(u" [No]"_qs));
}

} // namespace

namespace {

TEST(BusRegistration, SwitchesAfterSlashOrDashInAnyCase) {
    const struct {
        QStringList arguments;
        std::optional<std::pair<bool, bool>> request; // unregister, per user
        bool byBus;
    } cases[] = {
        {{u"/RegServer"_qs}, std::pair{false, false}, false},
        {{u"-unregserver"_qs}, std::pair{true, false}, false},
        {{u"x.tsn"_qs, u"-REGSERVERPERUSER"_qs}, std::pair{false, true}, false},
        {{u"/UnRegServerPerUser"_qs}, std::pair{true, true}, false},
        {{u"REGSERVER"_qs}, std::nullopt, false},
        {{u"-Automation"_qs}, std::nullopt, true},
        {{u"/EMBEDDING"_qs}, std::nullopt, true},
        {{u"/S-AUTOMATION"_qs}, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const std::optional<RegistrationRequest> request = registrationRequest(c.arguments);
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        ASSERT_EQ(request.has_value(), c.request.has_value());
        if (request) {
            EXPECT_EQ(request->unregister, c.request->first);
            EXPECT_EQ(request->perUser, c.request->second);
        }
        EXPECT_EQ(startedByBus(c.arguments), c.byBus);
    }
}

TEST(BusRegistration, ActivationFileForTheUserOrTheInstallation) {
    qputenv("XDG_DATA_HOME", "/home/u/.data");
    EXPECT_EQ(activationFile(true, u"/opt/t/bin"_qs),
              u"/home/u/.data/dbus-1/services/example.korvane.Tessellon.service"_qs);
    EXPECT_EQ(activationFile(false, u"/opt/t/bin"_qs),
              u"/opt/t/share/dbus-1/services/example.korvane.Tessellon.service"_qs);
    qunsetenv("XDG_DATA_HOME");
    const struct {
        const char16_t* path;
        const char16_t* exec;
    } paths[] = {{u"/opt/t/tessellon", u"/opt/t/tessellon"},
                 {u"/opt/my apps/tessellon", u"\"/opt/my apps/tessellon\""},
                 {u"/opt/it's/tessellon", u"\"/opt/it's/tessellon\""},
                 {u"/opt/a\"b\\c/tessellon", u"\"/opt/a\\\"b\\\\c/tessellon\""}};
    for (const auto& p : paths)
        EXPECT_EQ(activationFileContent(QString::fromUtf16(p.path)),
                  u"[D-BUS Service]\nName=example.korvane.Tessellon\nExec="_qs +
                      QString::fromUtf16(p.exec) + u" -AUTOMATION\n"_qs);
}

} // namespace
