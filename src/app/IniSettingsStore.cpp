#include "app/IniSettingsStore.h"

#include "common/Error.h"

#include <QSettings>
#include <memory>

namespace tessellon {

namespace {

std::unique_ptr<QSettings> openSettings(const QString& iniPath) {
    if (iniPath.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("Korvane"), QStringLiteral("Tessellon"));
    return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

} // namespace

IniSettingsStore::IniSettingsStore(QString iniPath) : iniPath_(std::move(iniPath)) {}

std::optional<QString> IniSettingsStore::readString(const QString& group, const QString& name) {
    const auto settings = openSettings(iniPath_);
    if (settings->status() != QSettings::NoError)
        throw Error(
            QStringLiteral("The settings file %1 cannot be read.").arg(settings->fileName()));
    settings->beginGroup(group);
    if (!settings->contains(name))
        return std::nullopt;
    return settings->value(name).toString();
}

void IniSettingsStore::writeString(const QString& group, const QString& name,
                                   const QString& value) {
    const auto settings = openSettings(iniPath_);
    settings->beginGroup(group);
    settings->setValue(name, value);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError || !settings->isWritable())
        throw Error(
            QStringLiteral("The settings cannot be written to %1.").arg(settings->fileName()));
}

} // namespace tessellon
