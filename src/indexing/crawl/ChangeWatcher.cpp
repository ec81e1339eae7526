#include "indexing/crawl/ChangeWatcher.h"

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace tessellon {

namespace {

constexpr uint32_t WatchMask = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_FROM |
                               IN_MOVED_TO | IN_DELETE_SELF | IN_ONLYDIR;

} // namespace

ChangeWatcher::ChangeWatcher(QObject* parent) : QObject(parent) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &ChangeWatcher::readEvents);
    }
}

ChangeWatcher::~ChangeWatcher() {
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

QList<QByteArray> ChangeWatcher::watch(const QString& catalog, const QList<QByteArray>& folders) {
    QList<QByteArray> added;
    if (fd_ < 0)
        return added;
    for (const QByteArray& folder : folders) {
        const int wd = ::inotify_add_watch(fd_, folder.constData(), WatchMask);
        if (wd < 0) {
            // A folder deleted or moved since the crawl is no fault of the
            // limit: its parent's watch reports that it went.
            if (errno == ENOSPC || errno == ENOMEM)
                ++watchesOverLimit_;
            continue;
        }
        // The kernel gives a folder watched already its old descriptor.
        Watch& w = watches_[wd];
        w.folder = folder;
        if (!w.catalogs.contains(catalog)) {
            w.catalogs.insert(catalog);
            added << folder;
        }
    }
    return added;
}

void ChangeWatcher::unwatchAll() {
    for (auto it = watches_.cbegin(); it != watches_.cend(); ++it)
        ::inotify_rm_watch(fd_, it.key());
    watches_.clear();
    watchesOverLimit_ = 0;
}

void ChangeWatcher::readEvents() {
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (ssize_t offset = 0; offset < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                Q_EMIT overflowed();
                continue;
            }
            const auto it = watches_.constFind(event->wd);
            if (it == watches_.cend())
                continue;
            if (event->mask & IN_IGNORED) {
                watches_.remove(event->wd);
                continue;
            }
            if (event->mask & IN_DELETE_SELF)
                continue; // the parent folder reports the deletion
            for (const QString& catalog : it->catalogs)
                Q_EMIT folderChanged(catalog, it->folder);
        }
    }
}

} // namespace tessellon
