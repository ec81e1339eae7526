// A Platform for tests: records every call in order and answers from values
// the test sets beforehand.
#pragma once

#include "common/Platform.h"

#include <QMap>
#include <deque>
#include <functional>

class MemorySettingsStore : public tessellon::SettingsStore {
public:
    std::optional<QString> readString(const QString& group, const QString& name) override;
    void writeString(const QString& group, const QString& name, const QString& value) override;

    QMap<QString, QString> values; // key "group/name"
    bool failWrites = false;
};

class RecordingPlatform : public tessellon::Platform {
public:
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text,
                  tessellon::Answer defaultAnswer) override;
    void setBusyCursor() override;
    void setNormalCursor() override;
    void processPendingEvents() override;
    void sleep(int milliseconds) override;
    bool shellOpen(const QString& target) override;
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& errorFile) override;
    std::optional<QString> chooseFolder(const QString& title) override;
    std::optional<QString> chooseOpenFile(const tessellon::FileDialogRequest& request) override;
    std::optional<QString> chooseSaveFile(const tessellon::FileDialogRequest& request) override;
    QString computerName() override { return computer; }
    tessellon::SettingsStore& settings() override { return store; }
    QDateTime now() override { return clock; }
    int fileIconIndex(const QString& path) override;

    // Every call, as a short line ("message: text", "busy", "normal", ...).
    QStringList calls;
    // Runs at each processPendingEvents, where the windows repaint.
    std::function<void()> onEvents;
    // Runs at each sleep: what the world does while the program waits.
    std::function<void()> onSleep;
    QStringList messages;
    bool busy = false;
    // What a started program writes to its error file.
    QByteArray errorOutput;

    // Answers, taken in order; an empty queue answers No / cancel.
    std::deque<bool> yesNoAnswers;
    // A null QString answers "cancelled".
    std::deque<QString> folderAnswers;
    std::deque<QString> openFileAnswers;
    std::deque<QString> saveFileAnswers;
    QVector<tessellon::FileDialogRequest> fileDialogs;

    QString computer = QStringLiteral("TESTHOST");
    QDateTime clock = QDateTime(QDate(2014, 8, 15), QTime(10, 30), Qt::UTC);
    MemorySettingsStore store;
};
