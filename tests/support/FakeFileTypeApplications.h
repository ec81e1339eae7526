// The desktop's applications for tests: types by file extension, the
// registered applications per type, and a record of every start.
#pragma once

#include "common/FileTypeApplications.h"

#include <QMap>
#include <QStringList>

class FakeFileTypeApplications : public tessellon::FileTypeApplications {
public:
    QString contentType(const QString& path) override;
    std::optional<tessellon::DesktopApplication> defaultApplication(const QString& type) override;
    QVector<tessellon::DesktopApplication> applications(const QString& type) override;
    std::optional<QString> launch(const QString& applicationId, const QString& path) override;
    std::optional<QString> showInFolder(const QString& path) override;

    QMap<QString, QString> typeOfExtension;                           // "txt" -> "text/plain"
    QMap<QString, QVector<tessellon::DesktopApplication>> registered; // the default first
    QString launchError;                                              // every start fails with it
    QStringList calls; // "launch <id> <path>", "show <path>"
};
