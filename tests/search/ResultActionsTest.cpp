#include "search/ResultActions.h"
#include "support/FakeFileTypeApplications.h"
#include "support/FormsFixture.h"
#include "support/TempDir.h"

using namespace tessellon;

namespace {

const QString TextType = QStringLiteral("text/plain");

class ResultActionsTest : public FormsFixture {
protected:
    ResultActionsTest() {
        existing = temp.write(u"notes.txt"_qs, "x");
        missing = temp.filePath(u"gone.txt"_qs);
        provider.names = {u"Path"_qs, u"Filename"_qs};
        provider.rows = {{Variant(existing), Variant(u"notes.txt"_qs)},
                         {Variant(missing), Variant(u"gone.txt"_qs)}};
        fileTypes.typeOfExtension = {{u"txt"_qs, TextType}};
        fileTypes.registered[TextType] = textApplications;
        main->SearchbtnClick();
        main->ListView1.selectedIndex = 0;
    }

    QStringList captions() const {
        QStringList result;
        for (const ResultMenuEntry& entry : actions.PopupMenu1)
            result << entry.caption;
        return result;
    }

    const ResultMenuEntry* entry(const QString& caption) const {
        for (const ResultMenuEntry& e : actions.PopupMenu1) {
            if (e.caption == caption)
                return &e;
        }
        return nullptr;
    }

    const QVector<DesktopApplication> textApplications = {{u"editor.desktop"_qs, u"Editor"_qs},
                                                          {u"viewer.desktop"_qs, u"Viewer"_qs},
                                                          {u"pager.desktop"_qs, u"Pager"_qs}};
    TempDir temp;
    QString existing;
    QString missing;
    FakeFileTypeApplications fileTypes;
    ResultActions actions{*main, fileTypes};
};

TEST_F(ResultActionsTest, VerbListFollowsTheApplicationsOfTheType) {
    struct Case {
        const char* name;
        QVector<DesktopApplication> registered;
        QStringList expected;
    };
    const QStringList tail = {u"-"_qs, u"Open Containing Folder"_qs};
    const QStringList head = {u"Preview"_qs, u"-"_qs};
    const Case cases[] = {
        {"only the default", {{u"a"_qs, u"Editor"_qs}}, head + QStringList{u"Open"_qs} + tail},
        {"no application", {}, head + tail},
        {"default first, then the others in order",
         {{u"a"_qs, u"Editor"_qs}, {u"b"_qs, u"Viewer"_qs}, {u"c"_qs, u"Pager"_qs}},
         head + QStringList{u"Open"_qs, u"Open with Viewer"_qs, u"Open with Pager"_qs} + tail},
    };
    for (const Case& c : cases) {
        fileTypes.registered[TextType] = c.registered;
        ASSERT_TRUE(actions.PopupMenu1Popup()) << c.name;
        EXPECT_EQ(captions(), c.expected) << c.name;
    }
    EXPECT_EQ(entry(u"Open with Pager"_qs)->applicationId, u"c"_qs);
}

TEST_F(ResultActionsTest, PopupKeepsItsEntriesWithoutARowAndIsRefusedForARemoteHost) {
    ASSERT_TRUE(actions.PopupMenu1Popup());
    const QStringList built = captions();

    main->ListView1.selectedIndex = -1;
    fileTypes.registered.clear();
    EXPECT_TRUE(actions.PopupMenu1Popup());
    EXPECT_EQ(captions(), built);
    actions.open1Click(entry(u"Open"_qs)); // a left-over entry does nothing
    EXPECT_TRUE(fileTypes.calls.isEmpty());

    main->ListView1.selectedIndex = 0;
    main->resultPopupEnabled = false; // the host step's flag for another computer
    EXPECT_FALSE(actions.PopupMenu1Popup());
    EXPECT_EQ(captions(), built);
}

TEST_F(ResultActionsTest, VerbsStartTheirApplicationOrReportWhyNot) {
    struct Case {
        const char* name;
        int row;
        QString caption; // empty: a double-click
        bool noApplication;
        QString launchError;
        QStringList calls;
        QString memoLine; // empty: the memo is unchanged
    };
    const QString gone = u"Cannot open "_qs + missing;
    const Case cases[] = {
        {"double-click", 0, {}, false, {}, {u"launch editor.desktop "_qs + existing}, {}},
        {"open with",
         0,
         u"Open with Pager"_qs,
         false,
         {},
         {u"launch pager.desktop "_qs + existing},
         {}},
        {"containing folder",
         0,
         u"Open Containing Folder"_qs,
         false,
         {},
         {u"show "_qs + existing},
         {}},
        {"missing file", 1, {}, false, {}, {}, gone + u": the file does not exist"_qs},
        {"missing file, menu verb",
         1,
         u"Open"_qs,
         false,
         {},
         {},
         gone + u": the file does not exist"_qs},
        {"no application",
         0,
         {},
         true,
         {},
         {},
         u"Cannot open "_qs + existing + u": no application is registered for text/plain"_qs},
        {"launch error",
         0,
         u"Open"_qs,
         false,
         u"Failed to execute\nchild"_qs,
         {u"launch editor.desktop "_qs + existing},
         u"Cannot open "_qs + existing + u": Failed to execute"_qs},
    };
    for (const Case& c : cases) {
        fileTypes.calls.clear();
        fileTypes.registered[TextType] = textApplications;
        fileTypes.launchError = c.launchError;
        main->ListView1.selectedIndex = 0;
        ASSERT_TRUE(actions.PopupMenu1Popup());
        const ResultMenuEntry* sender = c.caption.isEmpty() ? nullptr : entry(c.caption);
        ASSERT_TRUE(c.caption.isEmpty() || sender) << c.name;
        if (c.noApplication)
            fileTypes.registered.remove(TextType);
        main->ListView1.selectedIndex = c.row;
        main->Memo1.text = u"3 documents found"_qs;
        actions.open1Click(sender);
        EXPECT_EQ(fileTypes.calls, c.calls) << c.name;
        const QString memo = c.memoLine.isEmpty() ? u"3 documents found"_qs
                                                  : u"3 documents found\r\n"_qs + c.memoLine;
        EXPECT_EQ(main->Memo1.text, memo) << c.name;
    }
}

TEST_F(ResultActionsTest, DoubleClickWorksForARemoteHost) {
    main->resultPopupEnabled = false;
    actions.ListView1DblClick();
    EXPECT_EQ(fileTypes.calls, QStringList{u"launch editor.desktop "_qs + existing});
}

} // namespace
