// The platform of a batch run without a display: message boxes go to stderr
// as "Tessellon: <text>", questions answer No, dialogs are cancelled, and
// nothing waits for a user.
#pragma once

#include "app/SystemPlatform.h"

namespace tessellon {

class HeadlessPlatform : public SystemPlatform {
public:
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text, Answer defaultAnswer) override;
    void setBusyCursor() override {}
    void setNormalCursor() override {}
    void processPendingEvents() override;
    bool shellOpen(const QString& target) override;
    std::optional<QString> chooseFolder(const QString&) override { return std::nullopt; }
    std::optional<QString> chooseOpenFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    int fileIconIndex(const QString&) override { return -1; }
};

} // namespace tessellon
