// What one document may cost a filter: the time budget that the filter
// helper gets, and the stop request (the daemon ending, a rescan cancelled)
// that ends the work at once. FilterHost watches it while the helper runs;
// the in-process filters call check() in their loops, so that neither a
// slow document nor a stop request has to wait for the document's end.
#pragma once

#include "common/Error.h"

#include <QDeadlineTimer>
#include <QString>
#include <atomic>
#include <optional>

namespace tessellon {

// Thrown by FilterBudget::check(); the document is then counted failed
// with this message.
class FilterBudgetError : public Error {
public:
    using Error::Error;
};

class FilterBudget {
public:
    // No time limit and no stop request: for the helper process, whose host
    // keeps its budget, and for filtering one document by hand.
    FilterBudget() = default;
    // The clock starts now.
    FilterBudget(int timeoutMs, const std::atomic<bool>* cancel);

    // Why the work must end now, or nothing.
    std::optional<QString> exceeded() const;
    // Throws FilterBudgetError when the work must end now.
    void check() const;

private:
    QDeadlineTimer deadline_{QDeadlineTimer::Forever};
    int timeoutMs_ = 0;
    const std::atomic<bool>* cancel_ = nullptr;
};

} // namespace tessellon
