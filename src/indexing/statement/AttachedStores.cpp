#include "indexing/statement/AttachedStores.h"

#include "common/PathCodec.h"
#include "indexing/statement/ProviderFunctions.h"
#include "indexing/statement/QueryPlanner.h"
#include "indexing/store/SqliteStatement.h"

#include <sqlite3.h>
#include <sys/stat.h>

namespace tessellon::statement {

namespace {

constexpr qint64 MapBytes = qint64(1) << 30;
constexpr int CacheKiB = 32 * 1024;

// The file's identity (device and inode); a rebuilt store is a new file
// under the old name. Nothing when the file does not exist.
std::optional<std::pair<std::uint64_t, std::uint64_t>> identify(const QString& file) {
    struct stat info {};
    if (::stat(PathCodec::toBytes(file).constData(), &info) != 0)
        return std::nullopt;
    return std::pair<std::uint64_t, std::uint64_t>(info.st_dev, info.st_ino);
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
    // Where a search ordered by name keeps the documents its match found.
    connection_->exec(
        QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY)").arg(QLatin1String(MatchedIds)));
}

void AttachedStores::reserveFor(const QStringList& files) {
    if (files.size() > attachLimit_)
        throw ProviderError(
            QStringLiteral("A statement can search at most %1 catalogs at once").arg(attachLimit_));
    // Let go of stores whose file is gone or was replaced.
    for (std::size_t i = stores_.size(); i-- > 0;) {
        if (identify(stores_[i].file) != stores_[i].identity)
            detach(i);
    }
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
    const auto found = std::find_if(stores_.begin(), stores_.end(),
                                    [&](const Store& s) { return s.file == file; });
    QString schema = found != stores_.end() ? found->schema : QString();
    if (schema.isEmpty()) {
        const auto identity = identify(file);
        if (!identity)
            throw ProviderError(QStringLiteral("the file does not exist"));
        schema = QStringLiteral("c%1").arg(nextSchema_++);
        connection_->attach(file, schema);
        stores_.push_back({file, schema, *identity});
        // Stores are read far more than written: map them into memory
        // rather than copy pages through read calls, and keep more of them.
        connection_->exec(QStringLiteral("PRAGMA %1.mmap_size = %2").arg(schema).arg(MapBytes));
        connection_->exec(QStringLiteral("PRAGMA %1.cache_size = -%2").arg(schema).arg(CacheKiB));
    }
    // Asked every time: a store the crawler has only just created gets its
    // tables a moment later.
    SqliteStatement probe(
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
