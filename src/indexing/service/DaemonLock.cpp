#include "indexing/service/DaemonLock.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessellon {

DaemonLock::DaemonLock(QString file) : file_(std::move(file)) {}

DaemonLock::~DaemonLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool DaemonLock::acquire() {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    fd_ = ::open(QFile::encodeName(file_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return false;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    // The lock counts; the id is only a help for starting and stopping.
    [[maybe_unused]] const int emptied = ::ftruncate(fd_, 0);
    return true;
}

void DaemonLock::announce() {
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    [[maybe_unused]] const ssize_t written = ::pwrite(fd_, pid.constData(), size_t(pid.size()), 0);
}

bool DaemonLock::isHeld(const QString& file, pid_t* holder) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (!held)
        ::flock(fd, LOCK_UN);
    if (held && holder) {
        char buffer[32] = {};
        const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
        *holder = n > 0 ? pid_t(QByteArray(buffer, n).trimmed().toLongLong()) : 0;
    }
    ::close(fd);
    return held;
}

} // namespace tessellon
