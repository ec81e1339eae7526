#include "GuiFixture.h"
#include "gui/ResultTableModel.h"
#include "gui/TxpButton.h"
#include "support/QtPrinters.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

using namespace tessellon;

namespace {

class MainWindowTest : public GuiFixture {
protected:
    QTableView& resultList() { return mainWidget<QTableView>(u"ListView1"_qs); }
    ResultTableModel& results() { return *qobject_cast<ResultTableModel*>(resultList().model()); }
    QString cell(int row, int column) {
        const QAbstractItemModel* model = resultList().model();
        return model->data(model->index(row, column)).toString();
    }
    QString statusText() { return mainWidget<QPlainTextEdit>(u"Memo1"_qs).toPlainText(); }
    QString lastStatement() {
        return provider.executions.isEmpty() ? QString() : provider.executions.last().statement;
    }
    int columnOf(const QString& caption) {
        const QAbstractItemModel* model = resultList().model();
        for (int c = 0; c < model->columnCount(); ++c) {
            if (model->headerData(c, Qt::Horizontal).toString() == caption)
                return c;
        }
        return -1;
    }
    void clickHeader(int column) {
        QHeaderView* header = resultList().horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }
    QStringList menuTexts(const QString& title) {
        for (QAction* menu : window->menuBar()->actions()) {
            if (menu->text() != title)
                continue;
            QStringList texts;
            for (const QAction* item : menu->menu()->actions())
                texts << (item->isSeparator() ? u"-"_qs : item->text());
            return texts;
        }
        return {};
    }
};

TEST_F(MainWindowTest, OpensWithItsCaptionSizeMenusAndFirstCatalogTicked) {
    start();
    EXPECT_EQ(window->windowTitle(), u"Tessellon - Search and Find  "_qs);
    EXPECT_EQ(window->centralWidget()->size(), QSize(778, 538));
    EXPECT_EQ(window->minimumSize(), QSize(646, 520));
    EXPECT_EQ(menuTexts(u"File"_qs),
              (QStringList{u"&Load &Query file ..."_qs, u"S&ave Query file ..."_qs, u"-"_qs,
                           u"&Load Tessellon Search ..."_qs, u"Sa&ve Tessellon Search ..."_qs,
                           u"-"_qs, u"Save &Results ..."_qs, u"-"_qs, u"&Exit"_qs}));
    EXPECT_EQ(menuTexts(u"Tools"_qs), (QStringList{u"Do Indexing Service"_qs, u"-"_qs,
                                                   u"Indexing Service Management ..."_qs}));
    EXPECT_EQ(menuTexts(u"View"_qs), QStringList{u"&Preview"_qs});
    EXPECT_TRUE(action(u"Preview2"_qs).isChecked());
    EXPECT_EQ(menuTexts(u"&Help"_qs), (QStringList{u"Tessellon Local   Help"_qs, u"Home Page"_qs,
                                                   u"-"_qs, u"&About ..."_qs}));

    auto& catalogs = mainWidget<QTreeWidget>(u"CatalogListView"_qs);
    ASSERT_EQ(catalogs.topLevelItemCount(), 1);
    EXPECT_EQ(catalogs.topLevelItem(0)->text(0), u"System"_qs);
    EXPECT_EQ(catalogs.topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(catalogs.headerItem()->text(4), u"Size (Mb)"_qs);
    EXPECT_EQ(mainWidget<QComboBox>(u"hostcb"_qs).currentText(), u"TESTHOST"_qs);
    EXPECT_TRUE(mainWidget<QPlainTextEdit>(u"Memo1"_qs).isReadOnly());
    EXPECT_TRUE(mainWidget<TxpButton>(u"xpButton2"_qs).isHidden());
    EXPECT_EQ(resultList().model()->rowCount(), 0);
    EXPECT_EQ(resultList().model()->columnCount(), 6); // Filename ... Write and "#"
}

TEST_F(MainWindowTest, SearchShowsRowsStatusAndSortArrow) {
    start();
    typeInto(mainWidget<QComboBox>(u"ComboBox100"_qs), u"budget"_qs);
    click(mainWidget<QAbstractButton>(u"Button1"_qs));

    EXPECT_TRUE(lastStatement().contains(u"budget"_qs)) << lastStatement().toStdString();
    ASSERT_EQ(resultList().model()->rowCount(), 3);
    EXPECT_EQ(cell(0, 0), u"file0000.txt"_qs);
    EXPECT_EQ(cell(2, columnOf(u"Size"_qs)), u"1002"_qs);
    EXPECT_EQ(cell(1, columnOf(u"#"_qs)), u"2"_qs);
    EXPECT_TRUE(statusText().startsWith(u"3  doc(s) found. Results Limit: 2000"_qs))
        << statusText().toStdString();
    EXPECT_TRUE(statusText().contains(u"Text Filter: With all of these words: budget"_qs));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    EXPECT_EQ(results().sortArrowColumn(), columnOf(u"Filename"_qs));
    EXPECT_FALSE(results().sortArrowDescending());
    EXPECT_FALSE(results()
                     .headerData(columnOf(u"Filename"_qs), Qt::Horizontal, Qt::DecorationRole)
                     .isNull());
    EXPECT_TRUE(
        results().headerData(columnOf(u"Size"_qs), Qt::Horizontal, Qt::DecorationRole).isNull());
}

TEST_F(MainWindowTest, StatusMemoShowsSearchingWhileTheStatementRuns) {
    start();
    QString shownDuringExecution;
    provider.onExecute = [&] { shownDuringExecution = statusText(); };
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    EXPECT_EQ(shownDuringExecution, u"Searching ..."_qs);
}

TEST_F(MainWindowTest, HeaderClicksSortThroughANewSearch) {
    start();
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    const int size = columnOf(u"Size"_qs);
    ASSERT_GE(size, 0);

    clickHeader(size);
    EXPECT_TRUE(lastStatement().endsWith(u"ORDER BY Size DESC "_qs))
        << lastStatement().toStdString();
    EXPECT_EQ(results().sortArrowColumn(), columnOf(u"Size"_qs));
    EXPECT_TRUE(results().sortArrowDescending());
    EXPECT_TRUE(statusText().endsWith(u"Sort by: 'Size' descending"_qs));

    clickHeader(columnOf(u"Size"_qs));
    EXPECT_TRUE(lastStatement().endsWith(u"ORDER BY Size ASC "_qs));
    EXPECT_FALSE(results().sortArrowDescending());

    const qsizetype runs = provider.executions.size();
    clickHeader(columnOf(u"#"_qs));
    EXPECT_EQ(provider.executions.size(), runs); // the record number column sorts nothing
}

// The column widths were chosen for a narrower font than the desktop's: they
// grow with it, so the texts that fitted them there are not cut here.
TEST_F(MainWindowTest, ColumnsFitTheirTextsInTheDesktopFont) {
    provider.rows[0][0] = u"Quarterly report 2014 (final).docx"_qs;          // Filename
    provider.rows[0][2] = QDateTime(QDate(2014, 12, 28), QTime(23, 58, 58)); // Write
    start();
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    struct Case {
        const char16_t* list;
        const char16_t* caption;
        const char16_t* cellShows; // empty: the header alone
    };
    for (const Case& c :
         {Case{u"CatalogListView", u"State", u"running"},
          Case{u"CatalogListView", u"Uptodate", u""}, Case{u"CatalogListView", u"Size (Mb)", u""},
          Case{u"CatalogListView", u"Total Docs", u""},
          Case{u"CatalogListView", u"DocsTo Filter", u""}, Case{u"CatalogListView", u"Querys", u""},
          Case{u"ListView1", u"Filename", u"(final).docx"}, Case{u"ListView1", u"Write", u"2014"},
          Case{u"ListView1", u"DocKeywords", u""}}) {
        const QString where = QString::fromUtf16(c.list) + u' ' + QString::fromUtf16(c.caption);
        auto& list = mainWidget<QAbstractItemView>(QString::fromUtf16(c.list));
        QHeaderView& header = list.objectName() == u"ListView1"
                                  ? *resultList().horizontalHeader()
                                  : *mainWidget<QTreeWidget>(u"CatalogListView"_qs).header();
        int column = 0;
        while (column < header.count() &&
               header.model()->headerData(column, Qt::Horizontal) != QString::fromUtf16(c.caption))
            ++column;
        ASSERT_LT(column, header.count()) << where.toStdString();
        EXPECT_LE(header.sectionSizeHint(column), header.sectionSize(column))
            << where.toStdString();
        if (*c.cellShows == 0)
            continue;
        const QModelIndex cell = list.model()->index(0, column);
        ASSERT_TRUE(cell.data().toString().contains(QString::fromUtf16(c.cellShows)))
            << where.toStdString() << ": " << cell.data().toString().toStdString();
        EXPECT_LE(list.sizeHintForColumn(column), header.sectionSize(column))
            << where.toStdString() << ": " << cell.data().toString().toStdString();
    }
}

TEST_F(MainWindowTest, ResultRowsAreReadOnlyWhenShown) {
    provider.answerWith(2000);
    start();
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    ASSERT_EQ(resultList().model()->rowCount(), 2000);
    window->grab(); // paints the visible rows
    EXPECT_FALSE(provider.recordsRead->isEmpty());
    EXPECT_LT(provider.recordsRead->size(), 100);
    EXPECT_FALSE(provider.recordsRead->contains(2000));

    resultList().scrollToBottom();
    window->grab();
    EXPECT_TRUE(provider.recordsRead->contains(2000));
    EXPECT_EQ(cell(1999, 0), u"file1999.txt"_qs);
}

TEST_F(MainWindowTest, CatalogTicksAndHostEnterReachTheSearch) {
    world->catalogs.append(FakeCatalog{u"Web"_qs});
    world->defaultMachine = u"TESTHOST"_qs; // bound to a named machine, so a host switches
    world->reachableHosts.insert(u"TESTHOST"_qs);
    start();
    auto& catalogs = mainWidget<QTreeWidget>(u"CatalogListView"_qs);
    ASSERT_EQ(catalogs.topLevelItemCount(), 2);
    catalogs.topLevelItem(1)->setCheckState(0, Qt::Checked);
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    EXPECT_EQ(app->main().catalognames, (QStringList{u"System"_qs, u"Web"_qs}));
    EXPECT_TRUE(lastStatement().contains(u"Web..SCOPE()"_qs)) << lastStatement().toStdString();

    auto& host = mainWidget<QComboBox>(u"hostcb"_qs);
    host.lineEdit()->clear();
    typeInto(host, u"farhost"_qs);
    EXPECT_EQ(catalogs.topLevelItemCount(), 0); // every edit empties the lists
    pressKey(host, Qt::Key_Return);
    EXPECT_EQ(statusText(), u"Error: Remote host farhost is unreachable."_qs);
    ASSERT_EQ(platform.messages.size(), 1) << platform.messages.join(u'|').toStdString();
    EXPECT_TRUE(platform.messages[0].startsWith(u"Can't connect to remote host farhost"_qs));
}

TEST_F(MainWindowTest, EnterInTheWordsAndFileNameBoxesSearches) {
    start();
    const std::pair<QString, QString> boxes[] = {{u"ComboBox100"_qs, u"memo"_qs},
                                                 {u"ComboBox103"_qs, u"*.odt"_qs}};
    for (const auto& [name, typed] : boxes) {
        auto& box = mainWidget<QComboBox>(name);
        typeInto(box, typed);
        const qsizetype runs = provider.executions.size();
        pressKey(box, Qt::Key_Return);
        ASSERT_EQ(provider.executions.size(), runs + 1) << name.toStdString();
        EXPECT_TRUE(lastStatement().contains(typed)) << lastStatement().toStdString();
    }
}

TEST_F(MainWindowTest, CatalogPopupMenuStopsTheSelectedCatalog) {
    start();
    auto& catalogs = mainWidget<QTreeWidget>(u"CatalogListView"_qs);
    catalogs.setCurrentItem(catalogs.topLevelItem(0));
    QStringList offered;
    whenPopupChoose(u"Stop"_qs, offered);
    const QRect row = catalogs.visualItemRect(catalogs.topLevelItem(0));
    Q_EMIT catalogs.customContextMenuRequested(row.center());
    EXPECT_EQ(offered, (QStringList{u"Stop"_qs, u"-"_qs, u"Refresh"_qs}));
    EXPECT_TRUE(world->log.contains(u"StopCatalog System"_qs))
        << world->log.join(u'|').toStdString();
    EXPECT_EQ(catalogs.topLevelItem(0)->text(1), u"stopped"_qs);
}

TEST_F(MainWindowTest, AnEscapingErrorIsReportedAndTheCursorRestored) {
    start();
    window->advancedDialog().show();
    typeInto(dialogWidget<QComboBox>(u"ComboBox1"_qs), u"99999999999K"_qs);
    window->advancedDialog().hide();
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    EXPECT_EQ(platform.messages, QStringList{u"'99999999999' is not a valid integer value"_qs});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, ARowWhosePathCannotBeReadIsShownAndReportedOnce) {
    provider.names.removeAll(u"Path"_qs); // no path: the icon lookup fails
    start();
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    window->grab();
    QApplication::processEvents();
    EXPECT_EQ(cell(0, 0), u"file0000.txt"_qs);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains(u"Path"_qs));
}

TEST_F(MainWindowTest, ClosingSavesTheSearchAndTheNextStartShowsIt) {
    start();
    typeInto(mainWidget<QComboBox>(u"ComboBox100"_qs), u"annual report"_qs);
    typeInto(mainWidget<QComboBox>(u"ComboBox103"_qs), u"*.odt"_qs);
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    window->close();
    stop();

    start();
    EXPECT_EQ(mainWidget<QComboBox>(u"ComboBox100"_qs).currentText(), u"annual report"_qs);
    EXPECT_EQ(mainWidget<QComboBox>(u"ComboBox103"_qs).currentText(), u"*.odt"_qs);
    EXPECT_EQ(mainWidget<QComboBox>(u"ComboBox100"_qs).itemText(0), u"annual report"_qs);
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAreReportedOnClosing) {
    TestPlatform blocked(temp.mkdir(u"settings-folder"_qs)); // a folder is no INI file
    app = std::make_unique<TessellonApplication>(blocked, provider, fakeAdminFactory(world));
    app->createWindows();
    window = std::make_unique<MainWindow>(*app, blocked, fileTypes);
    window->show();
    window->close();
    ASSERT_EQ(blocked.messages.size(), 1);
    EXPECT_TRUE(blocked.messages[0].contains(u"cannot be written"_qs));
    EXPECT_FALSE(window->isVisible());
    stop();
}

TEST_F(MainWindowTest, ExitEndsWithoutSaving) {
    start();
    typeInto(mainWidget<QComboBox>(u"ComboBox100"_qs), u"draft"_qs);
    action(u"Exit1"_qs).trigger();
    EXPECT_FALSE(window->isVisible());
    stop();

    start();
    EXPECT_EQ(mainWidget<QComboBox>(u"ComboBox100"_qs).currentText(), QString());
}

TEST_F(MainWindowTest, BatchArgumentsSkipTheSavedSettingsAndShowTheBatchResult) {
    start();
    typeInto(mainWidget<QComboBox>(u"ComboBox100"_qs), u"saved"_qs);
    window->close();
    stop();

    start({u"/N7"_qs});
    EXPECT_EQ(mainWidget<QComboBox>(u"ComboBox100"_qs).currentText(), QString());
    EXPECT_EQ(provider.executions.last().maxRecords, 7);
    EXPECT_EQ(resultList().model()->rowCount(), 3);
}

} // namespace
