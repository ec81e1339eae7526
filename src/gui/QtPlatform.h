// The desktop for the Qt windows: message boxes, the busy cursor, folder and
// file dialogs, opening files with their program and the result list's file
// icons; the rest comes from SystemPlatform.
#pragma once

#include "app/SystemPlatform.h"
#include "gui/FileIconList.h"

#include <functional>

class QFileDialog;

namespace tessellon {

class QtPlatform : public SystemPlatform {
public:
    // The settings live in the user's INI file, or in `settingsPath` when given.
    explicit QtPlatform(QString settingsPath = {});
    ~QtPlatform() override;

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text, Answer defaultAnswer) override;
    void setBusyCursor() override;
    void setNormalCursor() override;
    void processPendingEvents() override;
    bool shellOpen(const QString& target) override;
    std::optional<QString> chooseFolder(const QString& title) override;
    std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseSaveFile(const FileDialogRequest& request) override;
    int fileIconIndex(const QString& path) override;

    const FileIconList& fileIcons() const { return icons_; }

    // Runs before pending events are processed, so that the windows show
    // what an operation has written so far (the status memo's "Searching ...").
    std::function<void()> beforeProcessingEvents;

private:
    std::optional<QString> runFileDialog(QFileDialog& dialog);

    FileIconList icons_;
    bool busy_ = false;
};

// Sets up a file dialog for the request: title, Qt name filters, default
// extension; save dialogs ask before they overwrite a file.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool forSaving);

} // namespace tessellon
