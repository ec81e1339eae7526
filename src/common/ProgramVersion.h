// The program's version, as `tessellon --version` prints it, and its four
// parts major, minor, release and build (a missing part counts as 0).
#pragma once

#include <QString>
#include <array>

namespace tessellon {

inline QString programVersion() {
    return QStringLiteral(TESSELLON_VERSION);
}

std::array<unsigned, 4> versionParts(const QString& version);

} // namespace tessellon
