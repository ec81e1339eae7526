#include "GuiFixture.h"
#include "gui/CatalogDraftDialog.h"

#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>

using namespace tessellon;

namespace {

class CatalogManagerWindowTest : public GuiFixture {
protected:
    CatalogManagerWindowTest() {
        ManagedCatalog docs;
        docs.name = u"Docs"_qs;
        docs.state = u"running"_qs;
        docs.upToDate = u"no"_qs;
        docs.folders = {u"/home/u/Documents"_qs};
        docs.documents = u"1200"_qs;
        docs.toFilter = u"280"_qs;
        docs.sizeMegabytes = u"14"_qs;
        docs.scanDone = 120;
        docs.scanTotal = 400;
        ManagedCatalog mail = docs;
        mail.name = u"Mail"_qs;
        mail.upToDate = u"yes"_qs;
        mail.scanDone = mail.scanTotal = 0;
        mail.lastScan = QDateTime(QDate(2026, 12, 8), QTime(18, 5));
        management.rows = {docs, mail};
    }

    // Opens the Tools menu with the mouse and chooses the manager item.
    QWidget& openManager(QStringList& offered) {
        QMenuBar* bar = window->menuBar();
        QAction* tools = nullptr;
        for (QAction* menu : bar->actions()) {
            if (menu->text() == u"Tools")
                tools = menu;
        }
        whenPopupChoose(u"Indexing Service Management ..."_qs, offered);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(window.get(), bar->actionGeometry(tools).center()));
        // The menu bar's menu opens without blocking; its choice comes later.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return window->findChild<QWidget*>(u"CatalogManager"_qs) != nullptr; }, 5000));
        return findIn<QWidget>(window.get(), u"CatalogManager"_qs);
    }
};

TEST_F(CatalogManagerWindowTest, ToolsMenuOpensTheManagerWithTheScanUnderWay) {
    start();
    QStringList offered;
    QWidget& manager = openManager(offered);
    EXPECT_EQ(offered, (QStringList{u"Stop Indexing Service"_qs, u"-"_qs,
                                    u"Indexing Service Management ..."_qs}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&manager));

    auto& table = findIn<QTableWidget>(&manager, u"CatalogTable"_qs);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.item(1, 0)->text(), u"Mail"_qs);
    auto* bar = qobject_cast<QProgressBar*>(table.cellWidget(0, 2));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 120);
    EXPECT_EQ(bar->maximum(), 400);
    EXPECT_EQ(table.cellWidget(1, 2), nullptr);

    // The scan ends: the next refresh takes the bar away.
    management.rows[0].scanTotal = 0;
    EXPECT_TRUE(QTest::qWaitFor([&] { return table.cellWidget(0, 2) == nullptr; }, 5000));
}

TEST_F(CatalogManagerWindowTest, AFailedAddKeepsTheDialogOpenWithWhatWasTyped) {
    const QString folder = temp.mkdir(u"Pictures"_qs);
    start();
    QStringList offered;
    QWidget& manager = openManager(offered);
    management.failing = {u"add"_qs};

    whenModal<CatalogDraftDialog>([&](CatalogDraftDialog& dialog) {
        auto& name = findIn<QLineEdit>(&dialog, u"CatalogName"_qs);
        name.setFocus();
        for (const char c : QByteArray("Photos"))
            QTest::keyClick(dialog.windowHandle(), c);
        whenModal<QFileDialog>([&](QFileDialog& chooser) { chooseInFileDialog(chooser, folder); });
        click(findIn<QAbstractButton>(&dialog, u"AddFolder"_qs));

        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        const auto& failure = findIn<QLabel>(&dialog, u"DraftFailure"_qs);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(failure.text(), u"Cannot add the catalog Photos: add refused"_qs);
        EXPECT_EQ(dialog.draft().name, u"Photos"_qs);

        management.failing.clear();
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    });
    click(findIn<QAbstractButton>(&manager, u"Add"_qs));

    EXPECT_EQ(management.log.filter(u"add Photos "_qs),
              QStringList(2, u"add Photos "_qs + folder + u" excludes .git"_qs));
    EXPECT_EQ(findIn<QTableWidget>(&manager, u"CatalogTable"_qs).rowCount(), 3);
    EXPECT_EQ(findIn<QLabel>(&manager, u"ManagerMessage"_qs).text(),
              u"Catalog Photos added; its index is in /data/catalogs/Photos"_qs);
}

} // namespace
