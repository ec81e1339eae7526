// Query files: any bytes as a file's content, decoded (byte-order marks,
// UTF-8, Windows-1252), split into lines and loaded as the expert text.
#include "FuzzSupport.h"

#include "app/TKorvaneTessellonMain.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "files/QueryFiles.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "support/FakeAdmin.h"
#include "support/FakeDataAccess.h"
#include "support/RecordingPlatform.h"

using namespace tessellon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // All fresh for each input: the fakes record what they are asked.
    RecordingPlatform platform;
    FakeQueryProvider provider;
    TKorvaneTessellonMain main(platform, provider,
                               fakeAdminFactory(std::make_shared<FakeAdminWorld>()));
    TKorvaneTessellonAdvancedSQL dialog(main);
    main.setAdvancedDialog(&dialog);

    const QByteArray content = fuzz::bytes(data, size);
    const QString text = TextFile::decode(content);
    // Every line break is one of CR LF, LF or CR: no line holds one.
    for (const QString& line : TextFile::splitLines(text)) {
        if (line.contains(u'\n') || line.contains(u'\r'))
            abort();
    }
    loadQueryFile(dialog, fuzz::writeScratchFile(content));
    return 0;
}
