// The program entry with arguments that end it after the batch: the window
// never shows, and the exit status tells whether the batch went wrong.
#include "gui/GuiProgram.h"
#include "GuiFixture.h"
#include "support/QtPrinters.h"

#include <QMessageBox>

using namespace tessellon;

namespace {

TEST(GuiProgram, QuitFlagEndsAfterTheBatchWithStatusZero) {
    FakeQueryProvider provider;
    auto world = std::make_shared<FakeAdminWorld>();
    world->catalogs.append(FakeCatalog{u"System"_qs});
    EXPECT_EQ(runGuiProgram({u"/Q"_qs}, provider, fakeAdminFactory(world), {}), 0);
    EXPECT_EQ(provider.executions.size(), 1);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 0);
}

TEST(GuiProgram, BatchErrorIsShownAndGivesStatusOne) {
    FakeQueryProvider provider;
    auto world = std::make_shared<FakeAdminWorld>();
    QString shown;
    whenModal<QMessageBox>([&shown](QMessageBox& box) {
        shown = box.text();
        box.accept();
    });
    EXPECT_EQ(runGuiProgram({u"/Nmany"_qs, u"/Q"_qs}, provider, fakeAdminFactory(world), {}), 1);
    EXPECT_EQ(shown, u"Error: many not a number."_qs);
}

} // namespace
