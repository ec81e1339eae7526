// The secret that every request to a host's indexing service carries: made
// from the system's random source, kept in files only the owner can read,
// and compared in constant time.
#pragma once

#include <QByteArray>
#include <QString>

namespace tessellon {

// 64 hexadecimal digits (256 random bits).
QByteArray newAccessToken();
// Equal texts; the time taken does not depend on where they differ.
bool tokensEqual(const QByteArray& given, const QByteArray& expected);

// Writes the file readable and writable by its owner only, replacing it
// whole; throws FileError.
void writeSecretFile(const QString& path, const QByteArray& secret);
// The secret without surrounding blanks; throws FileError when the file
// cannot be read or holds nothing.
QByteArray readSecretFile(const QString& path);

} // namespace tessellon
