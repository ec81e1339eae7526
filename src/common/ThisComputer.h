// Which host names mean this computer: none, ".", and its own host name,
// letter case ignored.
#pragma once

#include <QString>

namespace tessellon {

QString thisComputerName();
bool namesThisComputer(const QString& host, const QString& thisName = thisComputerName());

} // namespace tessellon
