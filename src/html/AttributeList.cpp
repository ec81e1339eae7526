#include "html/AttributeList.h"

namespace tessellon {

void AttributeList::set(const QString& name, const QString& value) {
    for (auto& entry : entries_) {
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    }
    entries_.append({name, value});
}

bool AttributeList::has(const QString& name) const {
    for (const auto& entry : entries_) {
        if (entry.first == name)
            return true;
    }
    return false;
}

QString AttributeList::value(const QString& name) const {
    for (const auto& entry : entries_) {
        if (entry.first == name)
            return entry.second;
    }
    return {};
}

} // namespace tessellon
