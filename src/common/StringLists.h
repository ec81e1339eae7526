// Look-ups in text lists that ignore letter case (Unicode case folding).
#pragma once

#include <QStringList>

namespace tessellon {

inline qsizetype indexOfIgnoringCase(const QStringList& list, const QString& text) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace tessellon
