// Runs one complex document through the filter helper process with a time
// and memory budget: a helper that overruns its time is killed, one that
// crashes or answers garbage costs only that document, which is then indexed
// by its properties and marked failed. A cancel request (the daemon ending)
// kills a running helper at once.
#pragma once

#include "indexing/filters/FilterKind.h"
#include "indexing/filters/FilterResult.h"

#include <QByteArray>
#include <QString>
#include <atomic>

namespace tessellon {

class FilterHost {
public:
    FilterHost(QString helperPath, std::atomic<bool>* cancel, int timeoutMs);

    FilterResult filter(FilterKind kind, const QByteArray& path) const;

    // The helper next to the running program, or in $TESSELLON_BIN_DIR.
    static QString defaultHelperPath();

private:
    QString helperPath_;
    std::atomic<bool>* cancel_;
    int timeoutMs_;
};

} // namespace tessellon
