#include "GuiFixture.h"
#include "gui/AboutWindow.h"

#include <QTest>

using namespace tessellon;

namespace {

using AboutWindowWidgetTest = GuiFixture;

TEST_F(AboutWindowWidgetTest, TitleOpensTheHomePageAndEscapeFadesTheWindowOut) {
    start();
    bool shown = false;
    whenModal<AboutWindow>([&](AboutWindow& about) {
        shown = true;
        EXPECT_EQ(about.size(), QSize(434, 331));
        EXPECT_TRUE(about.testAttribute(Qt::WA_TranslucentBackground));
        EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
        const Rect& link = about.about().linkrect;
        const QPoint title((link.left + link.right) / 2, (link.top + link.bottom) / 2);
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, title);
        EXPECT_EQ(platform.opened, QStringList{u"https://www.korvane.example/tessellon"_qs});
        QTest::keyClick(about.windowHandle(), Qt::Key_F3);
        EXPECT_FALSE(findIn<QWidget>(&about, u"Memo1"_qs).isVisible());
        QTest::keyClick(about.windowHandle(), Qt::Key_Escape);
        EXPECT_TRUE(about.isVisible()); // fading out
    });
    action(u"About1"_qs).trigger(); // returns once the window has faded out
    EXPECT_TRUE(shown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
