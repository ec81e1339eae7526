// The daemon's single-instance lock: an exclusive flock on a file in the
// data folder, held for the daemon's life and released by the kernel however
// the daemon ends (even by SIGKILL). Holding it is what "the indexing service
// runs" means; the file also holds the daemon's process id.
#pragma once

#include <QString>
#include <sys/types.h>

namespace tessellon {

class DaemonLock {
public:
    explicit DaemonLock(QString file);
    ~DaemonLock();
    DaemonLock(const DaemonLock&) = delete;
    DaemonLock& operator=(const DaemonLock&) = delete;

    // Takes the lock, emptying the file of an earlier holder's process id;
    // false when another holds it.
    bool acquire();
    // Writes our process id into the file: the daemon is ready, and this is
    // what starting it waits for.
    void announce();

    // Whether some process holds the lock now, and which one.
    static bool isHeld(const QString& file, pid_t* holder = nullptr);

private:
    QString file_;
    int fd_ = -1;
};

} // namespace tessellon
