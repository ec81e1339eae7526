// Reads the first bytes of a regular file without following links or
// blocking on special files; a file truncated or deleted while it is read
// simply gives fewer bytes or a failure, never a crash.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessellon::FileContent {

// Up to maxBytes of the file; throws FileError with the system's reason.
QByteArray read(const QByteArray& path, qint64 maxBytes);

// The system's reason when this user may not open the file for reading
// ("Permission denied"), else nothing: every filter would fail on such a
// file for that one reason.
std::optional<QString> forbidden(const QByteArray& path);

} // namespace tessellon::FileContent
