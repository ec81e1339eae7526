#include "automation/AutomationBusObject.h"

#include "automation/BusRegistration.h"

#include <QDBusConnectionInterface>
#include <QDBusVariant>

namespace tessellon {

namespace {

const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QStringList PropertyNames = {QStringLiteral("SQL"), QStringLiteral("MaxRecords"),
                                   QStringLiteral("RecordCount"), QStringLiteral("Version")};

QDBusMessage invalidArguments(const QDBusMessage& call, const QString& text) {
    return call.createErrorReply(QDBusError::InvalidArgs, text);
}

} // namespace

AutomationBusObject::AutomationBusObject(IAutomation& automation, QDBusConnection connection,
                                         QObject* parent)
    : QDBusVirtualObject(parent), automation_(automation), connection_(std::move(connection)),
      watcher_(QString(), connection_, QDBusServiceWatcher::WatchForUnregistration) {
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this,
            [this](const QString& c) { release(c); });
    leaveGrace_.setSingleShot(true);
    leaveGrace_.setInterval(LeaveGraceMs);
    connect(&leaveGrace_, &QTimer::timeout, this, [this] {
        if (holders_.isEmpty())
            Q_EMIT lastClientLeft();
    });
    retry_.setSingleShot(true);
    retry_.setInterval(50);
    connect(&retry_, &QTimer::timeout, this, &AutomationBusObject::deliverWaiting);
}

AutomationBusObject::~AutomationBusObject() {
    if (published_) {
        connection_.unregisterService(AutomationBusName);
        connection_.unregisterObject(AutomationObjectPath);
    }
}

bool AutomationBusObject::publish(QString& failure) {
    if (!connection_.isConnected()) {
        failure = QStringLiteral("No D-Bus session bus: %1").arg(connection_.lastError().message());
        return false;
    }
    if (!connection_.registerVirtualObject(AutomationObjectPath, this)) {
        failure = QStringLiteral("Cannot register %1 on the session bus").arg(AutomationObjectPath);
        return false;
    }
    if (!connection_.registerService(AutomationBusName)) {
        connection_.unregisterObject(AutomationObjectPath);
        failure = QStringLiteral("The bus name %1 is held by another program: %2")
                      .arg(AutomationBusName, connection_.lastError().message());
        return false;
    }
    published_ = true;
    // A program started for a call it never sees (an introspection, say)
    // ends too.
    leaveGrace_.start();
    return true;
}

QString AutomationBusObject::introspect(const QString&) const {
    return QStringLiteral("  <interface name=\"%1\">\n"
                          "    <method name=\"Search\">\n"
                          "      <arg name=\"FileName\" type=\"s\" direction=\"in\"/>\n"
                          "      <arg name=\"Result\" type=\"i\" direction=\"out\"/>\n"
                          "    </method>\n"
                          "    <property name=\"SQL\" type=\"s\" access=\"readwrite\"/>\n"
                          "    <property name=\"MaxRecords\" type=\"i\" access=\"readwrite\"/>\n"
                          "    <property name=\"RecordCount\" type=\"i\" access=\"read\"/>\n"
                          "    <property name=\"Version\" type=\"s\" access=\"read\"/>\n"
                          "  </interface>\n")
        .arg(AutomationInterface);
}

bool AutomationBusObject::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString& interface = message.interface();
    const bool ours =
        (interface == AutomationInterface || interface.isEmpty()) && message.member() == u"Search";
    const bool properties =
        interface == PropertiesInterface &&
        QStringList{QStringLiteral("Get"), QStringLiteral("Set"), QStringLiteral("GetAll")}
            .contains(message.member());
    if (!ours && !properties)
        return false; // the bus answers: no such method
    hold(message.service());
    // Behind a waiting call, or while a search runs: answered in order later.
    if ((busy && busy()) || !waiting_.isEmpty()) {
        message.setDelayedReply(true);
        waiting_ << message;
        retry_.start();
        return true;
    }
    connection_.send(answer(message));
    return true;
}

void AutomationBusObject::deliverWaiting() {
    if (busy && busy()) {
        retry_.start();
        return;
    }
    const QList<QDBusMessage> calls = std::exchange(waiting_, {});
    for (const QDBusMessage& call : calls)
        connection_.send(answer(call));
}

void AutomationBusObject::hold(const QString& client) {
    if (client.isEmpty() || holders_.contains(client))
        return;
    holders_.insert(client);
    leaveGrace_.stop();
    watcher_.addWatchedService(client);
    // A client that left before its watch was set is not waited for.
    if (!connection_.interface()->isServiceRegistered(client).value())
        release(client);
}

void AutomationBusObject::release(const QString& client) {
    watcher_.removeWatchedService(client);
    if (holders_.remove(client) && holders_.isEmpty())
        leaveGrace_.start();
}

QDBusMessage AutomationBusObject::answer(const QDBusMessage& call) {
    const QVariantList args = call.arguments();
    if (call.member() == u"Search") {
        if (args.size() != 1 || args[0].typeId() != QMetaType::QString)
            return invalidArguments(call, QStringLiteral("Search takes one string: the file name"));
        return call.createReply(automation_.Search(args[0].toString()));
    }
    const bool getAll = call.member() == u"GetAll";
    const qsizetype expected = getAll ? 1 : call.member() == u"Get" ? 2 : 3;
    if (args.size() != expected)
        return invalidArguments(call, QStringLiteral("Wrong arguments for %1").arg(call.member()));
    const QString interface = args[0].toString();
    if (!interface.isEmpty() && interface != AutomationInterface)
        return call.createErrorReply(QDBusError::UnknownInterface,
                                     QStringLiteral("No interface %1 here").arg(interface));
    if (getAll) {
        QVariantMap values;
        for (const QString& name : PropertyNames)
            values.insert(
                name, propertyGet(call, name).arguments().value(0).value<QDBusVariant>().variant());
        return call.createReply(values);
    }
    const QString name = args[1].toString();
    if (call.member() == u"Get")
        return propertyGet(call, name);
    return propertySet(call, name, args[2].value<QDBusVariant>().variant());
}

QDBusMessage AutomationBusObject::propertyGet(const QDBusMessage& call, const QString& name) {
    QVariant value;
    if (name == u"SQL")
        value = automation_.SQL();
    else if (name == u"MaxRecords")
        value = automation_.MaxRecords();
    else if (name == u"RecordCount")
        value = automation_.RecordCount();
    else if (name == u"Version")
        value = automation_.Version();
    else
        return call.createErrorReply(QDBusError::UnknownProperty,
                                     QStringLiteral("No property %1").arg(name));
    return call.createReply(QVariant::fromValue(QDBusVariant(value)));
}

QDBusMessage AutomationBusObject::propertySet(const QDBusMessage& call, const QString& name,
                                              const QVariant& value) {
    if (name == u"SQL") {
        if (value.typeId() != QMetaType::QString)
            return invalidArguments(call, QStringLiteral("SQL is a string"));
        automation_.setSQL(value.toString());
    } else if (name == u"MaxRecords") {
        if (value.typeId() != QMetaType::Int)
            return invalidArguments(call, QStringLiteral("MaxRecords is a 32-bit integer"));
        automation_.setMaxRecords(value.toInt());
    } else if (name == u"RecordCount" || name == u"Version") {
        return call.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly"),
                                     QStringLiteral("%1 can only be read").arg(name));
    } else {
        return call.createErrorReply(QDBusError::UnknownProperty,
                                     QStringLiteral("No property %1").arg(name));
    }
    return call.createReply();
}

} // namespace tessellon
