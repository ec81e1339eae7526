#include "indexing/filters/FilterBudget.h"

namespace tessellon {

FilterBudget::FilterBudget(int timeoutMs, const std::atomic<bool>* cancel)
    : deadline_(timeoutMs), timeoutMs_(timeoutMs), cancel_(cancel) {}

std::optional<QString> FilterBudget::exceeded() const {
    if (cancel_ && cancel_->load())
        return QStringLiteral("filtering was cancelled");
    if (deadline_.hasExpired())
        return QStringLiteral("the filter took longer than %1 s").arg(timeoutMs_ / 1000.0);
    return std::nullopt;
}

void FilterBudget::check() const {
    if (const std::optional<QString> reason = exceeded())
        throw FilterBudgetError(*reason);
}

} // namespace tessellon
