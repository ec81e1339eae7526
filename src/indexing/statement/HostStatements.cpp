#include "indexing/statement/HostStatements.h"

namespace tessellon::statement {

void Cancellation::cancel() {
    const std::lock_guard lock(mutex_);
    cancelled_ = true;
    for (const auto& [id, stop] : stops_)
        stop();
}

Cancellation::Registration::Registration(Cancellation* owner, std::function<void()> stop)
    : owner_(owner) {
    if (!owner_)
        return;
    const std::lock_guard lock(owner_->mutex_);
    if (owner_->cancelled_)
        stop();
    id_ = ++owner_->nextId_;
    owner_->stops_.emplace(id_, std::move(stop));
}

Cancellation::Registration::~Registration() {
    if (!owner_)
        return;
    const std::lock_guard lock(owner_->mutex_);
    owner_->stops_.erase(id_);
}

} // namespace tessellon::statement
