// The automation object served on the session bus of dbus-run-session, called
// by a client on a connection of its own, as another program would.
#include "automation/AutomationServer.h"
#include "automation/BusRegistration.h"
#include "common/TextFile.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QTest>
#include <optional>

using namespace tessellon;

namespace {

class AutomationBusTest : public FormsFixture {
protected:
    AutomationBusTest() {
        server.busObject().setLeaveGrace(0);
        QString failure;
        published = server.publish(failure);
        EXPECT_TRUE(published) << failure.toStdString();
        provider.names = {u"Filename"_qs, u"Size"_qs};
        provider.rows = {{Variant(u"a.txt"_qs), Variant(std::int64_t(12))}};
    }
    ~AutomationBusTest() override { leave(); }

    // The client leaves the bus (its last handle goes first).
    void leave() {
        client.reset();
        QDBusConnection::disconnectFromBus(clientName);
    }

    // A call from the client, answered while this thread runs its events.
    QDBusMessage call(const QString& interface, const QString& member, const QVariantList& args) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            AutomationBusName, AutomationObjectPath, interface, member);
        message.setArguments(args);
        return client->call(message, QDBus::BlockWithGui, 10000);
    }
    QDBusMessage property(const QString& member, const QVariantList& args) {
        return call(u"org.freedesktop.DBus.Properties"_qs, member,
                    QVariantList{AutomationInterface} + args);
    }
    QVariant get(const QString& name) {
        return property(u"Get"_qs, {name}).arguments().value(0).value<QDBusVariant>().variant();
    }

    AutomationServer server{*main, provider};
    bool published = false;
    QString clientName = u"client"_qs;
    std::optional<QDBusConnection> client =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, clientName);
    TempDir dir;
};

TEST_F(AutomationBusTest, IntrospectionShowsTheInterface) {
    const QString xml = call(u"org.freedesktop.DBus.Introspectable"_qs, u"Introspect"_qs, {})
                            .arguments()
                            .value(0)
                            .toString();
    for (const char* part :
         {"<interface name=\"example.korvane.Tessellon.IAutomation\">", "<method name=\"Search\">",
          "<arg name=\"FileName\" type=\"s\" direction=\"in\"/>",
          "<property name=\"SQL\" type=\"s\" access=\"readwrite\"/>",
          "<property name=\"MaxRecords\" type=\"i\" access=\"readwrite\"/>",
          "<property name=\"RecordCount\" type=\"i\" access=\"read\"/>",
          "<property name=\"Version\" type=\"s\" access=\"read\"/>"})
        EXPECT_TRUE(xml.contains(QLatin1String(part))) << part << "\n" << xml.toStdString();
}

TEST_F(AutomationBusTest, PropertiesAndSearchThroughTheBus) {
    EXPECT_EQ(get(u"MaxRecords"_qs), QVariant(400));
    EXPECT_EQ(property(u"Set"_qs, {u"SQL"_qs, QVariant::fromValue(QDBusVariant(
                                                  u"SELECT Filename, Size FROM Docs..SCOPE()"_qs))})
                  .type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(main->sqlstatement, u"SELECT Filename, Size FROM Docs..SCOPE()"_qs);

    const QString out = dir.filePath(u"out.txt"_qs);
    const QDBusMessage searched = call(AutomationInterface, u"Search"_qs, {out});
    EXPECT_EQ(searched.arguments().value(0), QVariant(1));
    EXPECT_EQ(
        TextFile::readLines(out),
        (QStringList{u"1"_qs, u"SELECT Filename, Size FROM Docs..SCOPE()"_qs, u"a.txt; 12; "_qs}));
    EXPECT_EQ(get(u"RecordCount"_qs), QVariant(1));

    const auto all = qdbus_cast<QVariantMap>(property(u"GetAll"_qs, {}).arguments().value(0));
    EXPECT_EQ(all.keys(),
              (QStringList{u"MaxRecords"_qs, u"RecordCount"_qs, u"SQL"_qs, u"Version"_qs}));

    const struct {
        const char16_t* name;
        QVariant value;
        const char16_t* error;
    } refused[] = {{u"RecordCount", 3, u"org.freedesktop.DBus.Error.PropertyReadOnly"},
                   {u"MaxRecords", u"many"_qs, u"org.freedesktop.DBus.Error.InvalidArgs"},
                   {u"Colour", 1, u"org.freedesktop.DBus.Error.UnknownProperty"}};
    for (const auto& r : refused) {
        const QDBusMessage reply = property(
            u"Set"_qs, {QString::fromUtf16(r.name), QVariant::fromValue(QDBusVariant(r.value))});
        EXPECT_EQ(reply.errorName(), QString::fromUtf16(r.error))
            << reply.errorMessage().toStdString();
    }
}

TEST_F(AutomationBusTest, ACallDuringASearchWaitsForItsEnd) {
    main->searching = true;
    QDBusMessage message = QDBusMessage::createMethodCall(
        AutomationBusName, AutomationObjectPath, u"org.freedesktop.DBus.Properties"_qs, u"Get"_qs);
    message.setArguments({AutomationInterface, u"RecordCount"_qs});
    QDBusPendingCall pending = client->asyncCall(message);
    QTest::qWait(300);
    EXPECT_FALSE(pending.isFinished());
    main->searching = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 5000));
    EXPECT_FALSE(pending.isError()) << pending.error().message().toStdString();
}

TEST_F(AutomationBusTest, TheLastClientLeavingIsReported) {
    bool left = false;
    QObject::connect(&server.busObject(), &AutomationBusObject::lastClientLeft,
                     [&] { left = true; });
    // Nobody has called yet: a program started for a call it never saw ends.
    EXPECT_TRUE(QTest::qWaitFor([&] { return left; }, 5000));
    EXPECT_FALSE(server.held());
    get(u"Version"_qs);
    EXPECT_TRUE(server.held());
    left = false;
    leave();
    EXPECT_TRUE(QTest::qWaitFor([&] { return left; }, 5000));
    EXPECT_FALSE(server.held());
}

} // namespace
