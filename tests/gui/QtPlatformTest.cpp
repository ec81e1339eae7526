// The Qt platform's own conversions: dialog filters, dialog set-up, the
// settings file and the file icon list.
#include "gui/QtPlatform.h"
#include "app/IniSettingsStore.h"
#include "gui/FileDialogFilter.h"
#include "gui/FileIconList.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QFileDialog>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

struct FilterCase {
    const char* name;
    QString filter;
    QStringList expected;
};
TESSELLON_PRINT_CASE_BY_NAME(FilterCase)

class FilterConversion : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterConversion, GivesQtNameFilters) {
    EXPECT_EQ(qtNameFilters(GetParam().filter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, FilterConversion,
    ::testing::Values(FilterCase{"LabelWithPatternInBrackets",
                                 u"Tessellon Search file (*.tsn)|*.tsn|All files (*.*)|*.*"_qs,
                                 {u"Tessellon Search file (*.tsn *.TSN)"_qs, u"All files (*)"_qs}},
                      FilterCase{"LabelWithoutBrackets",
                                 u"Tessellon Query file  *.SQL|*.SQL|All files *.*|*.*"_qs,
                                 {u"Tessellon Query file  *.SQL (*.SQL *.sql)"_qs,
                                  u"All files *.* (*)"_qs}},
                      FilterCase{"SeveralPatterns",
                                 u"Pictures|*.png;*.JPG"_qs,
                                 {u"Pictures (*.png *.PNG *.JPG *.jpg)"_qs}},
                      FilterCase{"LabelWithoutPattern", u"Lonely"_qs, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileDialogSetup, SaveDialogAsksBeforeOverwritingAndAppendsTheExtension) {
    QFileDialog dialog;
    configureFileDialog(
        dialog, {u"Save Query file"_qs, u"Tessellon Query file (*.SQL)|*.SQL"_qs, u"SQL"_qs, {}},
        true);
    EXPECT_EQ(dialog.windowTitle(), u"Save Query file"_qs);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.defaultSuffix(), u"SQL"_qs);
    EXPECT_EQ(dialog.nameFilters(), QStringList{u"Tessellon Query file (*.SQL *.sql)"_qs});

    QFileDialog open;
    configureFileDialog(open, {u"Load"_qs, u"Any|*.*"_qs, u"tsn"_qs, {}}, false);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}

TEST(QtSettings, ValueSurvivesAndMissingReadsAsNothing) {
    TempDir temp;
    const QString path = temp.filePath(u"tessellon.ini"_qs);
    IniSettingsStore store(path);
    EXPECT_EQ(store.readString(u"Local"_qs, u"Config"_qs), std::nullopt);
    const QString config = u"0,\"line one\r\nline two\",\"a \"\"quoted\"\" word\""_qs;
    store.writeString(u"Local"_qs, u"Config"_qs, config);
    EXPECT_EQ(IniSettingsStore(path).readString(u"Local"_qs, u"Config"_qs), config);
}

TEST(QtSettings, UnwritableFileIsAnError) {
    TempDir temp;
    const QString folder = temp.mkdir(u"blocked"_qs);
    IniSettingsStore store(folder); // a folder cannot be written as a file
    EXPECT_THROW(store.writeString(u"Local"_qs, u"Config"_qs, u"x"_qs), std::exception);
}

TEST(QtBusyCursor, IsOneStateNotAStack) {
    QtPlatform platform(TempDir().filePath(u"s.ini"_qs));
    platform.setBusyCursor();
    platform.setBusyCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.setNormalCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    platform.setNormalCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(FileIcons, OneIconPerFileType) {
    FileIconList icons;
    const int text = icons.indexFor(u"/data/a.txt"_qs);
    EXPECT_EQ(icons.indexFor(u"/elsewhere/b.txt"_qs), text);
    const int pdf = icons.indexFor(u"/data/c.pdf"_qs);
    EXPECT_NE(pdf, text);
    EXPECT_EQ(icons.size(), 2);
    EXPECT_FALSE(icons.icon(text).isNull());
    EXPECT_TRUE(icons.icon(7).isNull());

    QtPlatform platform(TempDir().filePath(u"s.ini"_qs));
    EXPECT_EQ(platform.fileIconIndex(u"/x/y.txt"_qs), 0);
    EXPECT_FALSE(platform.fileIcons().icon(0).isNull());
}

} // namespace
