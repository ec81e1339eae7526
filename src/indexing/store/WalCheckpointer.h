// Folds a store's write-ahead log back into the database on a thread of its
// own, so that the store's one writer (the limit of a large scan) never waits
// for the copying and the disk syncs a checkpoint takes.
//
// The writer connection gets no automatic checkpoints. After each of its
// commits SQLite tells how long the log has grown: from CheckpointFrames on,
// the checkpointer runs a passive checkpoint beside the writer; from
// MaxFrames on, the writer waits for that checkpoint before it goes on, so
// that the log can start over and stays bounded.
#pragma once

#include "indexing/store/SqliteDatabase.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace tessellon {

class WalCheckpointer {
public:
    static constexpr int CheckpointFrames = 8192; // 32 MB of 4 KB pages
    static constexpr int MaxFrames = 4 * CheckpointFrames;

    // Watches the commits of `writer`; opens its own connection to the file.
    explicit WalCheckpointer(SqliteDatabase& writer);
    // Ends the thread; the last connection to close folds the rest.
    ~WalCheckpointer();
    WalCheckpointer(const WalCheckpointer&) = delete;
    WalCheckpointer& operator=(const WalCheckpointer&) = delete;

private:
    static int onCommit(void* self, struct sqlite3*, const char*, int frames);
    void committed(int frames);
    void run();

    SqliteDatabase& writer_;
    std::unique_ptr<SqliteDatabase> own_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    bool wanted_ = false;
    bool stopping_ = false;
    std::uint64_t started_ = 0;  // checkpoints begun so far
    std::uint64_t finished_ = 0; // the number of the last one ended
    std::thread thread_;
};

} // namespace tessellon
