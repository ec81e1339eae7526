// The File menu's commands through the real file dialogs, answered by the test.
#include "GuiFixture.h"
#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>

using namespace tessellon;

namespace {

class FileDialogsTest : public GuiFixture {
protected:
    FileDialogsTest() { start(); }

    // Answers the next file dialog with `path`; checks its title first.
    void answerFileDialog(const QString& title, const QString& path) {
        whenModal<QFileDialog>([title, path](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), title);
            chooseInFileDialog(dialog, path);
        });
    }
};

TEST_F(FileDialogsTest, SearchFileSavedAndLoadedAgain) {
    typeInto(mainWidget<QComboBox>(u"ComboBox100"_qs), u"minutes"_qs);
    window->advancedDialog().show();
    typeInto(dialogWidget<QComboBox>(u"ComboBox23"_qs), u"draft"_qs);
    window->advancedDialog().hide();
    answerFileDialog(u"Save Tessellon Search"_qs, temp.filePath(u"week"_qs));
    action(u"SaveSearch1"_qs).trigger();
    const QString saved = temp.filePath(u"week.tsn"_qs); // the default extension
    ASSERT_TRUE(QFile::exists(saved));

    auto& words = mainWidget<QComboBox>(u"ComboBox100"_qs);
    words.lineEdit()->clear();
    auto& without = dialogWidget<QComboBox>(u"ComboBox23"_qs);
    without.lineEdit()->clear();
    answerFileDialog(u"Load Tessellon Search"_qs, saved);
    action(u"LoadSearch1"_qs).trigger();
    EXPECT_EQ(words.currentText(), u"minutes"_qs);
    EXPECT_EQ(without.currentText(), u"draft"_qs);
}

TEST_F(FileDialogsTest, SavingOverAnExistingFileAsksFirst) {
    const QString path = temp.write(u"old.tsn"_qs, "old");
    whenModal<QMessageBox>(
        [](QMessageBox& question) { question.button(QMessageBox::Yes)->click(); });
    answerFileDialog(u"Save Tessellon Search"_qs, path);
    action(u"SaveSearch1"_qs).trigger();
    EXPECT_NE(temp.read(u"old.tsn"_qs), QByteArray("old"));
}

TEST_F(FileDialogsTest, QueryFileSavedAndLoadedSwitchesExpertModeOn) {
    auto& expertText = dialogWidget<QPlainTextEdit>(u"Memo1"_qs);
    answerFileDialog(u"Save Query file"_qs, temp.filePath(u"mine"_qs));
    action(u"SaveQueryfile1"_qs).trigger();
    ASSERT_TRUE(QFile::exists(temp.filePath(u"mine.SQL"_qs)));
    EXPECT_FALSE(dialogWidget<QCheckBox>(u"CheckBox25"_qs).isChecked()); // saving keeps the mode

    temp.write(u"other.sql"_qs, "SELECT Filename\r\nFROM Web..SCOPE()\r\n");
    answerFileDialog(u"Load Query file"_qs, temp.filePath(u"other.sql"_qs));
    action(u"LoadQueryfile1"_qs).trigger();
    EXPECT_EQ(expertText.toPlainText(), u"SELECT Filename\nFROM Web..SCOPE()"_qs);
    EXPECT_TRUE(dialogWidget<QCheckBox>(u"CheckBox25"_qs).isChecked());
    EXPECT_TRUE(expertText.isEnabled());
    EXPECT_FALSE(mainWidget<QComboBox>(u"ComboBox100"_qs).isEnabled());
}

TEST_F(FileDialogsTest, ResultsSavedAsReport) {
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    answerFileDialog(u"Save Results"_qs, temp.filePath(u"hits"_qs));
    action(u"Save1"_qs).trigger();
    const QString report = QString::fromUtf8(temp.read(u"hits.txt"_qs));
    EXPECT_TRUE(report.contains(u"Documents found: 3"_qs));
    EXPECT_TRUE(report.contains(u"file0002.txt,"_qs));
}

TEST_F(FileDialogsTest, CancelledDialogChangesNothing) {
    whenModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    action(u"LoadQueryfile1"_qs).trigger();
    EXPECT_FALSE(dialogWidget<QCheckBox>(u"CheckBox25"_qs).isChecked());
    EXPECT_TRUE(platform.messages.isEmpty());
}

} // namespace
