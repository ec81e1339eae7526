#include "app/IniSettingsStore.h"

#include "common/Error.h"

#include <QSettings>
#include <memory>

namespace tessellon {

namespace {
std::unique_ptr<QSettings> settingsFile() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Korvane"), QStringLiteral("Tessellon"));
}
} // namespace

std::optional<QString> IniSettingsStore::readString(const QString& group, const QString& name) {
    const auto settings = settingsFile();
    if (settings->status() != QSettings::NoError)
        throw Error(QStringLiteral("The settings file \"%1\" cannot be read.")
                        .arg(settings->fileName()));
    const QString key = group + u'/' + name;
    if (!settings->contains(key))
        return std::nullopt;
    return settings->value(key).toString();
}

void IniSettingsStore::writeString(const QString& group, const QString& name,
                                   const QString& value) {
    const auto settings = settingsFile();
    settings->setValue(group + u'/' + name, value);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw Error(QStringLiteral("The settings cannot be written to \"%1\".")
                        .arg(settings->fileName()));
}

} // namespace tessellon
