#include "indexing/store/NameCollation.h"

#include <QString>
#include <algorithm>
#include <sqlite3.h>

namespace tessellon::NameCollation {

namespace {

int asciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

int compareForSqlite(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compare(static_cast<const char*>(a), lengthA, static_cast<const char*>(b), lengthB);
}

} // namespace

int compare(const char* a, int lengthA, const char* b, int lengthB) {
    const auto* pa = reinterpret_cast<const unsigned char*>(a);
    const auto* pb = reinterpret_cast<const unsigned char*>(b);
    const int common = std::min(lengthA, lengthB);
    for (int i = 0; i < common; ++i) {
        if (pa[i] >= 0x80 || pb[i] >= 0x80) {
            // Beyond ASCII, compare the rest by Unicode case folding.
            const QString restA =
                QString::fromUtf8(reinterpret_cast<const char*>(pa + i), lengthA - i);
            const QString restB =
                QString::fromUtf8(reinterpret_cast<const char*>(pb + i), lengthB - i);
            return restA.compare(restB, Qt::CaseInsensitive);
        }
        const int d = asciiLower(pa[i]) - asciiLower(pb[i]);
        if (d != 0)
            return d;
    }
    return lengthA - lengthB;
}

int registerWith(sqlite3* db) {
    return sqlite3_create_collation(db, Name, SQLITE_UTF8, nullptr, compareForSqlite);
}

} // namespace tessellon::NameCollation
