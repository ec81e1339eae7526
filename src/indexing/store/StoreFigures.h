// A catalog's figures as its store holds them, read without writing: the
// document counts, the queries answered, the scan state, the last error and
// damage found in it.
// A store that does not exist yet reads as empty.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace tessellon {

struct StoreFigures {
    std::int64_t documents = 0;
    std::int64_t toFilter = 0; // waiting rows plus what a running scan has still to filter
    std::int64_t failed = 0;
    std::int64_t queryCount = 0;
    std::int64_t sizeBytes = 0; // the database with its write-ahead log
    bool scanComplete = false;
    // The documents the last scan set out to filter, and those still left.
    std::int64_t scanTotal = 0;
    std::int64_t scanRemaining = 0;
    QDateTime lastUpdate; // the last completed scan; invalid before the first
    QString lastError;
    // Says that the store was found damaged and is rebuilt at its next
    // update; empty for a sound store.
    QString damage;

    std::int64_t sizeMegabytes() const { return (sizeBytes + (1 << 20) / 2) >> 20; }

    // Throws FileError when the store exists but cannot be read.
    static StoreFigures read(const QString& storeFile);
};

} // namespace tessellon
