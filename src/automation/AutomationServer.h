// The automation object of a running program, served on the session bus.
#pragma once

#include "app/TKorvaneTessellonMain.h"
#include "automation/Automation.h"
#include "automation/AutomationBusObject.h"

namespace tessellon {

class AutomationServer {
public:
    AutomationServer(TKorvaneTessellonMain& main, QueryProvider& provider,
                     QDBusConnection connection = QDBusConnection::sessionBus());

    // False, with the reason, when it cannot be served.
    bool publish(QString& failure) { return busObject_.publish(failure); }
    // Whether a client holds the object.
    bool held() const { return busObject_.held(); }
    AutomationBusObject& busObject() { return busObject_; }

private:
    Automation automation_;
    AutomationBusObject busObject_;
};

} // namespace tessellon
