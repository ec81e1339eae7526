#include "indexing/store/WalCheckpointer.h"

#include <sqlite3.h>

namespace tessellon {

WalCheckpointer::WalCheckpointer(SqliteDatabase& writer)
    : writer_(writer),
      own_(std::make_unique<SqliteDatabase>(writer.file(), SqliteDatabase::Mode::ReadWrite)) {
    own_->exec("PRAGMA synchronous=NORMAL");
    writer_.exec("PRAGMA wal_autocheckpoint=0");
    sqlite3_wal_hook(writer_.handle(), &WalCheckpointer::onCommit, this);
    thread_ = std::thread([this] { run(); });
}

WalCheckpointer::~WalCheckpointer() {
    sqlite3_wal_hook(writer_.handle(), nullptr, nullptr);
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        wake_.notify_all();
    }
    thread_.join();
    own_.reset();
}

int WalCheckpointer::onCommit(void* self, sqlite3*, const char*, int frames) {
    static_cast<WalCheckpointer*>(self)->committed(frames);
    return SQLITE_OK;
}

void WalCheckpointer::committed(int frames) {
    if (frames < CheckpointFrames)
        return;
    std::unique_lock lock(mutex_);
    wanted_ = true;
    wake_.notify_one();
    // The log can only start over once a checkpoint that began after this
    // commit has copied all of it.
    if (frames >= MaxFrames) {
        const std::uint64_t next = started_ + 1;
        done_.wait(lock, [&] { return finished_ >= next; });
    }
}

void WalCheckpointer::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return wanted_ || stopping_; });
        if (stopping_)
            return;
        wanted_ = false;
        const std::uint64_t number = ++started_;
        lock.unlock();
        // Passive: copies what it can without holding up the writer.
        sqlite3_wal_checkpoint_v2(own_->handle(), "main", SQLITE_CHECKPOINT_PASSIVE, nullptr,
                                  nullptr);
        lock.lock();
        finished_ = number;
        done_.notify_all();
    }
}

} // namespace tessellon
