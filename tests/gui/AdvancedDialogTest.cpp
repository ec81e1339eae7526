#include "gui/AdvancedDialog.h"
#include "GuiFixture.h"
#include "gui/SearchTypeDialog.h"
#include "gui/TxpButton.h"
#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

using namespace tessellon;

namespace {

class AdvancedDialogTest : public GuiFixture {
protected:
    AdvancedDialogTest() { start(); }
    // Shows the dialog without blocking, for tests of its own controls.
    AdvancedDialog& openModeless() {
        window->advancedDialog().show();
        return window->advancedDialog();
    }
    QListWidgetItem& columnRow(const QString& caption) {
        auto& list = dialogWidget<QListWidget>(u"ColumnsListView"_qs);
        const QList<QListWidgetItem*> found = list.findItems(caption, Qt::MatchExactly);
        if (found.isEmpty())
            throw std::runtime_error("no column row " + caption.toStdString());
        return *found.front();
    }
};

TEST_F(AdvancedDialogTest, OkTakesTheCriteriaAndRunsTheNewStatement) {
    typeInto(mainWidget<QComboBox>(u"ComboBox100"_qs), u"invoice"_qs);
    whenModal<AdvancedDialog>([this](AdvancedDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"Tessellon Search Advanced Options"_qs);
        // The dialog takes the main window's words at every showing.
        EXPECT_EQ(dialogWidget<QComboBox>(u"ComboBox20"_qs).currentText(), u"invoice"_qs);
        typeInto(dialogWidget<QComboBox>(u"ComboBox22"_qs), u"paid open"_qs);
        columnRow(u"Size"_qs).setCheckState(Qt::Unchecked);
        columnRow(u"Directory"_qs).setCheckState(Qt::Checked);
        auto& limit = dialogWidget<QComboBox>(u"ComboBox4"_qs);
        limit.lineEdit()->selectAll();
        typeInto(limit, u"50"_qs);
        click(dialogWidget<QAbstractButton>(u"btnOk"_qs));
    });
    click(mainWidget<QAbstractButton>(u"Button2"_qs));

    ASSERT_FALSE(provider.executions.isEmpty());
    const QString statement = provider.executions.last().statement;
    EXPECT_TRUE(statement.contains(u"\"paid open\""_qs)) << statement.toStdString();
    EXPECT_TRUE(statement.contains(u"Directory"_qs)) << statement.toStdString();
    EXPECT_EQ(provider.executions.last().maxRecords, 50);
    EXPECT_TRUE(mainWidget<QPlainTextEdit>(u"Memo1"_qs)
                    .toPlainText()
                    .contains(u"Text Filter: With at least one of these words: paid open"_qs));
    QStringList captions;
    const QAbstractItemModel* results = mainWidget<QTableView>(u"ListView1"_qs).model();
    for (int c = 0; c < results->columnCount(); ++c)
        captions << results->headerData(c, Qt::Horizontal).toString();
    EXPECT_FALSE(captions.contains(u"Size"_qs));
    EXPECT_TRUE(captions.contains(u"Directory"_qs));
}

TEST_F(AdvancedDialogTest, CancelRunsNothingButKeepsTheEdits) {
    whenModal<AdvancedDialog>([this](AdvancedDialog&) {
        typeInto(dialogWidget<QComboBox>(u"ComboBox23"_qs), u"draft"_qs);
        click(dialogWidget<QAbstractButton>(u"Button1"_qs));
    });
    click(mainWidget<QAbstractButton>(u"Button2"_qs));
    EXPECT_TRUE(provider.executions.isEmpty());
    EXPECT_EQ(app->advanced().ComboBox23.text, u"draft"_qs);
}

TEST_F(AdvancedDialogTest, SizeBoxesFollowTheKeyRulesWhileTyping) {
    openModeless();
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c :
         {Case{"0", ""}, Case{"12k", "12K"}, Case{"3x4", "34"}, Case{"5mg", "5G"}, Case{"007", "7"},
          Case{"a01x0k", "10K"}, Case{"2,5m", "25M"}, Case{"1k", "1K"}}) {
        auto& box = dialogWidget<QComboBox>(u"ComboBox2"_qs);
        box.lineEdit()->clear();
        app->advanced().ComboBox2.text.clear();
        typeInto(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(box.currentText(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(app->advanced().ComboBox2.text, QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(AdvancedDialogTest, FilenameRowIsBoldAndStaysTicked) {
    openModeless();
    QListWidgetItem& filename = columnRow(u"Filename"_qs);
    EXPECT_TRUE(filename.font().bold());
    EXPECT_FALSE(columnRow(u"Path"_qs).font().bold());
    filename.setCheckState(Qt::Unchecked);
    EXPECT_EQ(columnRow(u"Filename"_qs).checkState(), Qt::Checked);
    EXPECT_TRUE(app->advanced().ColumnsListView.items[0].checked);
    columnRow(u"Path"_qs).setCheckState(Qt::Unchecked);
    EXPECT_FALSE(app->advanced().ColumnsListView.items[10].checked);
}

TEST_F(AdvancedDialogTest, FolderBoxMarkerAndDeepTick) {
    openModeless();
    auto& folders = dialogWidget<QComboBox>(u"ComboBox3"_qs);
    auto& deep = dialogWidget<QCheckBox>(u"deepshallow_cb"_qs);
    EXPECT_TRUE(deep.isHidden());
    folders.lineEdit()->selectAll();
    typeInto(folders, u"/home"_qs);
    EXPECT_FALSE(deep.isHidden());
    QTest::mouseDClick(folders.lineEdit(), Qt::LeftButton);
    EXPECT_EQ(folders.currentText(), u"<ALL folders>"_qs);
    EXPECT_TRUE(deep.isHidden());

    auto& ignore = dialogWidget<QComboBox>(u"ComboBox5"_qs);
    ignore.lineEdit()->selectAll();
    typeInto(ignore, u"*.tmp"_qs);
    QTest::mouseDClick(ignore.lineEdit(), Qt::LeftButton);
    EXPECT_EQ(ignore.currentText(), u"<ignore nothing>"_qs);
}

TEST_F(AdvancedDialogTest, RowsStayInPlaceWhenTheDeepTickComesAndGoes) {
    AdvancedDialog& dialog = openModeless();
    const auto rowTops = [&] {
        QApplication::processEvents(); // the layout settles as it does on screen
        QList<int> tops;
        for (const QString& name : {u"ComboBox3"_qs, u"startdatepicker"_qs, u"ComboBox1"_qs,
                                    u"ColumnsListView"_qs, u"FileAttributsListView"_qs})
            tops << findIn<QWidget>(&dialog, name).mapTo(&dialog, QPoint()).y();
        return tops;
    };
    auto& folders = dialogWidget<QComboBox>(u"ComboBox3"_qs);
    const QList<int> withoutTick = rowTops();
    folders.lineEdit()->selectAll();
    typeInto(folders, u"/home"_qs);
    ASSERT_FALSE(dialogWidget<QCheckBox>(u"deepshallow_cb"_qs).isHidden());
    EXPECT_EQ(rowTops(), withoutTick);
    QTest::mouseDClick(folders.lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(dialogWidget<QCheckBox>(u"deepshallow_cb"_qs).isHidden());
    EXPECT_EQ(rowTops(), withoutTick);
}

TEST_F(AdvancedDialogTest, BrowseAddsTheChosenFolderQuoted) {
    openModeless();
    const QString folder = temp.mkdir(u"Work Files"_qs);
    whenModal<QFileDialog>([&](QFileDialog& chooser) {
        EXPECT_EQ(chooser.windowTitle(), u"Please choose a Folder"_qs);
        EXPECT_EQ(chooser.fileMode(), QFileDialog::Directory);
        chooseInFileDialog(chooser, folder);
    });
    click(dialogWidget<QAbstractButton>(u"btnBrowse"_qs));
    EXPECT_EQ(dialogWidget<QComboBox>(u"ComboBox3"_qs).currentText(), u"\""_qs + folder + u'"');
    EXPECT_FALSE(dialogWidget<QCheckBox>(u"deepshallow_cb"_qs).isHidden());
}

TEST_F(AdvancedDialogTest, DatePickersShowIsoDatesAndTheirOwnTicks) {
    openModeless();
    auto& tick = dialogWidget<QCheckBox>(u"startdateTick"_qs);
    auto& date = dialogWidget<QDateEdit>(u"startdatepicker"_qs);
    EXPECT_EQ(date.text(), u"1905-03-12"_qs);
    EXPECT_FALSE(date.isEnabled());
    click(tick);
    EXPECT_TRUE(date.isEnabled());
    EXPECT_TRUE(app->advanced().startdatepicker.checked);
    date.setDate(QDate(2014, 2, 3));
    EXPECT_EQ(app->advanced().startdatepicker.dateTime.date(), QDate(2014, 2, 3));
}

TEST_F(AdvancedDialogTest, ExpertTickSwitchesBothWindows) {
    openModeless();
    click(dialogWidget<QAbstractButton>(u"CheckBox25"_qs));
    EXPECT_FALSE(dialogWidget<QComboBox>(u"ComboBox20"_qs).isEnabled());
    EXPECT_FALSE(dialogWidget<QListWidget>(u"ColumnsListView"_qs).isEnabled());
    EXPECT_TRUE(dialogWidget<QPlainTextEdit>(u"Memo1"_qs).isEnabled());
    EXPECT_TRUE(dialogWidget<QComboBox>(u"ComboBox4"_qs).isEnabled());
    EXPECT_FALSE(mainWidget<QComboBox>(u"ComboBox100"_qs).isEnabled());
    EXPECT_FALSE(mainWidget<QTreeWidget>(u"CatalogListView"_qs).isEnabled());
    EXPECT_TRUE(mainWidget<QPlainTextEdit>(u"Memo1"_qs)
                    .toPlainText()
                    .endsWith(u"Attention: Expert Search activated! Please check user defined SQL "
                              "statements in Advanced dialog (Click Advanced button)."_qs));

    auto& expertText = dialogWidget<QPlainTextEdit>(u"Memo1"_qs);
    expertText.setPlainText(u"SELECT Filename FROM\nWeb..SCOPE()"_qs);
    EXPECT_EQ(app->advanced().Memo1.text, u"SELECT Filename FROM\r\nWeb..SCOPE()"_qs);

    click(dialogWidget<QAbstractButton>(u"CheckBox25"_qs));
    EXPECT_TRUE(mainWidget<QComboBox>(u"ComboBox100"_qs).isEnabled());
    EXPECT_FALSE(dialogWidget<QPlainTextEdit>(u"Memo1"_qs).isEnabled());
}

TEST_F(AdvancedDialogTest, SearchTypeDialogOkRunsASearchAndCloses) {
    SearchTypeDialog& dialog = window->searchTypeDialog();
    EXPECT_EQ(dialog.windowTitle(), u"Tessellon Local Search Advanced Options"_qs);
    auto& types = findIn<QComboBox>(&dialog, u"searchTypeBox"_qs);
    EXPECT_EQ(types.count(), 4);
    EXPECT_EQ(types.currentText(), u"Free Text Search:  All Properties"_qs);
    whenModal<SearchTypeDialog>([&](SearchTypeDialog&) {
        QTest::mouseClick(&findIn<TxpButton>(&dialog, u"okbtn"_qs), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(provider.executions.size(), 1);
    EXPECT_EQ(mainWidget<QTableView>(u"ListView1"_qs).model()->rowCount(), 3);
}

} // namespace
