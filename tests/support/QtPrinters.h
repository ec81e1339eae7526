// Lets GoogleTest print Qt texts readably in failure messages.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i)
            *os << ", ";
        PrintTo(list[i], os);
    }
    *os << ']';
}

// Table-driven cases carry a `name`; print only that, so test names stay short.
#define TESSELLON_PRINT_CASE_BY_NAME(Case)                                                         \
    inline void PrintTo(const Case& c, std::ostream* os) {                                         \
        *os << c.name;                                                                             \
    }
