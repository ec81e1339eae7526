#include "GuiFixture.h"

#include <QTableView>
#include <QTest>

using namespace tessellon;

namespace {

class ResultActionsWidgetTest : public GuiFixture {};

TEST_F(ResultActionsWidgetTest, PopupMenuAndDoubleClickStartTheApplicationsOfTheHit) {
    const QString hit = temp.write(u"hit.txt"_qs, "x");
    provider.rows[0][4] = Variant(hit);
    fileTypes.typeOfExtension = {{u"txt"_qs, u"text/plain"_qs}};
    fileTypes.registered[u"text/plain"_qs] = {{u"editor.desktop"_qs, u"Editor"_qs},
                                              {u"viewer.desktop"_qs, u"Viewer & Co"_qs}};
    start();
    click(mainWidget<QAbstractButton>(u"Button1"_qs));
    auto& list = mainWidget<QTableView>(u"ListView1"_qs);
    const QPoint row =
        list.viewport()->mapTo(window.get(), list.visualRect(list.model()->index(0, 0)).center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, row);

    QStringList offered;
    whenPopupChoose(u"Open with Viewer && Co"_qs, offered);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, row);
    EXPECT_EQ(offered,
              (QStringList{u"Preview"_qs, u"-"_qs, u"Open"_qs, u"Open with Viewer && Co"_qs,
                           u"-"_qs, u"Open Containing Folder"_qs}));

    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, row);
    EXPECT_EQ(fileTypes.calls, (QStringList{u"launch viewer.desktop "_qs + hit,
                                            u"launch editor.desktop "_qs + hit}));

    // "Preview" shows a text file in its default program.
    offered.clear();
    whenPopupChoose(u"Preview"_qs, offered);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, row);
    EXPECT_EQ(platform.opened, QStringList{hit});
}

} // namespace
