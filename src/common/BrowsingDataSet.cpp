#include "common/BrowsingDataSet.h"

#include "common/Error.h"

#include <algorithm>

namespace tessellon {

void BrowsingDataSet::attach(std::shared_ptr<const RecordSet> records) {
    records_ = std::move(records);
    current_ = records_ && records_->recordCount() > 0 ? 1 : 0;
}

void BrowsingDataSet::detach() {
    records_.reset();
    current_ = 0;
}

int BrowsingDataSet::recordCount() const {
    return records_ ? records_->recordCount() : 0;
}

void BrowsingDataSet::moveTo(int record) {
    const int count = recordCount();
    current_ = count == 0 ? 0 : std::clamp(record, 1, count);
}

Variant BrowsingDataSet::fieldByName(const QString& name) const {
    if (!records_)
        throw ProviderError(QStringLiteral("Dataset not in browse mode"));
    if (current_ == 0)
        throw ProviderError(QStringLiteral("No current record"));
    return records_->field(current_, name);
}

} // namespace tessellon
