// The status text a successful search run writes into the status memo: the
// hit count with limit, host and catalogs, then (in normal mode) one line per
// criterion in effect and the sort order, or (in expert mode) the notice.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

namespace tessellon {

inline const QString ExpertNotice =
    QStringLiteral("Attention: Expert Search activated! Please check user defined SQL "
                   "statements in Advanced dialog (Click Advanced button).");

// What the status text reports, gathered after the statement build.
struct StatusFacts {
    int doccount = 0;
    QString resultsLimitText;
    QString hostText;
    QString catalogstr;
    bool expert = false;
    QString allWords;
    QString anyWords;
    QString withoutWords;
    QString fileNames;
    QString ignore;
    QString folders;
    bool datesEnabled = false;
    QDate startdatevalue;
    QDate enddatevalue;
    QString minsizetext;
    QString maxsizetext;
    std::uint32_t attributemask = 0;
    QString sortcolumn;
    QString sortdirectiontext;
};

QString statusText(const StatusFacts& facts);

} // namespace tessellon
