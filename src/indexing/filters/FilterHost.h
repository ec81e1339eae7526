// Runs one complex document through the filter helper process with a time
// and memory budget: a helper that overruns its time is killed, one that
// crashes or answers garbage costs only that document, which is then indexed
// by its properties and marked failed. A stop request (the daemon ending)
// kills a running helper at once.
#pragma once

#include "indexing/filters/FilterBudget.h"
#include "indexing/filters/FilterKind.h"
#include "indexing/filters/FilterResult.h"

#include <QByteArray>
#include <QString>

namespace tessellon {

class FilterHost {
public:
    explicit FilterHost(QString helperPath);

    // The helper is killed when the budget runs out or a stop is requested.
    FilterResult filter(FilterKind kind, const QByteArray& path, const FilterBudget& budget) const;

    // The helper next to the running program, or in $TESSELLON_BIN_DIR.
    static QString defaultHelperPath();

private:
    QString helperPath_;
};

} // namespace tessellon
