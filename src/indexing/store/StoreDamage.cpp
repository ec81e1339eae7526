#include "indexing/store/StoreDamage.h"

#include <QFile>
#include <QSaveFile>

namespace tessellon::StoreDamage {

namespace {

QString markerFile(const QString& storeFile) {
    return storeFile + QStringLiteral("-damaged");
}

} // namespace

void mark(const QString& storeFile, const QString& what) {
    QSaveFile marker(markerFile(storeFile));
    if (marker.open(QIODevice::WriteOnly)) {
        marker.write(what.toUtf8());
        marker.commit();
    }
}

QString marked(const QString& storeFile) {
    QFile marker(markerFile(storeFile));
    if (!marker.open(QIODevice::ReadOnly))
        return {};
    const QString what = QString::fromUtf8(marker.readAll()).trimmed();
    return what.isEmpty() ? QStringLiteral("damaged") : what;
}

void clear(const QString& storeFile) {
    QFile::remove(markerFile(storeFile));
}

} // namespace tessellon::StoreDamage
