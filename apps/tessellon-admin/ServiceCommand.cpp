// `service start|stop|status`: the daemon, started detached, stopped by
// SIGTERM, and whether it runs.
#include "AdminCommand.h"

#include "common/AdminIndexServer.h"
#include "indexing/service/LocalCatalogManagement.h"

namespace tessellon::admin {

int service(const QStringList& args, QTextStream& out, QTextStream&) {
    const QString action = singleArgument(args, QStringLiteral("of start, stop or status"));
    LocalCatalogManagement management;
    if (action == QLatin1String("start")) {
        management.startService();
        out << serviceStateText(true) << '\n';
    } else if (action == QLatin1String("stop")) {
        management.stopService();
        out << serviceStateText(false) << '\n';
    } else if (action == QLatin1String("status")) {
        const bool running = management.serviceRunning();
        out << serviceStateText(running) << '\n';
        return running ? 0 : 3;
    } else {
        throw UsageError(QStringLiteral("unknown action '%1'").arg(action));
    }
    return 0;
}

} // namespace tessellon::admin
