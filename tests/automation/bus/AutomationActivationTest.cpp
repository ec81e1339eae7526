// Start on demand: on a session bus of its own whose services folder is a
// private XDG_DATA_HOME, the registered program is started for the example
// client, answers it, and ends after the client left; unregistered, a call
// fails cleanly.
#include "ServiceSandbox.h"
#include "automation/BusRegistration.h"
#include "support/QtPrinters.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(AutomationActivation, RegisteredProgramServesTheExampleClientAndEndsAfterIt) {
    ServiceSandbox sandbox;
    const QString docs = sandbox.dir().mkdir(u"docs"_qs);
    sandbox.dir().write(u"docs/budget.txt"_qs, "the budget for next year\n");
    ASSERT_EQ(sandbox.admin({u"add"_qs, u"Docs"_qs, u"--scope"_qs, docs}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({u"rescan"_qs, u"Docs"_qs}).exitCode, 0);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_HOME"_qs, sandbox.dir().filePath(u"xdg"_qs));
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name)); // served without windows
    const QString tessellon = ServiceSandbox::binary(u"tessellon"_qs);
    ASSERT_EQ(ServiceSandbox::run(tessellon, {u"-REGSERVERPERUSER"_qs}, env).exitCode, 0);
    const QString serviceFile =
        sandbox.dir().filePath(u"xdg/dbus-1/services/example.korvane.Tessellon.service"_qs);
    ASSERT_TRUE(QFile::exists(serviceFile));

    QProcess daemon;
    daemon.setProcessEnvironment(env);
    daemon.start(u"dbus-daemon"_qs, {u"--session"_qs, u"--nofork"_qs, u"--print-address=1"_qs});
    ASSERT_TRUE(daemon.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, address);
    const auto exampleClient = [&] {
        const QString script =
            qEnvironmentVariable("TESSELLON_SOURCE_DIR") + u"/examples/automation-search.sh"_qs;
        return ServiceSandbox::run(
            u"/bin/sh"_qs,
            {script, u"SELECT Filename FROM Docs..SCOPE() WHERE CONTAINS(Contents, 'budget')"_qs,
             sandbox.dir().filePath(u"hits.txt"_qs)},
            env);
    };

    const CommandResult served = exampleClient();
    EXPECT_EQ(served.exitCode, 0) << served.err.toStdString();
    EXPECT_EQ(
        served.out.split(u"\r\n"_qs),
        (QStringList{u"1"_qs,
                     u"SELECT Filename FROM Docs..SCOPE() WHERE CONTAINS(Contents, 'budget')"_qs,
                     u"budget.txt; "_qs, QString()}));

    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, u"activation"_qs);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !bus.interface()->isServiceRegistered(AutomationBusName).value(); },
            20000))
            << "the program did not end after its client left";
    }
    QDBusConnection::disconnectFromBus(u"activation"_qs);

    ASSERT_EQ(ServiceSandbox::run(tessellon, {u"-unregserverperuser"_qs}, env).exitCode, 0);
    EXPECT_FALSE(QFile::exists(serviceFile));
    const CommandResult refused = exampleClient();
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains(u"ServiceUnknown"_qs)) << refused.err.toStdString();

    daemon.terminate();
    daemon.waitForFinished(5000);
}

} // namespace
