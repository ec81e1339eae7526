// Starting, stopping and asking after the daemon tessellon-indexd on this
// machine, for tessellon-admin and for the program's service menu.
#pragma once

#include <QString>

namespace tessellon::ServiceControl {

bool isRunning();
// Starts the daemon detached and waits until it holds its lock; throws Error
// when it does not come up.
void start(const QString& daemonPath);
// Asks the daemon to end (SIGTERM) and waits until it has; throws Error when
// it does not end in time.
void stop();
// The daemon next to the running program, or in $TESSELLON_BIN_DIR.
QString defaultDaemonPath();

} // namespace tessellon::ServiceControl
