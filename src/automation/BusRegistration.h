// The automation server's registration on the D-Bus session bus: the
// switches that write or remove its activation file, with which the bus
// starts the program when a client calls it and no instance runs.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tessellon {

inline const QString AutomationBusName = QStringLiteral("example.korvane.Tessellon");
inline const QString AutomationObjectPath = QStringLiteral("/example/korvane/Tessellon/Automation");
inline const QString AutomationInterface = QStringLiteral("example.korvane.Tessellon.IAutomation");

struct RegistrationRequest {
    bool unregister = false;
    bool perUser = false;
};

// "REGSERVER", "UNREGSERVER", "REGSERVERPERUSER" or "UNREGSERVERPERUSER"
// after "/" or "-", in any letter case, anywhere among the arguments.
std::optional<RegistrationRequest> registrationRequest(const QStringList& arguments);

// "EMBEDDING" or "AUTOMATION" after "/" or "-": the bus started the program.
bool startedByBus(const QStringList& arguments);

// The activation file: per user under $XDG_DATA_HOME (default
// ~/.local/share), for all users under the installation prefix (the folder
// above the program's own).
QString activationFile(bool perUser, const QString& programFolder);
QString activationFileContent(const QString& programPath);

// Writes or removes the activation file. Registering throws FileError when
// the file cannot be written; unregistering ignores what it cannot remove.
void applyRegistration(const RegistrationRequest& request, const QString& programPath);

} // namespace tessellon
