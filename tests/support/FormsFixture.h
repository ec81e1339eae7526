// The main window and the advanced dialog as logic objects over fakes: a
// recording platform, a fake provider and a fake administration with one
// catalog "System". Header-only; used by tests that link tessellon_logic.
#pragma once

#include "app/TKorvaneTessellonMain.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "support/FakeAdmin.h"
#include "support/FakeDataAccess.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

class FormsFixture : public ::testing::Test {
protected:
    FormsFixture() {
        world->catalogs.append(FakeCatalog{QStringLiteral("System")});
        createForms();
    }

    // Recreates both forms over the current fakes (after a test changed the
    // world before start-up).
    void createForms() {
        dialog.reset();
        main = std::make_unique<tessellon::TKorvaneTessellonMain>(platform, provider,
                                                                  fakeAdminFactory(world));
        dialog = std::make_unique<tessellon::TKorvaneTessellonAdvancedSQL>(*main);
        main->setAdvancedDialog(dialog.get());
    }

    RecordingPlatform platform;
    FakeQueryProvider provider;
    std::shared_ptr<FakeAdminWorld> world = std::make_shared<FakeAdminWorld>();
    std::unique_ptr<tessellon::TKorvaneTessellonMain> main;
    std::unique_ptr<tessellon::TKorvaneTessellonAdvancedSQL> dialog;
};
