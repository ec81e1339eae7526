// What every fuzz target shares: Qt set up once per process as the program
// sets it up (C locale, UTC), and a scratch file for the readers that take
// a path rather than bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace tessellon::fuzz {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A folder of this process's own, removed when the process ends.
QString scratchFolder();
// Writes the bytes to the one scratch file of this process; its path.
QString writeScratchFile(const QByteArray& content);

} // namespace tessellon::fuzz
