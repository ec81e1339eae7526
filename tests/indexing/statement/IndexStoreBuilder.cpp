#include "statement/IndexStoreBuilder.h"

#include "indexing/store/NameCollation.h"
#include "indexing/store/StoreSchema.h"

#include <sqlite3.h>
#include <stdexcept>

namespace {

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void bindText(sqlite3_stmt* s, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void bindBlob(sqlite3_stmt* s, int index, const QByteArray& bytes) {
    sqlite3_bind_blob(s, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

} // namespace

IndexStoreBuilder::IndexStoreBuilder(const QString& storeFile) {
    check(db_, sqlite3_open(storeFile.toUtf8().constData(), &db_));
    check(db_, tessellon::NameCollation::registerWith(db_));
    sqlite3_busy_timeout(db_, 5000);
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=OFF"));
    exec(QString::fromUtf8(tessellon::StoreSchema::CreateStatements));
}

IndexStoreBuilder::~IndexStoreBuilder() {
    sqlite3_close(db_);
}

std::int64_t IndexStoreBuilder::insert(const StoredDocument& d) {
    const qsizetype slash = d.path.lastIndexOf('/');
    const QByteArray directory = slash <= 0 ? QByteArray("/") : d.path.left(slash);
    const QString filename = QString::fromUtf8(d.path.mid(slash + 1));
    const QString keywords = d.keywords.join(QLatin1Char('\n'));
    const std::int64_t size = d.size >= 0 ? d.size : d.text.toUtf8().size();

    sqlite3_stmt* s = nullptr;
    check(db_, sqlite3_prepare_v2(db_,
                                  "INSERT INTO documents(path, directory, filename, size, "
                                  "write_ms, create_ms, access_ms, attrib, title, subject, "
                                  "author, keywords, comments, filter_state) "
                                  "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,1)",
                                  -1, &s, nullptr));
    bindBlob(s, 1, d.path);
    bindBlob(s, 2, directory);
    bindText(s, 3, filename);
    sqlite3_bind_int64(s, 4, size);
    for (int i = 5; i <= 7; ++i)
        sqlite3_bind_int64(s, i, d.writeMs);
    sqlite3_bind_int64(s, 8, d.attrib);
    bindText(s, 9, d.title);
    bindText(s, 10, d.subject);
    bindText(s, 11, d.author);
    bindText(s, 12, keywords);
    bindText(s, 13, d.comments);
    int rc = sqlite3_step(s);
    sqlite3_finalize(s);
    check(db_, rc);
    const std::int64_t id = sqlite3_last_insert_rowid(db_);

    if (!d.text.isEmpty()) {
        check(db_, sqlite3_prepare_v2(db_, "INSERT INTO characterizations(id, text) VALUES(?,?)",
                                      -1, &s, nullptr));
        sqlite3_bind_int64(s, 1, id);
        bindText(s, 2, d.text.left(200));
        rc = sqlite3_step(s);
        sqlite3_finalize(s);
        check(db_, rc);
    }

    check(db_, sqlite3_prepare_v2(db_,
                                  "INSERT INTO fulltext(rowid, contents, filename, title, "
                                  "subject, author, keywords, comments) VALUES(?,?,?,?,?,?,?,?)",
                                  -1, &s, nullptr));
    sqlite3_bind_int64(s, 1, id);
    bindText(s, 2, d.text);
    bindText(s, 3, filename);
    bindText(s, 4, d.title);
    bindText(s, 5, d.subject);
    bindText(s, 6, d.author);
    bindText(s, 7, keywords);
    bindText(s, 8, d.comments);
    rc = sqlite3_step(s);
    sqlite3_finalize(s);
    check(db_, rc);
    return id;
}

void IndexStoreBuilder::begin() {
    exec(QStringLiteral("BEGIN IMMEDIATE"));
}

void IndexStoreBuilder::commit() {
    exec(QStringLiteral("COMMIT"));
}

void IndexStoreBuilder::exec(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

std::int64_t IndexStoreBuilder::scalar(const QString& sql) {
    sqlite3_stmt* s = nullptr;
    check(db_, sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &s, nullptr));
    const std::int64_t value = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
    sqlite3_finalize(s);
    return value;
}
