// The browsing data set (`ds`): attached to the record set of the query, it
// has a current record that every reader (result list, preview, actions,
// report) moves to and reads from by field name.
#pragma once

#include "common/QueryProvider.h"

namespace tessellon {

class BrowsingDataSet {
public:
    void attach(std::shared_ptr<const RecordSet> records);
    void detach();
    bool isAttached() const { return records_ != nullptr; }

    int recordCount() const;
    // Moves to a record counted from 1 (clamped to the rows there are).
    void moveTo(int record);
    int recNo() const { return current_; }
    // The value of a field of the current record; throws ProviderError when
    // detached, on an empty set, or for an unknown field.
    Variant fieldByName(const QString& name) const;

private:
    std::shared_ptr<const RecordSet> records_;
    int current_ = 0;
};

} // namespace tessellon
