#include "files/ConfigText.h"
#include "common/CommaText.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "files/QueryFiles.h"
#include "search/StatusText.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

using namespace tessellon;

namespace {

class ConfigText : public FormsFixture {
protected:
    ConfigText() {
        world->catalogs.append(FakeCatalog{u"Web"_qs});
        world->catalogs.append(FakeCatalog{u"Mail Box"_qs});
        main->CatalogRefreshClick();
    }

    void fillEverything() {
        main->ComboBox100 = box(u"invoice, 2014"_qs, {u"invoice, 2014"_qs, u"a b"_qs});
        main->ComboBox103 = box(u"*.pdf"_qs, {u""_qs});
        dialog->ComboBox22 = box(u"budget forecast"_qs, {u"x"_qs});
        dialog->ComboBox23 = box(u"draft"_qs, {});
        dialog->ComboBox3 = box(u"\"/home/u/My Docs\""_qs, {u"<ALL folders>"_qs});
        dialog->ComboBox5 = box(u"*.tmp *.bak"_qs, {u"say \"hi\""_qs});
        dialog->ComboBox1 = box(u"10K"_qs, {u"10K"_qs});
        dialog->ComboBox2 = box(u"2M"_qs, {u"100"_qs, u"1000"_qs});
        dialog->ComboBox4 = box(u"500"_qs, {u"500"_qs, u"0"_qs, u"-5"_qs, u"lots"_qs});
        dialog->ColumnsListView.items[1].checked = true;   // Directory
        dialog->ColumnsListView.items[10].checked = false; // Path
        dialog->deepshallow_cb.checked = false;
        dialog->startdatepicker = {{}, QDateTime(QDate(2014, 1, 1), QTime(8, 0)), true};
        dialog->enddatepicker = {{}, QDateTime(QDate(2014, 8, 15), QTime(8, 0)), false};
        main->CatalogListView.items[0].checked = false;
        main->CatalogListView.items[2].checked = true;
        dialog->Memo1.text = u"SELECT Path \r\nFROM System..SCOPE() \r\nWHERE Size > 0"_qs;
    }

    static ComboBoxModel box(const QString& text, const QStringList& items) {
        ComboBoxModel b;
        b.text = text;
        b.items = items;
        return b;
    }

    // Fresh forms over the same world, as the next start sees them.
    void restart() {
        createForms();
        main->CatalogRefreshClick();
    }
};

TEST_F(ConfigText, SearchFileRoundTripRestoresEveryCriterion) {
    fillEverything();
    TempDir dir;
    const QString file = dir.filePath(u"s.tsn"_qs);
    TextFile::writeLines(file, generateconfigtext(*main));
    restart();
    loadconfigtext(*main, TextFile::readLines(file));

    EXPECT_EQ(main->ComboBox100.text, u"invoice, 2014"_qs);
    EXPECT_EQ(main->ComboBox100.items, (QStringList{u"invoice, 2014"_qs, u"a b"_qs}));
    EXPECT_EQ(main->ComboBox103.items, QStringList{u""_qs});
    EXPECT_EQ(dialog->ComboBox22.text, u"budget forecast"_qs);
    EXPECT_EQ(dialog->ComboBox3.text, u"\"/home/u/My Docs\""_qs);
    EXPECT_EQ(dialog->ComboBox5.items, QStringList{u"say \"hi\""_qs});
    EXPECT_EQ(dialog->ComboBox2.items, (QStringList{u"100"_qs, u"1000"_qs}));
    EXPECT_EQ(dialog->ComboBox4.items, (QStringList{u"500"_qs, u"100"_qs, u"100"_qs, u"lots"_qs}));
    EXPECT_TRUE(dialog->ColumnsListView.items[1].checked);
    EXPECT_FALSE(dialog->ColumnsListView.items[10].checked);
    EXPECT_FALSE(dialog->deepshallow_cb.checked);
    EXPECT_EQ(dialog->startdatepicker.dateTime.date(), QDate(2014, 1, 1));
    EXPECT_TRUE(dialog->startdatepicker.checked);
    EXPECT_EQ(dialog->enddatepicker.dateTime.date(), QDate(2014, 8, 15));
    EXPECT_FALSE(dialog->enddatepicker.checked);
    EXPECT_FALSE(main->CatalogListView.items[0].checked);
    EXPECT_TRUE(main->CatalogListView.items[2].checked);
    // From a file the expert lines come back joined as they are.
    EXPECT_EQ(dialog->Memo1.text, u"SELECT Path FROM System..SCOPE() WHERE Size > 0"_qs);
}

TEST_F(ConfigText, FileLayoutIsPositional) {
    fillEverything();
    const QStringList lines = generateconfigtext(*main);
    EXPECT_EQ(lines[0], u"0"_qs);
    EXPECT_EQ(lines[1], u"invoice, 2014"_qs);
    EXPECT_EQ(lines[2], u"\"invoice, 2014\",\"a b\""_qs);
    EXPECT_EQ(lines[3], lines[1]);
    EXPECT_EQ(lines[6], u"\"\""_qs);
    EXPECT_EQ(lines[29], u"11"_qs);
    EXPECT_EQ(lines[30], u"-1"_qs);
    EXPECT_EQ(lines[40], u"0"_qs);
    EXPECT_EQ(lines[45], u"2014-01-01"_qs);
    EXPECT_EQ(lines[49], u"\"Mail Box\""_qs);
    EXPECT_EQ(lines.back(), u"---EOF---"_qs);
    EXPECT_EQ(lines[50], dialog->Memo1.text);
    EXPECT_EQ(lines.size(), 52);
}

TEST_F(ConfigText, SettingsFormKeepsTheExpertLineBreaks) {
    fillEverything();
    main->FormClose();
    const QString stored = platform.store.values.value(u"Local/Config"_qs);
    ASSERT_FALSE(stored.isEmpty());
    restart();
    main->FormFirstShow(false);
    EXPECT_EQ(dialog->Memo1.text, u"SELECT Path \r\nFROM System..SCOPE() \r\nWHERE Size > 0"_qs);
    EXPECT_EQ(main->ComboBox100.text, u"invoice, 2014"_qs);
}

TEST_F(ConfigText, FirstShowWithArgumentsLoadsNothing) {
    platform.store.values.insert(u"Local/Config"_qs, CommaText::write(generateconfigtext(*main)));
    main->ComboBox100.text = u"from batch"_qs;
    main->FormFirstShow(true);
    EXPECT_EQ(main->ComboBox100.text, u"from batch"_qs);
}

TEST_F(ConfigText, BrokenSettingsAreSwallowedAndKeepWhatWasApplied) {
    QStringList lines = generateconfigtext(*main);
    lines[1] = u"kept"_qs;
    lines[45] = u"not a date"_qs;
    platform.store.values.insert(u"Local/Config"_qs, CommaText::write(lines));
    main->FormFirstShow(false);
    EXPECT_EQ(main->ComboBox100.text, u"kept"_qs);
    EXPECT_TRUE(platform.messages.isEmpty());
}

struct BrokenCase {
    const char* name;
    int line;
    QString value; // null: cut the text before this line
    QString message;
};
TESSELLON_PRINT_CASE_BY_NAME(BrokenCase)

class BrokenSearchFile : public ConfigText, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenSearchFile, StopsAtTheLineWithAMessageNamingIt) {
    const BrokenCase& c = GetParam();
    QStringList lines = generateconfigtext(*main);
    lines[1] = u"applied before"_qs;
    if (c.value.isNull())
        lines = lines.mid(0, c.line);
    else
        lines[c.line] = c.value;
    try {
        loadconfigtext(*main, lines);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), c.message);
    }
    if (c.line > 1) {
        EXPECT_EQ(main->ComboBox100.text, u"applied before"_qs);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenSearchFile,
    ::testing::Values(
        BrokenCase{"preview_option", 0, u"x"_qs, u"Line 1: 'x' is not a valid integer value"_qs},
        BrokenCase{"flag", 33, u"maybe"_qs, u"Line 34: 'maybe' is not a valid boolean value"_qs},
        BrokenCase{"date", 45, u"2014-13-40"_qs, u"Line 46: '2014-13-40' is not a valid date"_qs},
        BrokenCase{"too_short", 20, QString(), u"Line 21: missing (the text has only 20 lines)"_qs},
        BrokenCase{"no_terminator", 51, QString(),
                   u"Line 52: the end line \"---EOF---\" of the expert text is missing"_qs}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigText, BooleansAcceptWordsAndNumbers) {
    QStringList lines = generateconfigtext(*main);
    lines[41] = u"FALSE"_qs; // deep tick
    lines[46] = u"2"_qs;     // start date enabled
    loadconfigtext(*main, lines);
    EXPECT_FALSE(dialog->deepshallow_cb.checked);
    EXPECT_TRUE(dialog->startdatepicker.checked);
}

TEST_F(ConfigText, FalseFlagForFilenameKeepsItTicked) {
    QStringList lines = generateconfigtext(*main);
    lines[30] = u"0"_qs;
    loadconfigtext(*main, lines);
    EXPECT_TRUE(dialog->ColumnsListView.items[0].checked);
}

TEST_F(ConfigText, UnknownCatalogIsIgnoredAndHostLinesSkippedWithoutAdministration) {
    QStringList lines = generateconfigtext(*main);
    lines[7] = u"ELSEWHERE"_qs;
    lines[49] = u"Gone,Web"_qs;
    main->hostcb.enabled = false;
    loadconfigtext(*main, lines);
    EXPECT_EQ(main->hostcb.text, u"TESTHOST"_qs);
    EXPECT_TRUE(main->CatalogListView.items[1].checked);
    EXPECT_FALSE(main->CatalogListView.items[0].checked);
}

TEST_F(ConfigText, ExpertTickInTheFileSwitchesTheModeOn) {
    QStringList lines = generateconfigtext(*main);
    lines[42] = u"-1"_qs;
    loadconfigtext(*main, lines);
    EXPECT_TRUE(dialog->expertMode());
    EXPECT_FALSE(main->ComboBox100.enabled);
    EXPECT_TRUE(main->Memo1.text.endsWith(ExpertNotice));
}

TEST_F(ConfigText, QueryFileRoundTripSwitchesExpertModeOn) {
    TempDir dir;
    const QString file = dir.filePath(u"q.SQL"_qs);
    dialog->Memo1.text = u"SELECT Path\r\nFROM System..SCOPE()\r\nWHERE Size > 0 "_qs;
    saveQueryFile(*dialog, file);
    EXPECT_FALSE(dialog->expertMode());
    EXPECT_EQ(dir.read(u"q.SQL"_qs),
              QByteArray("SELECT Path\r\nFROM System..SCOPE()\r\nWHERE Size > 0 \r\n"));
    dialog->Memo1.text.clear();
    loadQueryFile(*dialog, file);
    EXPECT_EQ(dialog->Memo1.lines().size(), 3);
    EXPECT_EQ(dialog->Memo1.lines()[2], u"WHERE Size > 0 "_qs);
    EXPECT_TRUE(dialog->expertMode());

    dir.write(u"empty.SQL"_qs, {});
    loadQueryFile(*dialog, dir.filePath(u"empty.SQL"_qs));
    EXPECT_TRUE(dialog->Memo1.text.isEmpty());
}

TEST_F(ConfigText, UnreadableQueryFileChangesNothing) {
    dialog->Memo1.text = u"kept"_qs;
    EXPECT_THROW(loadQueryFile(*dialog, u"/nonexistent/q.SQL"_qs), FileError);
    EXPECT_EQ(dialog->Memo1.text, u"kept"_qs);
    EXPECT_FALSE(dialog->expertMode());
}

TEST_F(ConfigText, FileMenuCommandsUseTheirDialogs) {
    TempDir dir;
    platform.saveFileAnswers = {dir.filePath(u"a.tsn"_qs)};
    main->ComboBox100.text = u"saved"_qs;
    main->SaveSearch1Click();
    main->ComboBox100.text = u"changed"_qs;
    platform.openFileAnswers = {QString(), dir.filePath(u"a.tsn"_qs)};
    main->LoadSearch1Click(); // cancelled
    EXPECT_EQ(main->ComboBox100.text, u"changed"_qs);
    main->LoadSearch1Click();
    EXPECT_EQ(main->ComboBox100.text, u"saved"_qs);
    ASSERT_EQ(platform.fileDialogs.size(), 3);
    EXPECT_EQ(platform.fileDialogs[0].filter, u"Tessellon Search file (*.tsn)|*.tsn"_qs);
    EXPECT_EQ(platform.fileDialogs[1].filter,
              u"Tessellon Search file (*.tsn)|*.tsn|All files (*.*)|*.*"_qs);
    EXPECT_EQ(platform.fileDialogs[0].defaultExtension, u"tsn"_qs);
}

} // namespace
