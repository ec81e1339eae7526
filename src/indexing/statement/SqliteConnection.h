// A SQLite connection owned for the length of one statement's execution,
// with the few operations the executor needs. Failures throw ProviderError
// carrying SQLite's message (MalformedStoreError when a store is damaged).
#pragma once

#include "common/Error.h"
#include "indexing/store/SqliteHandle.h"

#include <QString>
#include <chrono>

namespace tessellon::statement {

// SQLite found an attached store malformed.
class MalformedStoreError : public ProviderError {
public:
    using ProviderError::ProviderError;
};

class SqliteConnection : public SqliteHandle {
public:
    // An in-memory main database to which catalog stores are attached.
    SqliteConnection();
    ~SqliteConnection() override;

    void setBusyTimeout(int milliseconds);
    // Attaches an existing store file read-write under the schema name; the
    // file name is bound, never pasted into SQL. Throws when it cannot open.
    void attach(const QString& file, const QString& schema);
    // Runs SQL that takes no parameters and returns no rows.
    void exec(const QString& sql);

    // While it lives, whatever runs on the connection is stopped once `limit`
    // has passed, and fails with a message that says it took too long.
    class TimeLimit {
    public:
        TimeLimit(SqliteConnection& connection, std::chrono::milliseconds limit);
        ~TimeLimit();
        TimeLimit(const TimeLimit&) = delete;
        TimeLimit& operator=(const TimeLimit&) = delete;

    private:
        SqliteConnection& connection_;
    };

private:
    std::exception_ptr errorFor(const QString& sqliteMessage) const override;
    static int checkTime(void* connection);

    std::chrono::milliseconds limit_{0};
    std::chrono::steady_clock::time_point deadline_;
    bool timedOut_ = false;
};

} // namespace tessellon::statement
