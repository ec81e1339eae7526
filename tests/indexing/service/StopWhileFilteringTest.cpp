// Documents that once kept an in-process filter busy for minutes: the daemon
// is stopped while it indexes them, at once and with a sound store, and a
// rescan then indexes them whole.
#include "ServiceSandbox.h"

#include "indexing/filters/FilterLimits.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

using namespace tessellon;

TEST(StopWhileFiltering, ServiceStopEndsTheDaemonAtOnceAndTheStoreStaysSound) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("hostile");
    sandbox.dir().write("hostile/amp.html",
                        QByteArray(FilterLimits::MaxReadBytes - 100, '&') + "<p>after");
    QByteArray attributes = "<r><e";
    for (int i = 0; i < 100'000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"\"";
    sandbox.dir().write("hostile/attrs.xml", attributes + "/>after</r>");
    sandbox.dir().write("hostile/open.xml",
                        QByteArray("<a>").repeated(FilterLimits::MaxReadBytes / 3));
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"service", "start"}).exitCode, 0);
    QElapsedTimer started;
    started.start();
    while (!QFileInfo::exists(sandbox.storeFile("Docs")) && started.elapsed() < 30000)
        QThread::msleep(20);
    QThread::msleep(300); // into the filtering

    // The daemon runs at idle priority and may wait for a core on a loaded
    // machine: the bound only catches a stop that waits for a document.
    QElapsedTimer clock;
    clock.start();
    const CommandResult stop = sandbox.admin({"service", "stop"});
    EXPECT_EQ(stop.exitCode, 0) << stop.err.toStdString();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");

    ASSERT_EQ(sandbox.admin({"rescan", "Docs"}, 120000).exitCode, 0);
    EXPECT_TRUE(sandbox.matches("Docs", "after"));
    EXPECT_EQ(sandbox.count("Docs", "SELECT count(*) FROM documents WHERE filter_state = 3"), 0);
}
