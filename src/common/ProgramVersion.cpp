#include "common/ProgramVersion.h"

#include <QStringList>

namespace tessellon {

std::array<unsigned, 4> versionParts(const QString& version) {
    const QStringList parts = version.split(u'.');
    std::array<unsigned, 4> numbers{};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        numbers[i] = parts[i].toUInt();
    return numbers;
}

} // namespace tessellon
