// Sends the parts of statements that name other computers to the indexing
// services hosts.ini lists for them.
#pragma once

#include "indexing/statement/HostStatements.h"

namespace tessellon {

class NetworkHostStatements : public statement::HostStatements {
public:
    statement::OrderedAnswer ask(const QString& host, const QString& statement, int maxRecords,
                                 statement::Cancellation& cancellation) override;
};

} // namespace tessellon
