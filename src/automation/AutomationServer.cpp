#include "automation/AutomationServer.h"

#include "common/ProgramVersion.h"

namespace tessellon {

AutomationServer::AutomationServer(TKorvaneTessellonMain& main, QueryProvider& provider,
                                   QDBusConnection connection)
    : automation_(main, provider, programVersion()), busObject_(automation_, connection) {
    busObject_.busy = [&main] { return main.searching; };
}

} // namespace tessellon
