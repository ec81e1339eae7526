#include "catalogs/IndexingServiceCommand.h"

#include <QCoreApplication>
#include <QDir>

namespace tessellon {

namespace {
QString adminProgram() {
    const QString besideUs = QCoreApplication::applicationDirPath();
    return QDir(besideUs).filePath(QStringLiteral("tessellon-admin"));
}
} // namespace

ServiceCommand startServiceCommand() {
    return {adminProgram(), {QStringLiteral("service"), QStringLiteral("start")}};
}

ServiceCommand stopServiceCommand() {
    return {adminProgram(), {QStringLiteral("service"), QStringLiteral("stop")}};
}

} // namespace tessellon
