// Reading and writing the program's text files (search files, query files,
// reports). Written files are UTF-8 without a byte-order mark, every line ended
// by CR LF, and replace the target only when complete (no partial file is ever
// left behind). Reading honours UTF-8 and UTF-16 byte-order marks and UTF-16
// without one, else takes UTF-8 and reads bytes that are not valid UTF-8 as
// Windows-1252, so files written on Windows still load.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <optional>

namespace tessellon::TextFile {

// Decodes file content by the rules above; UTF-16 without a byte-order
// mark is recognised by its shape (see utf16Order).
QString decode(const QByteArray& bytes);

// UTF-16 without a byte-order mark: mostly ASCII text leaves a zero byte in
// every other position of its first 4 KiB. The byte order, or none.
std::optional<QStringConverter::Encoding> utf16Order(const QByteArray& bytes);

// Splits text into lines at CR LF, LF or CR. A final line break does not start
// another (empty) line.
QStringList splitLines(const QString& text);

// The largest file readText reads: far beyond any search or query file.
inline constexpr qint64 MaxBytes = 16 << 20;

// Reads the whole of a regular file of at most MaxBytes as text; throws
// FileError naming the path and saying why otherwise.
QString readText(const QString& path);
QStringList readLines(const QString& path);

// The last line that is not blank of the file's part from `from` on (at
// most its last 4 KiB), without surrounding blanks; empty when the file
// cannot be read or that part holds none. For the messages a program
// leaves in a log or an error file.
QString lastLine(const QString& path, qint64 from = 0);

// Writes every line followed by CR LF; throws FileError naming the path.
void writeLines(const QString& path, const QStringList& lines);

} // namespace tessellon::TextFile
