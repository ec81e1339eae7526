#include "common/Error.h"
#include "search/TKorvaneTessellonPreview.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

using namespace tessellon;

namespace {

class PreviewPaneTest : public FormsFixture {
protected:
    PreviewPaneTest() { main->preview.setPreviewWindow(&window); }

    // Lists the one hit `path` and selects it.
    void select(const QString& path) {
        provider.names = {u"Path"_qs};
        provider.rows = {{path}};
        main->SearchbtnClick();
        main->ListView1.selectedIndex = 0;
        main->preview.ListView1SelectItem(0);
    }

    PreviewPane& pane() { return main->preview; }

    TempDir dir;
    TKorvaneTessellonPreview1 window;
};

struct TextCase {
    const char* name;
    QByteArray content;
    QString words;
    bool phrase;
    QString text;
    QVector<HighlightSpan> spans;
};

TEST_F(PreviewPaneTest, TextViewShowsTheFileStartWithTheWordsHighlighted) {
    const QString seventeenWords = u"qa qb qc qd qe qf qg qh qi qj qk ql qm qn qo qp qq"_qs;
    const TextCase cases[] = {
        {"below the limit", QByteArray(8191, 'a'), {}, false, QString(8191, u'a'), {}},
        {"at the limit", QByteArray(8192, 'a'), {}, false, QString(8192, u'a') + u" ..."_qs, {}},
        {"beyond the limit",
         QByteArray(9000, 'a'),
         {},
         false,
         QString(8192, u'a') + u" ..."_qs,
         {}},
        {"empty", {}, u"empty file"_qs, false, u"<empty file>"_qs, {}},
        {"two blanks between words",
         "Alpha beta alpha",
         u"alpha  BETA"_qs,
         false,
         u"Alpha beta alpha"_qs,
         {{0, 5, 0}, {11, 5, 0}, {6, 4, 1}}},
        {"seventeenth word", "qq", seventeenWords, false, u"qq"_qs, {{0, 2, 0}}},
        {"inside a longer word", "Notebooks", u"book"_qs, false, u"Notebooks"_qs, {{4, 4, 0}}},
        {"phrase", "b  c b c", u"b c"_qs, true, u"b  c b c"_qs, {{5, 3, 0}}},
        {"not UTF-8", "caf\xE9", u"CAFÉ"_qs, false, u"café"_qs, {{0, 4, 0}}},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        main->ComboBox100.text = c.words;
        main->RadioGroup1.itemIndex = c.phrase ? 1 : 0;
        select(dir.write(u"f.txt"_qs, c.content));
        EXPECT_EQ(pane().RichEdit1.text, c.text);
        EXPECT_EQ(pane().RichEdit1.highlights, c.spans);
    }
}

TEST_F(PreviewPaneTest, UnreadableFileSaysSoWithoutHighlighting) {
    main->ComboBox100.text = u"file"_qs;
    select(dir.filePath(u"gone.txt"_qs));
    EXPECT_EQ(pane().RichEdit1.text, u"<can't display this file>"_qs);
    EXPECT_TRUE(pane().RichEdit1.highlights.isEmpty());
}

TEST_F(PreviewPaneTest, ExtensionChoosesTheView) {
    enum View { Text, Web, Picture, None };
    const struct {
        const char16_t* name;
        View view;
    } cases[] = {{u"a.jpg", Picture}, {u"a.JPEG", Picture}, {u"a.Tiff", Picture},  {u"a.png", Web},
                 {u"a.PNG", Web},     {u"a.html", Web},     {u"a.HTA", Web},       {u"a.pdf", None},
                 {u"a.PDF", None},    {u"a.txt", Text},     {u"noextension", Text}};
    for (const auto& c : cases) {
        const QString path = dir.write(QString::fromUtf16(c.name), "x");
        SCOPED_TRACE(path.toStdString());
        window.address = u"file:///earlier.html"_qs;
        select(path);
        EXPECT_EQ(pane().RichEdit1.visible, c.view == Text);
        EXPECT_EQ(pane().WebBrowser1.visible, c.view == Web);
        EXPECT_EQ(pane().Image4.visible, c.view == Picture);
        if (c.view == Web) {
            EXPECT_EQ(pane().WebBrowser1.address, u"file://"_qs + path);
        }
        if (c.view == Picture) {
            EXPECT_EQ(pane().Image4.path, path);
        }
        // A text preview resets the web preview window.
        EXPECT_EQ(window.address == u"about:blank", c.view == Text);
    }
}

TEST_F(PreviewPaneTest, MissingPictureReachesTheErrorReportAndKeepsThePicture) {
    const QString shown = dir.write(u"a.gif"_qs, "x");
    select(shown);
    EXPECT_THROW(select(dir.filePath(u"gone.gif"_qs)), FileError);
    EXPECT_TRUE(pane().Image4.visible);
    EXPECT_EQ(pane().Image4.path, shown);
}

TEST_F(PreviewPaneTest, NoCurrentRowDoesNothing) {
    select(dir.write(u"a.txt"_qs, "text"));
    main->ListView1.selectedIndex = -1;
    pane().ListView1SelectItem(0);
    pane().preview1Click();
    EXPECT_EQ(pane().RichEdit1.text, u"text"_qs);
    EXPECT_FALSE(platform.calls.contains(u"open: "_qs + dir.filePath(u"a.txt"_qs)));
}

TEST_F(PreviewPaneTest, SeparatePreviewShowsPagesAndOpensTheRestOutside) {
    const struct {
        const char16_t* name;
        bool inWindow;
    } cases[] = {{u"a.xml", true},  {u"a.HTM", true},  {u"a.html", true},
                 {u"a.pdf", false}, {u"a.txt", false}, {u"a.png", false}};
    for (const auto& c : cases) {
        const QString path = dir.write(QString::fromUtf16(c.name), "x");
        SCOPED_TRACE(path.toStdString());
        window = {};
        window.show = [this] { platform.calls << u"show window"_qs; };
        select(path);
        platform.calls.clear();
        pane().preview1Click();
        EXPECT_EQ(window.visible, c.inWindow);
        if (c.inWindow) {
            EXPECT_EQ(window.caption, u"Preview - "_qs + path);
            EXPECT_EQ(window.address, u"file://"_qs + path);
            EXPECT_EQ(platform.calls, QStringList({u"busy"_qs, u"show window"_qs, u"normal"_qs}));
        } else {
            EXPECT_EQ(platform.calls, QStringList({u"open: "_qs + path}));
        }
    }
}

TEST_F(PreviewPaneTest, ShowingThePaneAgainKeepsTheListShare) {
    const struct {
        int widthWhenShown;
        int listWidth;
    } cases[] = {{1000, 625}, {100, 62}, {300, 188}, {101, 63}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.widthWhenShown);
        pane().layout.windowWidth = 1000;
        pane().layout.listWidth = 625;
        pane().Preview2Click();
        EXPECT_FALSE(pane().pane.visible);
        EXPECT_FALSE(pane().Preview2.checked);
        EXPECT_FALSE(pane().layout.splitterVisible);
        EXPECT_EQ(pane().layout.listWidth, 1000);
        pane().layout.windowWidth = c.widthWhenShown;
        pane().Preview2Click();
        EXPECT_TRUE(pane().pane.visible);
        EXPECT_TRUE(pane().Preview2.checked);
        EXPECT_TRUE(pane().layout.splitterVisible);
        EXPECT_EQ(pane().layout.listWidth, c.listWidth);
    }
}

} // namespace
