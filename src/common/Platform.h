// Everything the program asks of the desktop goes through this interface: the
// Qt windows implement it, batch runs without a display use a headless form
// whose message boxes print to stderr, and tests use a recording fake.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace tessellon {

// One file dialog: its title, its filter in the form of the original program
// ("Search files (*.tsn)|*.tsn|All files (*.*)|*.*"), the extension appended
// to a name typed without one, and the name it starts with.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;
    QString initialFileName;
};

// The one string value per user that keeps the last search between runs.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value, or nothing when it was never written. Throws on a read error.
    virtual std::optional<QString> readString(const QString& group, const QString& name) = 0;
    // Throws Error when the value cannot be written.
    virtual void writeString(const QString& group, const QString& name, const QString& value) = 0;
};

// The two buttons of a question.
enum class Answer { Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // A message box with one OK button (the general error report uses it too).
    virtual void showMessage(const QString& text) = 0;
    // A Yes/No question box; true for Yes.
    // `defaultAnswer` is what Enter chooses.
    virtual bool askYesNo(const QString& caption, const QString& text,
                          Answer defaultAnswer = Answer::Yes) = 0;

    virtual void setBusyCursor() = 0;
    virtual void setNormalCursor() = 0;
    // Lets pending window events run once (the status memo repaints).
    virtual void processPendingEvents() = 0;
    // Blocks the window thread for the given time.
    virtual void sleep(int milliseconds) = 0;

    // Opens a file, folder or address with the desktop's default handler.
    virtual bool shellOpen(const QString& target) = 0;
    // Starts a program without waiting for it; false when it cannot start.
    // Its error output goes to `errorFile` (nowhere when empty).
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& errorFile) = 0;

    // The folder chooser; nothing when the user cancels.
    virtual std::optional<QString> chooseFolder(const QString& title) = 0;
    virtual std::optional<QString> chooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseSaveFile(const FileDialogRequest& request) = 0;

    virtual QString computerName() = 0;
    virtual SettingsStore& settings() = 0;
    virtual QDateTime now() = 0;

    // Index of the small icon for a local file in the result list's icon
    // list (the platform keeps the list); -1 when it has none.
    virtual int fileIconIndex(const QString& path) = 0;
};

} // namespace tessellon
