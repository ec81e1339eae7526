#include "controls/XpButtonState.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

class RecordingHost : public XpButtonHost {
public:
    void repaint() override { ++repaints; }
    void takeFocus() override { ++focusRequests; }
    bool setOwnerModalResult(int result) override {
        events << QStringLiteral("modal %1").arg(result);
        return true;
    }
    int repaints = 0;
    int focusRequests = 0;
    QStringList events;
};

class XpButtonStateTest : public ::testing::Test {
protected:
    XpButtonStateTest() : button(&host) {
        button.FOnClick = [this] { host.events << u"click"_qs; };
    }
    int clicks() const { return int(host.events.count(u"click"_qs)); }

    RecordingHost host;
    XpButtonState button;
};

TEST_F(XpButtonStateTest, ReleaseOutsideStillClicks) {
    button.mouseEnter();
    button.leftButtonDown();
    EXPECT_TRUE(button.FDowned);
    button.mouseLeave();
    button.leftButtonUp();
    EXPECT_FALSE(button.FDowned);
    EXPECT_EQ(clicks(), 1);
}

TEST_F(XpButtonStateTest, DoubleClickGivesTwoClicks) {
    button.leftButtonDown();
    button.leftButtonUp();
    button.leftButtonDoubleClick();
    button.leftButtonUp();
    EXPECT_EQ(clicks(), 2);
}

TEST_F(XpButtonStateTest, PressTakesFocusOnlyWhenEnabledAndUnfocused) {
    button.leftButtonDown();
    EXPECT_EQ(host.focusRequests, 1);
    button.leftButtonUp();
    button.focusGained();
    button.leftButtonDown();
    EXPECT_EQ(host.focusRequests, 1);
}

TEST_F(XpButtonStateTest, ModalResultFollowsOnClick) {
    button.FModalResult = 1;
    button.Click();
    EXPECT_EQ(host.events, (QStringList{u"click"_qs, u"modal 1"_qs}));
    host.events.clear();
    button.FModalResult = 0;
    button.Click();
    EXPECT_EQ(host.events, QStringList{u"click"_qs});
}

TEST_F(XpButtonStateTest, KeysPressAndReleaseClicks) {
    button.keyDown('A');
    EXPECT_FALSE(button.FDowned);
    button.keyUp('A');
    EXPECT_EQ(clicks(), 0);
    button.keyDown(XpButtonState::KeySpace);
    EXPECT_TRUE(button.FDowned);
    button.keyUp('B');
    EXPECT_EQ(clicks(), 1);
    button.keyDown(XpButtonState::KeyReturn);
    button.keyUp(XpButtonState::KeyReturn);
    EXPECT_EQ(clicks(), 2);
}

struct DialogKeyCase {
    const char* name;
    bool cancel;
    bool isDefault;
    bool enabled;
    int key;
    bool clicks;
};
TESSELLON_PRINT_CASE_BY_NAME(DialogKeyCase)

class XpButtonDialogKey : public XpButtonStateTest,
                          public ::testing::WithParamInterface<DialogKeyCase> {};

TEST_P(XpButtonDialogKey, ClicksOnlyForItsKey) {
    const DialogKeyCase& c = GetParam();
    button.FCancel = c.cancel;
    button.FDefault = c.isDefault;
    button.Enabled = c.enabled;
    EXPECT_EQ(button.dialogKey(c.key), c.clicks);
    EXPECT_EQ(clicks(), c.clicks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XpButtonDialogKey,
    ::testing::Values(DialogKeyCase{"cancel_escape", true, false, true, 27, true},
                      DialogKeyCase{"cancel_return", true, false, true, 13, false},
                      DialogKeyCase{"default_return", false, true, true, 13, true},
                      DialogKeyCase{"default_escape", false, true, true, 27, false},
                      DialogKeyCase{"disabled_default", false, true, false, 13, false},
                      DialogKeyCase{"plain_button", false, false, true, 13, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct CaptionCase {
    const char* name;
    QString caption;
    QChar hotKey;
    QString shown;
    int letter;
};
TESSELLON_PRINT_CASE_BY_NAME(CaptionCase)

class XpButtonCaption : public XpButtonStateTest,
                        public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(XpButtonCaption, FindsAccelerator) {
    const CaptionCase& c = GetParam();
    button.setCaption(c.caption);
    EXPECT_EQ(button.FHotKey, c.hotKey);
    EXPECT_EQ(button.shownCaption(), c.shown);
    EXPECT_EQ(button.acceleratorIndex(), c.letter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XpButtonCaption,
    ::testing::Values(CaptionCase{"first_letter", u"&OK"_qs, QChar(u'O'), u"OK"_qs, 0},
                      CaptionCase{"lower_case_upper_key", u"&advanced ..."_qs, QChar(u'A'),
                                  u"advanced ..."_qs, 0},
                      CaptionCase{"inner", u"Sa&ve"_qs, QChar(u'V'), u"Save"_qs, 2},
                      CaptionCase{"trailing_amp", u"Save&"_qs, QChar(), u"Save"_qs, -1},
                      CaptionCase{"none", u"Close"_qs, QChar(), u"Close"_qs, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(XpButtonStateTest, AcceleratorClicksEvenWhenDisabled) {
    button.setCaption(u"&OK"_qs);
    button.Enabled = false;
    EXPECT_FALSE(button.dialogChar(u'k'));
    EXPECT_TRUE(button.dialogChar(u'o'));
    EXPECT_EQ(clicks(), 1);
}

TEST_F(XpButtonStateTest, RepaintsOnlyOnChange) {
    button.mouseEnter();
    button.mouseEnter();
    button.focusGained();
    button.focusGained();
    button.setCaption(button.caption());
    EXPECT_EQ(host.repaints, 2);
}

} // namespace
