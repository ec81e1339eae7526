#include "indexing/remote/AccessToken.h"

#include "common/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

namespace tessellon {

QByteArray newAccessToken() {
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                          bytes.size() / int(sizeof(quint32)));
    return bytes.toHex();
}

bool tokensEqual(const QByteArray& given, const QByteArray& expected) {
    unsigned char difference = given.size() == expected.size() ? 0 : 1;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const char g = i < given.size() ? given[i] : 0;
        difference |= static_cast<unsigned char>(g ^ expected[i]);
    }
    return difference == 0 && !expected.isEmpty();
}

void writeSecretFile(const QString& path, const QByteArray& secret) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) &&
                         file.write(secret + '\n') == secret.size() + 1 && file.commit();
    if (!written)
        throw FileError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

QByteArray readSecretFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot read the token file %1: %2").arg(path, file.errorString()));
    const QByteArray secret = file.readAll().trimmed();
    if (secret.isEmpty())
        throw FileError(QStringLiteral("The token file %1 is empty").arg(path));
    return secret;
}

} // namespace tessellon
