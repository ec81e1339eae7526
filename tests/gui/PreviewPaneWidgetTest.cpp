#include "GuiFixture.h"
#include "gui/PictureView.h"

#include <QImage>
#include <QTableView>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

using namespace tessellon;

namespace {

class PreviewPaneWidgetTest : public GuiFixture {
protected:
    void listHits(const QStringList& paths) {
        provider.rows.clear();
        for (const QString& path : paths)
            provider.rows.append(
                {QFileInfo(path).fileName(), std::int64_t(1), QString(), QString(), path});
    }
    // A key pressed in the result list, through the window.
    void pressInList(Qt::Key key) {
        auto& list = mainWidget<QTableView>(QStringLiteral("ListView1"));
        list.setFocus();
        QTest::keyClick(window->windowHandle(), key);
    }
};

TEST_F(PreviewPaneWidgetTest, SelectedRowsShowHighlightedTextAndFittedPicture) {
    const QString text = temp.write(QStringLiteral("notes.txt"), "first\r\nAlpha beta\r\n");
    QImage big(2000, 1000, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    const QString picture = temp.filePath(QStringLiteral("big.jpg"));
    ASSERT_TRUE(big.save(picture));
    listHits({text, picture});
    start();
    typeInto(mainWidget<QComboBox>(QStringLiteral("ComboBox100")), QStringLiteral("alpha beta"));
    click(mainWidget<QAbstractButton>(QStringLiteral("Button1")));

    pressInList(Qt::Key_Home);
    auto& textView = mainWidget<QTextEdit>(QStringLiteral("RichEdit1"));
    ASSERT_TRUE(textView.isVisible());
    EXPECT_EQ(textView.toPlainText(), QStringLiteral("first\nAlpha beta\n"));
    const struct {
        int position; // inside the word, in the document
        QColor colour;
        bool bold;
    } marks[] = {{7, QColor(0x00, 0x00, 0xFF), true},
                 {13, QColor(0xFF, 0x00, 0x00), true},
                 {2, QColor(Qt::black), false}};
    for (const auto& mark : marks) {
        QTextCursor cursor(textView.document());
        cursor.setPosition(mark.position);
        SCOPED_TRACE(mark.position);
        EXPECT_EQ(cursor.charFormat().fontWeight() == QFont::Bold, mark.bold);
        if (mark.bold) {
            EXPECT_EQ(cursor.charFormat().foreground().color(), mark.colour);
        }
    }

    pressInList(Qt::Key_Down);
    auto& pictureView = mainWidget<PictureView>(QStringLiteral("Image4"));
    ASSERT_TRUE(pictureView.isVisible());
    EXPECT_FALSE(textView.isVisible());
    const QRect shown = pictureView.pictureRect();
    EXPECT_TRUE(pictureView.rect().contains(shown));
    EXPECT_EQ(shown.width(), pictureView.width()); // a wide picture fills the width
    EXPECT_NEAR(shown.width(), 2 * shown.height(), 2);
    EXPECT_NEAR(shown.center().y(), pictureView.rect().center().y(), 1);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join(u'\n').toStdString();
}

TEST_F(PreviewPaneWidgetTest, ViewPreviewHidesThePaneAndBringsTheListBackToItsWidth) {
    start();
    auto& list = mainWidget<QTableView>(QStringLiteral("ListView1"));
    auto& pane = mainWidget<QWidget>(QStringLiteral("previewArea"));
    auto& area = mainWidget<QWidget>(QStringLiteral("resultSplitter"));
    const int listWidth = list.width();
    action(QStringLiteral("Preview2")).trigger();
    EXPECT_FALSE(pane.isVisible());
    EXPECT_FALSE(action(QStringLiteral("Preview2")).isChecked());
    // The splitter lays its children out when events run.
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.width() == area.width(); }, 5000))
        << list.width() << " of " << area.width();
    action(QStringLiteral("Preview2")).trigger();
    EXPECT_TRUE(pane.isVisible());
    EXPECT_TRUE(action(QStringLiteral("Preview2")).isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.width() == listWidth; }, 5000))
        << list.width() << " instead of " << listWidth;
}

} // namespace
