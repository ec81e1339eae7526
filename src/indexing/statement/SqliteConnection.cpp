#include "indexing/statement/SqliteConnection.h"

#include "common/PathCodec.h"
#include "indexing/store/SqliteStatement.h"

#include <sqlite3.h>

namespace tessellon::statement {

SqliteConnection::SqliteConnection() {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI |
                      SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_MEMORY;
    if (sqlite3_open_v2(":memory:", &db_, flags, nullptr) != SQLITE_OK) {
        const QString message = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
        sqlite3_close(db_);
        throw ProviderError(QStringLiteral("The query engine cannot start: %1").arg(message));
    }
    sqlite3_extended_result_codes(db_, 1);
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close_v2(db_);
}

void SqliteConnection::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db_, milliseconds);
}

void SqliteConnection::attach(const QString& file, const QString& schema) {
    // mode=rw: a missing store is an error rather than a new empty file.
    const QString uri =
        QStringLiteral("file:%1?mode=rw")
            .arg(QString::fromLatin1(PathCodec::toBytes(file).toPercentEncoding("/")));
    SqliteStatement query(*this, QStringLiteral("ATTACH ? AS %1").arg(schema));
    query.bind(1, uri);
    query.step();
}

void SqliteConnection::exec(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        std::rethrow_exception(errorFor(message));
    }
}

namespace {

// How many virtual machine steps SQLite takes between looks at the clock.
constexpr int StepsBetweenChecks = 1000;

} // namespace

SqliteConnection::TimeLimit::TimeLimit(SqliteConnection& connection,
                                       std::chrono::milliseconds limit)
    : connection_(connection) {
    connection.limit_ = limit;
    connection.deadline_ = std::chrono::steady_clock::now() + limit;
    connection.timedOut_ = false;
    sqlite3_progress_handler(connection.db_, StepsBetweenChecks, &SqliteConnection::checkTime,
                             &connection);
}

SqliteConnection::TimeLimit::~TimeLimit() {
    sqlite3_progress_handler(connection_.db_, 0, nullptr, nullptr);
    connection_.timedOut_ = false;
}

int SqliteConnection::checkTime(void* connection) {
    auto* self = static_cast<SqliteConnection*>(connection);
    self->timedOut_ = self->timedOut_ || std::chrono::steady_clock::now() >= self->deadline_;
    return self->timedOut_ ? 1 : 0;
}

std::exception_ptr SqliteConnection::errorFor(const QString& sqliteMessage) const {
    if (timedOut_)
        return std::make_exception_ptr(
            ProviderError(QStringLiteral("it took longer than %1 seconds and was stopped; "
                                         "narrow the search")
                              .arg(double(limit_.count()) / 1000.0)));
    if (failedOnDamage())
        return std::make_exception_ptr(MalformedStoreError(sqliteMessage));
    return std::make_exception_ptr(ProviderError(sqliteMessage));
}

} // namespace tessellon::statement
