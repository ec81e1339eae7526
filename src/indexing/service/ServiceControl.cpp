#include "indexing/service/ServiceControl.h"

#include "common/Error.h"
#include "common/TextFile.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/service/DaemonLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cerrno>
#include <csignal>

namespace tessellon::ServiceControl {

namespace {

// Whether the lock is held, and by the started daemon when one is named: a
// daemon holds its lock a moment before it writes its id into the lock file,
// over what was there (nothing, or the id of a daemon that was killed), and
// at idle priority that moment can be long.
bool heldBy(qint64 startedPid) {
    pid_t holder = 0;
    return DaemonLock::isHeld(ServicePaths::daemonLockFile(), &holder) &&
           (startedPid <= 0 || holder == startedPid);
}

// Waits until the service is (or is not) running. A started daemon counts
// as running once the lock file names it, so that whoever stops it next
// signals the right process; one that ends before that (another daemon won
// the lock) is given up on at once.
bool waitFor(bool running, int timeoutMs, qint64 startedPid = 0) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (running ? heldBy(startedPid) : !isRunning())
            return true;
        if (startedPid > 0 && ::kill(pid_t(startedPid), 0) != 0 && errno == ESRCH)
            break;
        QThread::msleep(20);
    }
    return isRunning() == running;
}

} // namespace

bool isRunning() {
    return DaemonLock::isHeld(ServicePaths::daemonLockFile());
}

QString defaultDaemonPath() {
    const QString name = QStringLiteral("tessellon-indexd");
    const QString fromEnvironment = qEnvironmentVariable("TESSELLON_BIN_DIR");
    if (!fromEnvironment.isEmpty() && QFileInfo::exists(fromEnvironment + '/' + name))
        return fromEnvironment + '/' + name;
    return QCoreApplication::applicationDirPath() + '/' + name;
}

void start(const QString& daemonPath) {
    if (isRunning())
        return;
    // The daemon's messages go to a log file beside its lock.
    const QString log = ServicePaths::dataDir() + QStringLiteral("/tessellon-indexd.log");
    QProcess daemon;
    daemon.setProgram(daemonPath);
    daemon.setStandardInputFile(QProcess::nullDevice());
    daemon.setStandardOutputFile(log, QIODevice::Append);
    daemon.setStandardErrorFile(log, QIODevice::Append);
    QDir().mkpath(ServicePaths::dataDir());
    const qint64 logStart = QFileInfo(log).size();
    qint64 pid = 0;
    if (!daemon.startDetached(&pid))
        throw Error(QStringLiteral("Cannot start the indexing service %1").arg(daemonPath));
    if (!waitFor(true, 5000, pid)) {
        const QString reason = TextFile::lastLine(log, logStart);
        throw Error(QStringLiteral("The indexing service did not start") +
                    (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    }
}

void stop() {
    pid_t pid = 0;
    if (!DaemonLock::isHeld(ServicePaths::daemonLockFile(), &pid))
        return;
    // A daemon that has only just taken its lock may not have written its id.
    QElapsedTimer clock;
    clock.start();
    while (pid <= 0 && clock.elapsed() < 5000) {
        QThread::msleep(20);
        if (!DaemonLock::isHeld(ServicePaths::daemonLockFile(), &pid))
            return;
    }
    if (pid <= 0 || ::kill(pid, SIGTERM) != 0)
        throw Error(QStringLiteral("Cannot signal the indexing service (process %1)").arg(pid));
    if (!waitFor(false, 5000))
        throw Error(QStringLiteral("The indexing service (process %1) did not end").arg(pid));
}

} // namespace tessellon::ServiceControl
