// What one update of a catalog did, for the progress line, the summary of a
// rescan and the daemon's log.
#pragma once

#include <QString>
#include <cstdint>

namespace tessellon {

struct ScanSummary {
    std::int64_t filtered = 0; // documents (re)read and indexed
    std::int64_t recorded = 0; // folders and other entries, by their properties
    std::int64_t removed = 0;
    std::int64_t unchanged = 0;
    std::int64_t failed = 0; // documents whose filter failed
    std::int64_t unreadable = 0;
    std::int64_t textBytes = 0; // bytes of text indexed
    bool cancelled = false;
};

} // namespace tessellon
