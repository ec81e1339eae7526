#include "support/FormsFixture.h"
#include "support/QtPrinters.h"

using namespace tessellon;

namespace {

class ServiceMenu : public FormsFixture {
protected:
    // Whether the service follows the command while the program waits.
    void serviceFollows(bool follows) {
        platform.onSleep = [this, follows] {
            if (follows)
                world->serviceRunning = platform.calls.filter(u"service start"_qs).size() >
                                        platform.calls.filter(u"service stop"_qs).size();
        };
    }
};

TEST_F(ServiceMenu, OpeningTheMenuShowsTheStateInMemoAndCaption) {
    const struct {
        bool available;
        bool running;
        bool itemVisible;
        const char16_t* caption;
        const char16_t* memo;
    } cases[] = {
        {true, true, true, u"Stop Indexing Service", u"Indexing Service is running"},
        {true, false, true, u"Start Indexing Service", u"Indexing Service is NOT running"},
        {false, false, false, u"Do Indexing Service", u"before"},
    };
    for (const auto& c : cases) {
        world->unavailable = !c.available;
        world->serviceRunning = c.running;
        createForms();
        main->Memo1.text = u"before"_qs;
        main->Tools1Popup();
        SCOPED_TRACE(QString::fromUtf16(c.caption).toStdString());
        EXPECT_EQ(main->IndexingService1.visible, c.itemVisible);
        EXPECT_EQ(main->IndexingService1.caption, QString::fromUtf16(c.caption));
        EXPECT_EQ(main->Memo1.text, QString::fromUtf16(c.memo));
    }
}

TEST_F(ServiceMenu, ClickStatesTheOutcomeAtOnceThenWaitsAndRebuildsTheList) {
    const struct {
        bool running;
        const char16_t* command;
        const char16_t* memo;
    } cases[] = {{true, u"service stop", u"Indexing Service is NOT running"},
                 {false, u"service start", u"Indexing Service is running"}};
    for (const auto& c : cases) {
        world->serviceRunning = c.running;
        createForms();
        serviceFollows(true);
        QString memoDuringWait;
        platform.onSleep = [&, follow = platform.onSleep] {
            memoDuringWait = main->Memo1.text;
            follow();
        };
        platform.calls.clear();
        main->IndexingService1Click();
        SCOPED_TRACE(QString::fromUtf16(c.command).toStdString());
        EXPECT_EQ(memoDuringWait, QString::fromUtf16(c.memo));
        EXPECT_EQ(main->Memo1.text, QString::fromUtf16(c.memo));
        ASSERT_EQ(platform.calls.size(), 5) << platform.calls.join(u" | ").toStdString();
        EXPECT_TRUE(platform.calls[0].startsWith(u"start: "_qs));
        EXPECT_TRUE(platform.calls[0].endsWith(QString::fromUtf16(c.command)));
        EXPECT_EQ(platform.calls.mid(1),
                  (QStringList{u"busy"_qs, u"sleep 3000"_qs, u"events"_qs, u"normal"_qs}));
    }
}

TEST_F(ServiceMenu, AServiceThatDoesNotFollowIsShownAsItIsWithTheCommandsReason) {
    world->serviceRunning = false;
    createForms();
    serviceFollows(false);
    platform.errorOutput = "tessellon-admin: The indexing service did not start: "
                           "cannot open /data/lock\n";
    main->IndexingService1Click();
    EXPECT_EQ(main->Memo1.text, u"Indexing Service is NOT running\r\ntessellon-admin: The "
                                u"indexing service did not start: cannot open /data/lock"_qs);
}

TEST_F(ServiceMenu, TheClickDecidesByAFreshStateNotByTheCaption) {
    world->serviceRunning = true;
    createForms();
    main->Tools1Popup();
    ASSERT_EQ(main->IndexingService1.caption, u"Stop Indexing Service"_qs);
    world->serviceRunning = false; // the service ended meanwhile
    platform.calls.clear();
    main->IndexingService1Click();
    EXPECT_TRUE(platform.calls[0].endsWith(u"service start"_qs)) << platform.calls[0].toStdString();
}

TEST_F(ServiceMenu, WithoutAdministrationTheClickDoesNothing) {
    world->unavailable = true;
    createForms();
    platform.calls.clear();
    main->IndexingService1Click();
    EXPECT_TRUE(platform.calls.isEmpty()) << platform.calls.join(u" | ").toStdString();
}

} // namespace
