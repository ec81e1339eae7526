#include "common/DataQuery.h"

namespace tessellon {

DataQuery::DataQuery(QueryProvider& provider, QString connectionText)
    : provider_(provider), connectionText_(std::move(connectionText)) {}

void DataQuery::close() {
    records_.reset();
}

void DataQuery::open() {
    close();
    records_ = provider_.execute(connectionText_, statementText_, maxRecords_);
}

int DataQuery::recordCount() const {
    return records_ ? records_->recordCount() : 0;
}

} // namespace tessellon
