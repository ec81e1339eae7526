#include "indexing/filters/FileContent.h"

#include "common/Error.h"
#include "common/PathCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessellon::FileContent {

namespace {

[[noreturn]] void fail(const QByteArray& path, int error) {
    throw FileError(QStringLiteral("Cannot read %1: %2")
                        .arg(PathCodec::fromBytes(path), QString::fromLocal8Bit(strerror(error))));
}

} // namespace

QByteArray read(const QByteArray& path, qint64 maxBytes) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fail(path, errno);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(fd);
        fail(path, S_ISREG(st.st_mode) ? error : EINVAL);
    }
    QByteArray bytes;
    bytes.resize(qsizetype(std::min<qint64>(maxBytes, std::max<qint64>(st.st_size, 0))));
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            fail(path, error);
        }
        if (n == 0)
            break; // truncated while we read
        filled += n;
    }
    ::close(fd);
    bytes.truncate(filled);
    return bytes;
}

std::optional<QString> forbidden(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return std::nullopt;
    }
    if (errno != EACCES && errno != EPERM)
        return std::nullopt;
    return QString::fromLocal8Bit(strerror(errno));
}

} // namespace tessellon::FileContent
