// What a filter gives for one document: its text and its own properties, and
// how filtering went (the store's filter_state).
#pragma once

#include <QString>
#include <QStringList>

namespace tessellon {

enum class FilterState { Waiting = 0, Filtered = 1, PropertiesOnly = 2, Failed = 3 };

struct FilterResult {
    FilterState state = FilterState::PropertiesOnly;
    QString text;
    QString title;
    QString subject;
    QString author;
    QStringList keywords;
    QString comments;
    QString error; // the failure's message when state is Failed
    // Failed because this user may not read the file, not for its content.
    bool unreadable = false;
    // Failed because the file was gone by the time it was read.
    bool vanished = false;

    static FilterResult failed(const QString& message) {
        FilterResult r;
        r.state = FilterState::Failed;
        r.error = message;
        return r;
    }
    static FilterResult unreadableFile(const QString& message) {
        FilterResult r = failed(message);
        r.unreadable = true;
        return r;
    }
};

} // namespace tessellon
