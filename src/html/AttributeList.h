// The attributes of one tag as the parser found them: lower-case names with
// lower-case values, in source order, a later equal name replacing the value.
#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace tessellon {

class AttributeList {
public:
    void set(const QString& name, const QString& value);
    bool has(const QString& name) const;
    // The value, or an empty text when the name is absent.
    QString value(const QString& name) const;
    qsizetype size() const { return entries_.size(); }
    bool isEmpty() const { return entries_.isEmpty(); }
    const QList<std::pair<QString, QString>>& entries() const { return entries_; }

private:
    QList<std::pair<QString, QString>> entries_;
};

} // namespace tessellon
