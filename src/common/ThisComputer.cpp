#include "common/ThisComputer.h"

#include <QSysInfo>

namespace tessellon {

QString thisComputerName() {
    return QSysInfo::machineHostName();
}

bool namesThisComputer(const QString& host, const QString& thisName) {
    return host.isEmpty() || host == u"." || host.compare(thisName, Qt::CaseInsensitive) == 0;
}

} // namespace tessellon
