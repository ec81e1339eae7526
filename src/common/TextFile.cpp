#include "common/TextFile.h"

#include "common/Error.h"
#include "common/Utf8.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace tessellon::TextFile {

namespace {

QString decodeUtf8WithFallback(const QByteArray& bytes) {
    QStringDecoder windows1252("windows-1252");
    return Utf8::decode(bytes, [&windows1252](QString& out, unsigned char byte) {
        out += windows1252.decode(QByteArray(1, char(byte)));
    });
}

} // namespace

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot open file \"%1\": %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("Cannot read file \"%1\": %2").arg(path, file.errorString()));
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
