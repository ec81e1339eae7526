// What every real platform shares, with a display or without: the clock,
// sleeping, starting programs, the computer's name and the user's settings
// file.
#pragma once

#include "app/IniSettingsStore.h"
#include "common/Platform.h"

namespace tessellon {

class SystemPlatform : public Platform {
public:
    // The settings live in the user's INI file, or in `settingsPath` when given.
    explicit SystemPlatform(QString settingsPath = {});

    void sleep(int milliseconds) override;
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& errorFile) override;
    QString computerName() override;
    QDateTime now() override;
    SettingsStore& settings() override { return settings_; }

private:
    IniSettingsStore settings_;
};

} // namespace tessellon
