#include "common/TextFile.h"

#include "common/Error.h"
#include "common/Utf8.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessellon::TextFile {

namespace {

QString decodeUtf8WithFallback(const QByteArray& bytes) {
    QStringDecoder windows1252("windows-1252");
    return Utf8::decode(bytes, [&windows1252](QString& out, unsigned char byte) {
        out += windows1252.decode(QByteArray(1, char(byte)));
    });
}

} // namespace

std::optional<QStringConverter::Encoding> utf16Order(const QByteArray& bytes) {
    constexpr qsizetype SniffBytes = 4096;
    const qsizetype n = std::min<qsizetype>(bytes.size(), SniffBytes) & ~qsizetype(1);
    if (n < 4)
        return std::nullopt;
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        evenZeros += bytes[i] == 0;
        oddZeros += bytes[i + 1] == 0;
    }
    const qsizetype pairs = n / 2;
    if (oddZeros * 10 >= pairs * 7 && evenZeros * 10 < pairs)
        return QStringConverter::Utf16LE;
    if (evenZeros * 10 >= pairs * 7 && oddZeros * 10 < pairs)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder d(QStringConverter::Utf16LE);
        return d.decode(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringConverter::Utf16BE);
        return d.decode(bytes.mid(2));
    }
    if (const auto order = utf16Order(bytes)) {
        QStringDecoder d(*order);
        return d.decode(bytes);
    }
    return decodeUtf8WithFallback(bytes);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << text.mid(start, i - start);
            i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

QString readText(const QString& path) {
    const auto cannot = [&path](const char* what, const QString& why) {
        return FileError(
            QStringLiteral("Cannot %1 file \"%2\": %3").arg(QLatin1String(what), path, why));
    };
    // Opened without waiting, so that a FIFO cannot hold the program, and
    // read only when it is a regular file: a device or a pipe could feed
    // it without end.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw cannot("open", QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw cannot("open", file.errorString());
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        throw cannot("open", QStringLiteral("it is not a regular file"));
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw cannot("read", file.errorString());
    if (bytes.size() > MaxBytes)
        throw cannot("read", QStringLiteral("it is larger than %1 MB").arg(MaxBytes >> 20));
    return decode(bytes);
}

QStringList readLines(const QString& path) {
    return splitLines(readText(path));
}

void writeLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(
            QStringLiteral("Cannot write file \"%1\": %2").arg(path, file.errorString()));
}

QString lastLine(const QString& path, qint64 from) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= from)
        return {};
    file.seek(std::max(from, file.size() - 4096));
    return QString::fromUtf8(file.readAll().trimmed().split('\n').last()).trimmed();
}

} // namespace tessellon::TextFile
