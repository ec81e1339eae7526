// The desktop's applications for a file's type, as the result list's actions
// need them: which type a file has, which application opens it by default,
// which others are registered for it, and starting one of them or showing a
// file in its folder. The desktop implementation reads the freedesktop MIME
// registrations; tests use a fake.
#pragma once

#include <QString>
#include <QVector>
#include <optional>

namespace tessellon {

struct DesktopApplication {
    QString id;   // the desktop's identifier, used to start it
    QString name; // what the user sees
};

class FileTypeApplications {
public:
    virtual ~FileTypeApplications() = default;

    // The file's MIME type, from its content or else its name.
    virtual QString contentType(const QString& path) = 0;
    // Nothing when no application is registered for the type.
    virtual std::optional<DesktopApplication> defaultApplication(const QString& type) = 0;
    // Every application registered for the type, in the desktop's order.
    virtual QVector<DesktopApplication> applications(const QString& type) = 0;
    // Starts the application with the file; the reason when it cannot.
    virtual std::optional<QString> launch(const QString& applicationId, const QString& path) = 0;
    // Shows the file's folder with the file selected; the reason when it cannot.
    virtual std::optional<QString> showInFolder(const QString& path) = 0;
};

} // namespace tessellon
