// Pictures of the two windows for a look by eye: runs only when
// TESSELLON_SCREENSHOT_DIR names a folder (for instance under xvfb-run with
// QT_QPA_PLATFORM=xcb), and writes main.png, advanced.png and the preview
// pane with a highlighted text and with a picture there.
#include "GuiFixture.h"
#include "gui/AboutWindow.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTableView>
#include <QTest>

using namespace tessellon;

namespace {

using Screenshots = GuiFixture;

TEST_F(Screenshots, MainWindowAfterASearchAndTheAdvancedDialog) {
    const QString folder = qEnvironmentVariable("TESSELLON_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TESSELLON_SCREENSHOT_DIR is not set";
    world->catalogs.append(FakeCatalog{QStringLiteral("Projects")});
    provider.answerWith(40);
    start();
    typeInto(mainWidget<QComboBox>(QStringLiteral("ComboBox100")), QStringLiteral("budget 2014"));
    click(mainWidget<QAbstractButton>(QStringLiteral("Button1")));
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().save(QDir(folder).filePath(QStringLiteral("main.png"))));

    AdvancedDialog& dialog = window->advancedDialog();
    dialog.show();
    QApplication::processEvents();
    EXPECT_TRUE(dialog.grab().save(QDir(folder).filePath(QStringLiteral("advanced.png"))));
}

TEST_F(Screenshots, PreviewPaneWithHighlightedTextAndPicture) {
    const QString folder = qEnvironmentVariable("TESSELLON_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TESSELLON_SCREENSHOT_DIR is not set";
    const QString text =
        temp.write(QStringLiteral("budget.txt"),
                   "Budget 2014\r\n\r\nThe budget for 2014 was approved in March. Budgets of the "
                   "departments follow.\r\n");
    QImage picture(1600, 900, QImage::Format_RGB32);
    picture.fill(QColor(0x2a, 0x6f, 0xb8));
    QPainter(&picture).fillRect(200, 150, 1200, 600, QColor(0xf0, 0xa0, 0x30));
    const QString picturePath = temp.filePath(QStringLiteral("chart.jpg"));
    ASSERT_TRUE(picture.save(picturePath));
    provider.rows = {
        {QStringLiteral("budget.txt"), std::int64_t(120), QString(), QString(), text},
        {QStringLiteral("chart.jpg"), std::int64_t(9000), QString(), QString(), picturePath}};
    start();
    typeInto(mainWidget<QComboBox>(QStringLiteral("ComboBox100")), QStringLiteral("budget 2014"));
    click(mainWidget<QAbstractButton>(QStringLiteral("Button1")));
    auto& list = mainWidget<QTableView>(QStringLiteral("ListView1"));
    list.setFocus();
    const struct {
        Qt::Key key;
        const char* file;
    } shots[] = {{Qt::Key_Home, "preview-text.png"}, {Qt::Key_Down, "preview-picture.png"}};
    for (const auto& shot : shots) {
        QTest::keyClick(window->windowHandle(), shot.key);
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(QDir(folder).filePath(QString::fromLatin1(shot.file))));
    }
}

TEST_F(Screenshots, CatalogManagerDuringAScan) {
    const QString folder = qEnvironmentVariable("TESSELLON_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TESSELLON_SCREENSHOT_DIR is not set";
    const struct {
        const char16_t* name;
        const char16_t* state;
        const char16_t* documents;
        std::int64_t done, total;
    } catalogs[] = {{u"System", u"running", u"48210", 1830, 5200},
                    {u"Projects", u"running", u"9120", 0, 0},
                    {u"Archive", u"paused", u"120377", 0, 0}};
    for (const auto& c : catalogs) {
        ManagedCatalog row;
        row.name = QString::fromUtf16(c.name);
        row.state = QString::fromUtf16(c.state);
        row.upToDate = c.total > 0 ? u"no"_qs : u"yes"_qs;
        row.folders = {u"/home/ada/"_qs + row.name};
        row.documents = QString::fromUtf16(c.documents);
        row.toFilter = QString::number(c.total - c.done);
        row.sizeMegabytes = QString::number(row.documents.toLongLong() / 900);
        row.lastScan = QDateTime(QDate(2026, 12, 8), QTime(22, 14));
        row.scanDone = c.done;
        row.scanTotal = c.total;
        management.rows << row;
    }
    start();
    action(u"IndexingServiceManagement1"_qs).trigger();
    auto& manager = findIn<QWidget>(window.get(), u"CatalogManager"_qs);
    QApplication::processEvents();
    EXPECT_TRUE(manager.grab().save(QDir(folder).filePath(u"manager.png"_qs)));
}

// The About window as a compositing desktop shows it over the main window
// (Xvfb has no compositor), once with the notice and once with the credits.
TEST_F(Screenshots, AboutWindowOverTheMainWindowAndTheCreditsRoll) {
    const QString folder = qEnvironmentVariable("TESSELLON_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TESSELLON_SCREENSHOT_DIR is not set";
    start();
    whenModal<AboutWindow>([&](AboutWindow& about) {
        const auto save = [&](const char* file) {
            QImage shot = window->grab().toImage();
            QPainter(&shot).drawImage((shot.width() - about.width()) / 2,
                                      (shot.height() - about.height()) / 2, about.grab().toImage());
            EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(file))));
        };
        save("about.png");
        QTest::keyClick(about.windowHandle(), Qt::Key_F3);
        QTest::qWait(2000);
        save("about-credits.png");
        QTest::keyClick(about.windowHandle(), Qt::Key_Escape);
    });
    action(u"About1"_qs).trigger();
}

} // namespace
