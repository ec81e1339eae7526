#include "app/HeadlessPlatform.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <cstdio>

namespace tessellon {

void HeadlessPlatform::showMessage(const QString& text) {
    std::fprintf(stderr, "Tessellon: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

bool HeadlessPlatform::askYesNo(const QString& caption, const QString& text) {
    showMessage(caption + QStringLiteral(": ") + text + QStringLiteral(" (answered No)"));
    return false;
}

void HeadlessPlatform::processPendingEvents() {
    QCoreApplication::processEvents();
}

void HeadlessPlatform::sleep(int milliseconds) {
    QThread::msleep(milliseconds);
}

bool HeadlessPlatform::shellOpen(const QString& target) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {target});
}

bool HeadlessPlatform::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QString HeadlessPlatform::computerName() {
    return QSysInfo::machineHostName();
}

} // namespace tessellon
