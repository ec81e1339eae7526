// Live change notification for the daemon: one inotify instance watching
// every folder of the running catalogs. It reports the folders whose entries
// changed, per catalog, and an overflow of the kernel's event queue (after
// which only a full comparison can be trusted). Only folders the crawler
// walked are watched, so links below a scope are never followed here either.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QSocketNotifier>
#include <memory>

namespace tessellon {

class ChangeWatcher : public QObject {
    Q_OBJECT
public:
    explicit ChangeWatcher(QObject* parent = nullptr);
    ~ChangeWatcher() override;

    // Returns the folders that were not watched for the catalog before.
    QList<QByteArray> watch(const QString& catalog, const QList<QByteArray>& folders);
    void unwatchAll();
    // Folders that could not be watched for the user's watch limit.
    qsizetype watchesOverLimit() const { return watchesOverLimit_; }

Q_SIGNALS:
    void folderChanged(const QString& catalog, const QByteArray& folder);
    void overflowed();

private:
    void readEvents();

    struct Watch {
        QByteArray folder;
        QSet<QString> catalogs;
    };
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QHash<int, Watch> watches_;
    qsizetype watchesOverLimit_ = 0;
};

} // namespace tessellon
