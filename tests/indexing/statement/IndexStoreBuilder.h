// Builds catalog index stores for tests and benchmarks without the crawler:
// creates a store file with the store schema (WAL mode) and inserts
// documents as the crawler would, a `documents` row and a `fulltext` row
// with the same rowid.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

struct sqlite3;

struct StoredDocument {
    QByteArray path; // absolute, raw bytes
    QString text;
    std::int64_t size = -1; // -1: the UTF-8 length of the text
    std::int64_t writeMs = 0;
    std::uint32_t attrib = 0xA0; // Archive | Normal, a plain file
    QString title;
    QString subject;
    QString author;
    QString comments;
    QStringList keywords;
};

class IndexStoreBuilder {
public:
    explicit IndexStoreBuilder(const QString& storeFile);
    ~IndexStoreBuilder();
    IndexStoreBuilder(const IndexStoreBuilder&) = delete;
    IndexStoreBuilder& operator=(const IndexStoreBuilder&) = delete;

    // Inserts one document; returns its id. Outside begin()/commit() each
    // insert is its own transaction.
    std::int64_t insert(const StoredDocument& document);
    void begin();
    void commit();
    void exec(const QString& sql);
    // The first column of the first row of a query without parameters.
    std::int64_t scalar(const QString& sql);

private:
    sqlite3* db_ = nullptr;
};
