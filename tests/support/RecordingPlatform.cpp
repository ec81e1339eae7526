#include "support/RecordingPlatform.h"

#include "common/Error.h"

#include <QFile>

std::optional<QString> MemorySettingsStore::readString(const QString& group, const QString& name) {
    const auto it = values.constFind(group + u'/' + name);
    if (it == values.constEnd())
        return std::nullopt;
    return *it;
}

void MemorySettingsStore::writeString(const QString& group, const QString& name,
                                      const QString& value) {
    if (failWrites)
        throw tessellon::Error(QStringLiteral("settings cannot be written"));
    values.insert(group + u'/' + name, value);
}

namespace {
bool takeFront(std::deque<bool>& queue) {
    if (queue.empty())
        return false;
    const bool value = queue.front();
    queue.pop_front();
    return value;
}

std::optional<QString> takeFront(std::deque<QString>& queue) {
    if (queue.empty())
        return std::nullopt;
    const QString value = queue.front();
    queue.pop_front();
    if (value.isNull())
        return std::nullopt;
    return value;
}
} // namespace

void RecordingPlatform::showMessage(const QString& text) {
    calls << QStringLiteral("message: ") + text;
    messages << text;
}

bool RecordingPlatform::askYesNo(const QString& caption, const QString& text,
                                 tessellon::Answer defaultAnswer) {
    calls << QStringLiteral("question: ") + caption + u'|' + text +
                 (defaultAnswer == tessellon::Answer::No ? QStringLiteral(" [No]") : QString());
    return takeFront(yesNoAnswers);
}

void RecordingPlatform::setBusyCursor() {
    calls << QStringLiteral("busy");
    busy = true;
}

void RecordingPlatform::setNormalCursor() {
    calls << QStringLiteral("normal");
    busy = false;
}

void RecordingPlatform::processPendingEvents() {
    calls << QStringLiteral("events");
    if (onEvents)
        onEvents();
}

void RecordingPlatform::sleep(int milliseconds) {
    calls << QStringLiteral("sleep %1").arg(milliseconds);
    if (onSleep)
        onSleep();
}

bool RecordingPlatform::shellOpen(const QString& target) {
    calls << QStringLiteral("open: ") + target;
    return true;
}

bool RecordingPlatform::startDetached(const QString& program, const QStringList& arguments,
                                      const QString& errorFile) {
    calls << QStringLiteral("start: ") + program + u' ' + arguments.join(u' ');
    if (!errorFile.isEmpty()) {
        QFile file(errorFile);
        if (file.open(QIODevice::WriteOnly))
            file.write(errorOutput);
    }
    return true;
}

std::optional<QString> RecordingPlatform::chooseFolder(const QString& title) {
    calls << QStringLiteral("folder chooser: ") + title;
    return takeFront(folderAnswers);
}

std::optional<QString>
RecordingPlatform::chooseOpenFile(const tessellon::FileDialogRequest& request) {
    calls << QStringLiteral("open dialog: ") + request.title;
    fileDialogs << request;
    return takeFront(openFileAnswers);
}

std::optional<QString>
RecordingPlatform::chooseSaveFile(const tessellon::FileDialogRequest& request) {
    calls << QStringLiteral("save dialog: ") + request.title;
    fileDialogs << request;
    return takeFront(saveFileAnswers);
}

int RecordingPlatform::fileIconIndex(const QString& path) {
    calls << QStringLiteral("icon: ") + path;
    return 7;
}
