// The automation object on the D-Bus session bus: the interface
// example.korvane.Tessellon.IAutomation with its method Search and its
// properties (through org.freedesktop.DBus.Properties). Every client that
// calls it holds it until it leaves the bus. Calls are answered on the
// window thread between events; one that arrives while a search runs waits
// for the search to end.
#pragma once

#include "automation/IAutomation.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QSet>
#include <QTimer>
#include <functional>

namespace tessellon {

class AutomationBusObject : public QDBusVirtualObject {
    Q_OBJECT
public:
    AutomationBusObject(IAutomation& automation, QDBusConnection connection,
                        QObject* parent = nullptr);
    ~AutomationBusObject() override;

    // Registers the object and takes the bus name; false, with the reason,
    // when another program holds the name or there is no session bus.
    bool publish(QString& failure);

    // A client that calls from a shell script holds the object for one call
    // only: the next call may come this much later.
    static constexpr int LeaveGraceMs = 5000;
    void setLeaveGrace(int milliseconds) { leaveGrace_.setInterval(milliseconds); }

    // Whether a search runs: calls then wait.
    std::function<bool()> busy;
    bool held() const { return !holders_.isEmpty(); }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

Q_SIGNALS:
    // The last client that held the object left the bus, and no other
    // came within the grace period.
    void lastClientLeft();

private:
    QDBusMessage answer(const QDBusMessage& call);
    QDBusMessage propertyGet(const QDBusMessage& call, const QString& name);
    QDBusMessage propertySet(const QDBusMessage& call, const QString& name, const QVariant& value);
    void hold(const QString& client);
    void release(const QString& client);
    void deliverWaiting();

    IAutomation& automation_;
    QDBusConnection connection_;
    QDBusServiceWatcher watcher_;
    QSet<QString> holders_;
    QList<QDBusMessage> waiting_;
    QTimer retry_;
    QTimer leaveGrace_;
    bool published_ = false;
};

} // namespace tessellon
