#include "app/SystemPlatform.h"

#include <QProcess>
#include <QSysInfo>
#include <QThread>

namespace tessellon {

SystemPlatform::SystemPlatform(QString settingsPath) : settings_(std::move(settingsPath)) {}

void SystemPlatform::sleep(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

bool SystemPlatform::startDetached(const QString& program, const QStringList& arguments,
                                   const QString& errorFile) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(errorFile.isEmpty() ? QProcess::nullDevice() : errorFile);
    return process.startDetached();
}

QString SystemPlatform::computerName() {
    return QSysInfo::machineHostName();
}

QDateTime SystemPlatform::now() {
    return QDateTime::currentDateTime();
}

} // namespace tessellon
