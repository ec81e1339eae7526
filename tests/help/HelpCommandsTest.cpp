#include "help/HelpCommands.h"
#include "common/Error.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessellon;

TEST(HelpCommands, ManualBesideTheProgramOrInTheInstalledDataFolder) {
    const struct {
        const char* installedAt; // relative to the temporary folder; null: nowhere
        const char16_t* opened;
    } cases[] = {
        {"bin/manual/index.html", u"bin/manual/index.html"},
        {"share/doc/tessellon/manual/index.html", u"share/doc/tessellon/manual/index.html"},
        {nullptr, nullptr}};
    for (const auto& c : cases) {
        TempDir dir;
        const QString bin = dir.mkdir(u"bin"_qs);
        if (c.installedAt)
            dir.write(QString::fromLatin1(c.installedAt), "<html></html>");
        RecordingPlatform platform;
        if (c.opened) {
            openManual(platform, bin);
            EXPECT_EQ(platform.calls,
                      QStringList{u"open: "_qs + dir.filePath(QString::fromUtf16(c.opened))});
            continue;
        }
        try {
            openManual(platform, bin);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), u"The manual is not installed: it is neither in "_qs + bin +
                                       u"/manual nor in "_qs +
                                       dir.filePath(u"share/doc/tessellon/manual"_qs) + u"."_qs);
        }
    }
}
