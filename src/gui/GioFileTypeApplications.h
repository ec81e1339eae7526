// The desktop's applications for a file type through GIO, which reads the
// freedesktop MIME database, the .desktop files and mimeapps.list itself.
#pragma once

#include "common/FileTypeApplications.h"

namespace tessellon {

class GioFileTypeApplications : public FileTypeApplications {
public:
    QString contentType(const QString& path) override;
    std::optional<DesktopApplication> defaultApplication(const QString& type) override;
    QVector<DesktopApplication> applications(const QString& type) override;
    std::optional<QString> launch(const QString& applicationId, const QString& path) override;
    // Through the file manager's D-Bus interface when one owns its name on
    // the session bus, else the folder opens with its default application.
    std::optional<QString> showInFolder(const QString& path) override;
};

} // namespace tessellon
