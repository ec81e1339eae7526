#include "app/HeadlessPlatform.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

namespace tessellon {

void HeadlessPlatform::showMessage(const QString& text) {
    std::fprintf(stderr, "Tessellon: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

bool HeadlessPlatform::askYesNo(const QString& caption, const QString& text, Answer) {
    showMessage(caption + QStringLiteral(": ") + text + QStringLiteral(" (answered No)"));
    return false;
}

void HeadlessPlatform::processPendingEvents() {
    QCoreApplication::processEvents();
}

bool HeadlessPlatform::shellOpen(const QString& target) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {target});
}

} // namespace tessellon
