// The data-access query (the program's `ADOQuery1`): connection text,
// statement text, a row limit, and a synchronous open that hands back the
// record set or fails with the provider's message.
#pragma once

#include "common/QueryProvider.h"

namespace tessellon {

class DataQuery {
public:
    explicit DataQuery(QueryProvider& provider,
                       QString connectionText = QStringLiteral("Provider=MSIDXS;"));

    // Releases the previous result set.
    void close();
    bool isOpen() const { return records_ != nullptr; }

    const QString& connectionText() const { return connectionText_; }
    void setConnectionText(const QString& text) { connectionText_ = text; }
    const QString& statementText() const { return statementText_; }
    void setStatementText(const QString& text) { statementText_ = text; }
    int maxRecords() const { return maxRecords_; }
    void setMaxRecords(int limit) { maxRecords_ = limit; }

    // Executes the statement; throws ProviderError.
    void open();
    // The opened record set (null while closed).
    std::shared_ptr<const RecordSet> recordSet() const { return records_; }
    int recordCount() const;

private:
    QueryProvider& provider_;
    QString connectionText_;
    QString statementText_;
    int maxRecords_ = 0;
    std::shared_ptr<const RecordSet> records_;
};

} // namespace tessellon
