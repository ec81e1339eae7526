// The texts of `tessellon --help` and `tessellon --version`.
#pragma once

#include <QString>
#include <QStringList>

namespace tessellon {

QString usageText();
QString versionText();

// Whether the command line asks for help or the version instead of a search.
enum class InfoRequest { None, Help, Version };
InfoRequest infoRequest(const QStringList& arguments);

} // namespace tessellon
