#include "support/FormsFixture.h"
#include "support/QtPrinters.h"

#include <QRegularExpression>

using namespace tessellon;

namespace {

class HostStep : public FormsFixture {
protected:
    HostStep() {
        world->defaultMachine = u"TESTHOST"_qs; // a fresh connection names this computer
        world->reachableHosts = {u"SERVER2"_qs, u"TESTHOST"_qs};
        createForms();
    }
};

TEST_F(HostStep, SameNameAsTheConnectionDoesNotSwitch) {
    const int connections = world->connectionsCreated;
    main->hostcbKeyPress(u'\r');
    EXPECT_EQ(world->connectionsCreated, connections);
    EXPECT_FALSE(main->hostunreachable);
    EXPECT_TRUE(main->hostislocal);
    EXPECT_EQ(main->CatalogListView.items.size(), 1);
}

TEST_F(HostStep, ReachableRemoteHostSwitchesAndGoesToTheHistory) {
    main->hostcb.text = u"SERVER2"_qs;
    main->hostcbKeyPress(u'\r');
    EXPECT_EQ(main->adminConnection->MachineName(), u"SERVER2"_qs);
    EXPECT_FALSE(main->hostislocal);
    EXPECT_FALSE(main->resultPopupEnabled);
    EXPECT_EQ(main->hostcb.items.front(), u"SERVER2"_qs);
}

TEST_F(HostStep, LocalNameInOtherCaseCountsAsRemote) {
    world->reachableHosts.insert(u"testhost"_qs);
    main->hostcb.items.clear();
    main->hostcb.text = u"testhost"_qs;
    main->hostcbKeyPress(u'\r');
    EXPECT_FALSE(main->hostislocal);
    EXPECT_FALSE(main->resultPopupEnabled);
}

TEST_F(HostStep, UnreachableHostStopsTheRunWithTheExactTexts) {
    provider.names = {u"Path"_qs};
    main->hostcb.text = u"NOWHERE"_qs;
    platform.onEvents = [this] { platform.calls << u"memo shows: "_qs + main->Memo1.text; };
    main->SearchbtnClick();
    // The memo shows the error before the message box opens.
    const QStringList beforeBox =
        platform.calls.mid(0, platform.calls.indexOf(QRegularExpression(u"^message: "_qs)));
    ASSERT_FALSE(beforeBox.filter(u"memo shows: "_qs).isEmpty());
    EXPECT_EQ(beforeBox.filter(u"memo shows: "_qs).last(),
              u"memo shows: Error: Remote host NOWHERE is unreachable."_qs);
    EXPECT_TRUE(main->hostunreachable);
    EXPECT_EQ(main->Memo1.text, u"Error: Remote host NOWHERE is unreachable."_qs);
    EXPECT_EQ(
        platform.messages,
        QStringList{u"Can't connect to remote host NOWHERE\r\nThe RPC server is unavailable."_qs});
    EXPECT_TRUE(provider.executions.isEmpty());
    EXPECT_TRUE(main->CatalogListView.items.isEmpty());
    EXPECT_FALSE(platform.busy);
}

TEST_F(HostStep, EmptyHostPerformsNoSwitch) {
    const int connections = world->connectionsCreated;
    main->hostcb.text.clear();
    main->hostcbKeyPress(u'\r');
    EXPECT_FALSE(main->hostunreachable);
    EXPECT_EQ(world->connectionsCreated, connections);
}

TEST_F(HostStep, EveryEditEmptiesTheLists) {
    main->ListView1.setItemCount(4);
    main->preview.RichEdit1.text = u"preview"_qs;
    main->hostcbChange();
    EXPECT_EQ(main->ListView1.itemCount(), 0);
    EXPECT_TRUE(main->CatalogListView.items.isEmpty());
    EXPECT_TRUE(main->preview.RichEdit1.text.isEmpty());
}

TEST_F(HostStep, OtherKeysDoNothing) {
    main->hostcb.text = u"NOWHERE"_qs;
    main->hostcbKeyPress(u'a');
    EXPECT_FALSE(main->hostunreachable);
    EXPECT_EQ(main->CatalogListView.items.size(), 1);
}

} // namespace
