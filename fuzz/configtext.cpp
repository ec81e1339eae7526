// Search files: any bytes, decoded as a file is and split into lines, are
// applied to the main window and the advanced dialog (logic objects over the
// test fakes). A line that cannot be read must fail with an Error only.
#include "FuzzSupport.h"

#include "app/TKorvaneTessellonMain.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "files/ConfigText.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "support/FakeAdmin.h"
#include "support/FakeDataAccess.h"
#include "support/RecordingPlatform.h"

using namespace tessellon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // All fresh for each input: the fakes record what they are asked.
    RecordingPlatform platform;
    FakeQueryProvider provider;
    const auto world = std::make_shared<FakeAdminWorld>();
    world->catalogs.append(FakeCatalog{QStringLiteral("System")});
    world->catalogs.append(FakeCatalog{QStringLiteral("Web")});
    TKorvaneTessellonMain main(platform, provider, fakeAdminFactory(world));
    TKorvaneTessellonAdvancedSQL dialog(main);
    main.setAdvancedDialog(&dialog);
    main.CatalogRefreshClick();

    const QStringList lines = TextFile::splitLines(TextFile::decode(fuzz::bytes(data, size)));
    try {
        configCatalogNames(lines);
    } catch (const Error&) {
    }
    try {
        loadconfigtext(main, lines);
    } catch (const Error&) {
    }
    // What was loaded must write out again.
    generateconfigtext(main);
    return 0;
}
