#include "support/FakeFileTypeApplications.h"

#include <QFileInfo>

using tessellon::DesktopApplication;

QString FakeFileTypeApplications::contentType(const QString& path) {
    return typeOfExtension.value(QFileInfo(path).suffix(),
                                 QStringLiteral("application/octet-stream"));
}

std::optional<DesktopApplication>
FakeFileTypeApplications::defaultApplication(const QString& type) {
    const QVector<DesktopApplication> all = registered.value(type);
    if (all.isEmpty())
        return std::nullopt;
    return all.first();
}

QVector<DesktopApplication> FakeFileTypeApplications::applications(const QString& type) {
    return registered.value(type);
}

std::optional<QString> FakeFileTypeApplications::launch(const QString& applicationId,
                                                        const QString& path) {
    calls << QStringLiteral("launch ") + applicationId + u' ' + path;
    if (launchError.isEmpty())
        return std::nullopt;
    return launchError;
}

std::optional<QString> FakeFileTypeApplications::showInFolder(const QString& path) {
    calls << QStringLiteral("show ") + path;
    return std::nullopt;
}
