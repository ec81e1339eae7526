// How the program starts and stops the indexing service: through
// `tessellon-admin service start|stop`, found beside the program itself.
#pragma once

#include <QString>
#include <QStringList>

namespace tessellon {

struct ServiceCommand {
    QString program;
    QStringList arguments;
};

ServiceCommand startServiceCommand();
ServiceCommand stopServiceCommand();

} // namespace tessellon
