#include "automation/BusRegistration.h"

#include "common/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tessellon {

namespace {

// The switch after its "/" or "-", upper-cased, or empty.
QString switchName(const QString& argument) {
    if (argument.size() < 2 || (argument[0] != u'/' && argument[0] != u'-'))
        return {};
    return argument.mid(1).toUpper();
}

} // namespace

std::optional<RegistrationRequest> registrationRequest(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        const QString name = switchName(argument);
        if (name == u"REGSERVER")
            return RegistrationRequest{false, false};
        if (name == u"UNREGSERVER")
            return RegistrationRequest{true, false};
        if (name == u"REGSERVERPERUSER")
            return RegistrationRequest{false, true};
        if (name == u"UNREGSERVERPERUSER")
            return RegistrationRequest{true, true};
    }
    return std::nullopt;
}

bool startedByBus(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        const QString name = switchName(argument);
        if (name == u"EMBEDDING" || name == u"AUTOMATION")
            return true;
    }
    return false;
}

QString activationFile(bool perUser, const QString& programFolder) {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder =
        perUser ? dataHome : QDir::cleanPath(programFolder + QStringLiteral("/../share"));
    return folder + QStringLiteral("/dbus-1/services/") + AutomationBusName +
           QStringLiteral(".service");
}

QString activationFileContent(const QString& programPath) {
    // The bus reads Exec= as a shell would: a path with blanks, quotes or
    // backslashes goes in double quotes, with its '"' and '\' escaped.
    static const QString special = QStringLiteral(" \t\"'\\$`");
    const bool plain = std::none_of(programPath.cbegin(), programPath.cend(),
                                    [](QChar c) { return special.contains(c); });
    QString quoted = programPath;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    const QString program = plain ? programPath : u'"' + quoted + u'"';
    return QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2 -AUTOMATION\n")
        .arg(AutomationBusName, program);
}

void applyRegistration(const RegistrationRequest& request, const QString& programPath) {
    const QString file = activationFile(request.perUser, QFileInfo(programPath).absolutePath());
    if (request.unregister) {
        QFile::remove(file);
        return;
    }
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        throw FileError(QStringLiteral("Cannot create the folder of %1").arg(file));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(activationFileContent(programPath).toUtf8()) < 0 || !out.commit())
        throw FileError(QStringLiteral("Cannot write %1: %2").arg(file, out.errorString()));
}

} // namespace tessellon
