// The per-user settings file (INI format, organisation Korvane, application
// Tessellon) that keeps the last search between runs.
#pragma once

#include "common/Platform.h"

namespace tessellon {

class IniSettingsStore : public SettingsStore {
public:
    std::optional<QString> readString(const QString& group, const QString& name) override;
    void writeString(const QString& group, const QString& name, const QString& value) override;
};

} // namespace tessellon
