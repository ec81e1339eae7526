// tessellon-indexd: the indexing service daemon, one per user. It holds the
// service's lock for its whole life (that is what "running" means to the
// administration), works at idle CPU and I/O priority, and ends cleanly on
// SIGTERM or SIGINT: the transaction in progress commits whole.
#include "common/Error.h"
#include "common/ProgramVersion.h"
#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/RemoteServer.h"
#include "indexing/service/DaemonLock.h"
#include "indexing/service/IndexDaemon.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace tessellon;

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

void lowerPriority() {
    ::setpriority(PRIO_PROCESS, 0, 19);
    // ioprio_set(IOPRIO_WHO_PROCESS, self, IOPRIO_CLASS_IDLE): there is no
    // libc wrapper for it.
    constexpr int WhoProcess = 1;
    constexpr int ClassIdle = 3;
    constexpr int ClassShift = 13;
    ::syscall(SYS_ioprio_set, WhoProcess, 0, ClassIdle << ClassShift);
}

bool acquireWithRetry(DaemonLock& lock) {
    // A look at the lock by the administration holds it shared for an
    // instant; a few tries tell that apart from a running daemon.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (lock.acquire())
            return true;
        QThread::msleep(30);
    }
    return false;
}

// Answers other computers when the settings say so. A failure is logged and
// leaves the indexing running.
std::unique_ptr<RemoteServer> startRemoteAccess(QTextStream& log) {
    try {
        const RemoteSettings settings = RemoteSettings::load();
        if (!settings.enabled)
            return nullptr;
        auto remote = std::make_unique<RemoteServer>(
            settings, readSecretFile(RemoteSettings::tokenFile()), [](const QString& line) {
                std::fprintf(stderr, "tessellon-indexd: %s\n", line.toLocal8Bit().constData());
            });
        remote->start();
        log << "tessellon-indexd: answering other computers on " << settings.listen()
            << (settings.tls() ? " with TLS" : " without TLS") << Qt::endl;
        return remote;
    } catch (const std::exception& e) {
        log << "tessellon-indexd: no remote access: " << errorMessage(e) << Qt::endl;
        return nullptr;
    }
}

const char* const Usage = R"(usage: tessellon-indexd [--help | --version]
  The indexing service: keeps the catalogs of catalogs.ini up to date and,
  when remote access is on, answers other computers. Start and stop it with
  tessellon-admin service start|stop.
)";

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream log(stderr);
    if (argc > 1) {
        const QString arg = QString::fromLocal8Bit(argv[1]);
        if (argc == 2 && (arg == u"--help" || arg == u"-h")) {
            QTextStream(stdout) << Usage;
            return 0;
        }
        if (argc == 2 && arg == u"--version") {
            QTextStream(stdout) << "tessellon-indexd " << programVersion() << '\n';
            return 0;
        }
        log << "tessellon-indexd: unknown argument '" << arg << "'\n" << Usage;
        return 2;
    }
    DaemonLock lock(ServicePaths::daemonLockFile());
    if (!acquireWithRetry(lock)) {
        log << "tessellon-indexd: the indexing service is already running\n";
        return 1;
    }
    lowerPriority();
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return 1;
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGPIPE, SIG_IGN);

    IndexDaemon daemon(CatalogRegistry(ServicePaths::registryFile()), log);
    QSocketNotifier signals(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signals, &QSocketNotifier::activated, &app, [&] {
        log << "tessellon-indexd: ending\n" << Qt::flush;
        daemon.shutdown();
        app.quit();
    });
    // Listening before the lock names us: whoever started the service may
    // ask it at once.
    const std::unique_ptr<RemoteServer> remote = startRemoteAccess(log);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&remote] {
        if (remote)
            remote->stop();
    });
    lock.announce();
    daemon.start();
    return app.exec();
}
