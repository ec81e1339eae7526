// The main window searching a real catalog: tessellon-admin indexes files the
// test writes, the program's own provider and administration serve the window.
#include "GuiFixture.h"
#include "ServiceSandbox.h"
#include "app/ProgramServices.h"
#include "gui/GioFileTypeApplications.h"
#include "gui/ResultTableModel.h"
#include "support/QtPrinters.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QSysInfo>
#include <QTableView>
#include <QTest>

using namespace tessellon;

namespace {

class ThisComputerPlatform : public TestPlatform {
public:
    using TestPlatform::TestPlatform;
    QString computerName() override { return QSysInfo::machineHostName(); }
};

TEST(RealCatalogWindow, SearchFindsTheIndexedFilesAndSortsOnHeaderClick) {
    ServiceSandbox sandbox;
    const QString docs = sandbox.dir().mkdir(u"docs"_qs);
    sandbox.dir().write(u"docs/alpha.txt"_qs, "an invoice from alpha\n");
    sandbox.dir().write(u"docs/beta.txt"_qs, "the beta invoice is longer than the other one\n");
    sandbox.dir().write(u"docs/gamma.txt"_qs, "no match here\n");
    ASSERT_EQ(sandbox.admin({u"add"_qs, u"System"_qs, u"--scope"_qs, docs}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({u"rescan"_qs, u"System"_qs}).exitCode, 0);

    ThisComputerPlatform platform(sandbox.dir().filePath(u"settings.ini"_qs));
    ProgramServices services;
    TessellonApplication app(platform, services.provider(), ProgramServices::adminFactory(),
                             ProgramServices::registryCatalogNames());
    app.createWindows();
    GioFileTypeApplications fileTypes;
    MainWindow window(app, platform, fileTypes);
    window.show();

    auto& words = *window.centralWidget()->findChild<QComboBox*>(u"ComboBox100"_qs);
    typeInto(words, u"invoice"_qs);
    QTest::mouseClick(window.centralWidget()->findChild<QAbstractButton*>(u"Button1"_qs),
                      Qt::LeftButton);

    auto& list = *window.centralWidget()->findChild<QTableView*>(u"ListView1"_qs);
    const QAbstractItemModel& rows = *list.model();
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.data(rows.index(0, 0)).toString(), u"alpha.txt"_qs);
    EXPECT_EQ(rows.data(rows.index(1, 0)).toString(), u"beta.txt"_qs);
    const QString status =
        window.centralWidget()->findChild<QPlainTextEdit*>(u"Memo1"_qs)->toPlainText();
    EXPECT_TRUE(status.startsWith(u"2  doc(s) found."_qs)) << status.toStdString();

    QTest::mouseClick(list.horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(list.horizontalHeader()->sectionViewportPosition(0) + 5, 5));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.data(rows.index(0, 0)).toString(), u"beta.txt"_qs); // now descending
}

} // namespace
