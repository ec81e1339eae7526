// The service's programs answer --help and --version and refuse what they
// do not know, without starting work: the daemon does not start, the filter
// helper does not wait for its input.
#include "ServiceSandbox.h"

#include "common/ProgramVersion.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(ProgramArguments, HelpVersionAndUnknownArguments) {
    ServiceSandbox sandbox; // a daemon that started anyway would find no catalogs
    const struct {
        QStringList args;
        int exitCode;
        QString out;
        QString err;
    } cases[] = {
        {{"--help"}, 0, "usage: PROGRAM", ""},
        {{"--version"}, 0, "PROGRAM " + programVersion() + "\n", ""},
        {{"--bogus"}, 2, "", "unknown"},
    };
    for (const QString program : {"tessellon-indexd", "tessellon-filter", "tessellon-admin"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE((program + ' ' + c.args.join(' ')).toStdString());
            const CommandResult r =
                ServiceSandbox::run(ServiceSandbox::binary(program), c.args,
                                    QProcessEnvironment::systemEnvironment(), 10000);
            EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
            if (c.out.isEmpty())
                EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
            else
                EXPECT_TRUE(r.out.startsWith(QString(c.out).replace("PROGRAM", program)))
                    << r.out.toStdString();
            EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
        }
    }
}

} // namespace
