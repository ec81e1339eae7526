// Pictures of the two windows for a look by eye: runs only when
// TESSELLON_SCREENSHOT_DIR names a folder (for instance under xvfb-run with
// QT_QPA_PLATFORM=xcb), and writes main.png and advanced.png there.
#include "GuiFixture.h"

#include <QDir>
#include <QPixmap>

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

} // namespace
