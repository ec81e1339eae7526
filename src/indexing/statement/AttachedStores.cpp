#include "indexing/statement/AttachedStores.h"

#include "indexing/statement/ProviderFunctions.h"
#include "indexing/statement/SqliteQuery.h"

#include <QFile>
#include <sqlite3.h>
#include <sys/stat.h>

namespace tessellon::statement {

namespace {

constexpr qint64 MapBytes = qint64(1) << 30;
constexpr int CacheKiB = 32 * 1024;

// The file's identity; a rebuilt store is a new file under the old name.
bool identify(const QString& file, std::uint64_t& device, std::uint64_t& inode) {
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        return false;
    device = info.st_dev;
    inode = info.st_ino;
    return true;
}

} // namespace

AttachedStores::AttachedStores() {
    open();
    attachLimit_ = sqlite3_limit(connection_->handle(), SQLITE_LIMIT_ATTACHED, -1);
}

void AttachedStores::open() {
    stores_.clear();
    connection_ = std::make_unique<SqliteConnection>();
    registerProviderFunctions(connection_->handle());
    // Closing must not checkpoint the stores (a wait for the disk): that is
    // their writer's work.
    sqlite3_db_config(connection_->handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

void AttachedStores::reserveFor(const QStringList& files) {
    if (files.size() > attachLimit_)
        throw ProviderError(
            QStringLiteral("A statement can search at most %1 catalogs at once").arg(attachLimit_));
    qsizetype missing = 0;
    for (const QString& file : files) {
        const bool attached = std::any_of(stores_.begin(), stores_.end(),
                                          [&](const Store& s) { return s.file == file; });
        missing += attached ? 0 : 1;
    }
    for (std::size_t i = stores_.size();
         i-- > 0 && qsizetype(stores_.size()) + missing > attachLimit_;) {
        if (!files.contains(stores_[i].file))
            detach(i);
    }
}

QString AttachedStores::schemaFor(const QString& file) {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    const bool exists = identify(file, device, inode);
    QString schema;
    for (std::size_t i = 0; i < stores_.size(); ++i) {
        if (stores_[i].file != file)
            continue;
        if (exists && stores_[i].device == device && stores_[i].inode == inode)
            schema = stores_[i].schema;
        else
            detach(i);
        break;
    }
    if (!exists)
        throw ProviderError(QStringLiteral("the file does not exist"));
    if (schema.isEmpty()) {
        schema = QStringLiteral("c%1").arg(nextSchema_++);
        connection_->attach(file, schema);
        stores_.push_back({file, schema, device, inode});
        // Stores are read far more than written: map them into memory
        // rather than copy pages through read calls, and keep more of them.
        connection_->exec(QStringLiteral("PRAGMA %1.mmap_size = %2").arg(schema).arg(MapBytes));
        connection_->exec(QStringLiteral("PRAGMA %1.cache_size = -%2").arg(schema).arg(CacheKiB));
    }
    // Asked every time: a store the crawler has only just created gets its
    // tables a moment later.
    SqliteQuery probe(
        *connection_,
        QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE name = 'documents'").arg(schema));
    if (!probe.step())
        throw ProviderError(QStringLiteral("it holds no index yet"));
    return schema;
}

void AttachedStores::detach(std::size_t index) {
    try {
        connection_->exec(QStringLiteral("DETACH %1").arg(stores_[index].schema));
    } catch (const ProviderError&) {
        // A store that cannot be detached cleanly goes with the connection.
        open();
        return;
    }
    stores_.erase(stores_.begin() + std::ptrdiff_t(index));
}

} // namespace tessellon::statement
