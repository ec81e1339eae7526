// The platform of a batch run without a display: message boxes go to stderr
// as "Tessellon: <text>", questions answer No, dialogs are cancelled, and
// nothing waits for a user.
#pragma once

#include "app/IniSettingsStore.h"
#include "common/Platform.h"

namespace tessellon {

class HeadlessPlatform : public Platform {
public:
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    void setBusyCursor() override {}
    void setNormalCursor() override {}
    void processPendingEvents() override;
    void sleep(int milliseconds) override;
    bool shellOpen(const QString& target) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    std::optional<QString> chooseFolder(const QString&) override { return std::nullopt; }
    std::optional<QString> chooseOpenFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    QString computerName() override;
    SettingsStore& settings() override { return settings_; }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    int fileIconIndex(const QString&) override { return -1; }

private:
    IniSettingsStore settings_;
};

} // namespace tessellon
