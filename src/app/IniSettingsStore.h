// The per-user settings value in a QSettings INI file (organisation Korvane,
// application Tessellon), one group per settings key.
#pragma once

#include "common/Platform.h"

namespace tessellon {

class IniSettingsStore : public SettingsStore {
public:
    // The user's INI file, or the one at `iniPath` when given.
    explicit IniSettingsStore(QString iniPath = {});

    std::optional<QString> readString(const QString& group, const QString& name) override;
    void writeString(const QString& group, const QString& name, const QString& value) override;

private:
    QString iniPath_;
};

} // namespace tessellon
