#include "indexing/store/IndexStore.h"

#include "common/Error.h"
#include "indexing/store/StoreCheck.h"
#include "indexing/store/StoreDamage.h"
#include "indexing/store/StoreSchema.h"
#include "indexing/store/TextSummary.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessellon {

namespace {

constexpr std::uint32_t DirectoryFlag = 0x10;

const char* const SidecarSuffixes[] = {"", "-wal", "-shm"};

const char OpenMark[] = {'o', 'p', 'e', 'n'};

QHash<QByteArray, IndexStore::Known> readKnown(SqliteStatement& query) {
    QHash<QByteArray, IndexStore::Known> known;
    while (query.step()) {
        IndexStore::Known k;
        k.id = query.integer(1);
        k.size = query.integer(2);
        k.mtimeNs = query.integer(3);
        k.ctimeNs = query.integer(4);
        k.state = FilterState(query.integer(5));
        k.isDirectory = (query.integer(6) & DirectoryFlag) != 0;
        known.insert(query.blob(0), k);
    }
    return known;
}

#define KNOWN_COLUMNS                                                                              \
    "SELECT path, id, size, mtime_ns, ctime_ns, filter_state, attrib FROM documents"

} // namespace

bool IndexStore::remove(const QString& file, int waitMs) {
    const QString lockFile = file + QStringLiteral(".writer");
    const int lock = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CLOEXEC);
    if (lock >= 0) {
        QElapsedTimer clock;
        clock.start();
        while (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
            if (clock.elapsed() >= waitMs) {
                ::close(lock);
                return false;
            }
            QThread::msleep(20);
        }
    }
    // Held until the files are gone, so no writer opens the store meanwhile.
    for (const char* suffix : SidecarSuffixes)
        QFile::remove(file + QLatin1String(suffix));
    StoreDamage::clear(file);
    QFile::remove(lockFile);
    if (lock >= 0)
        ::close(lock);
    return true;
}

IndexStore::IndexStore(const QString& file, OpenCheck check) : file_(file) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    writerLock_ = ::open(QFile::encodeName(file + QStringLiteral(".writer")).constData(),
                         O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (writerLock_ < 0 || ::flock(writerLock_, LOCK_EX | LOCK_NB) != 0) {
        if (writerLock_ >= 0)
            ::close(writerLock_);
        throw StoreBusyError(QStringLiteral("The index store %1 is being written by another "
                                            "program (the indexing service or a rescan)")
                                 .arg(file));
    }
    // The lock file says "open" while a writer works: a writer that finds
    // it so comes after one that did not end cleanly. A mark that cannot be
    // written costs only the full check next time.
    char state[sizeof OpenMark] = {};
    const bool uncleanStop =
        ::pread(writerLock_, state, sizeof state, 0) == ssize_t(sizeof state) &&
        std::memcmp(state, OpenMark, sizeof state) == 0;
    [[maybe_unused]] const ssize_t marked = ::pwrite(writerLock_, OpenMark, sizeof OpenMark, 0);
    try {
        open(check == OpenCheck::Full || uncleanStop);
    } catch (const Error& e) {
        checkpointer_.reset();
        db_.reset();
        const QString aside =
            file_ + QStringLiteral(".damaged-") +
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmss"));
        for (const char* suffix : SidecarSuffixes)
            QFile::rename(file_ + QLatin1String(suffix), aside + QLatin1String(suffix));
        StoreDamage::clear(file_);
        notice_ = QStringLiteral("The index store %1 could not be used (%2); it was moved to %3 "
                                 "and is rebuilt.")
                      .arg(file_, e.message(), aside);
        open(false);
    }
}

IndexStore::~IndexStore() {
    if (inTransaction_) {
        try {
            rollback();
        } catch (const Error&) {
            // Closing the connection rolls back as well.
        }
    }
    checkpointer_.reset();
    db_.reset();
    // Ended cleanly.
    [[maybe_unused]] const int cleared = ::ftruncate(writerLock_, 0);
    ::close(writerLock_);
}

void IndexStore::open(bool checkFullText) {
    // Damage met since the last open, by this writer or a reader.
    const QString damage = StoreDamage::marked(file_);
    if (!damage.isEmpty())
        throw FileError(QStringLiteral("damaged: %1").arg(damage));
    db_ = std::make_unique<SqliteDatabase>(file_, SqliteDatabase::Mode::ReadWrite);
    db_->exec("PRAGMA journal_mode=WAL");
    int version = 0;
    std::int64_t objects = 0;
    {
        SqliteStatement v(*db_, "PRAGMA user_version");
        if (v.step())
            version = int(v.integer(0));
        SqliteStatement count(*db_, "SELECT count(*) FROM sqlite_master");
        if (count.step())
            objects = count.integer(0);
    }
    const bool existing = objects > 0;
    if (existing && version != StoreSchema::SchemaVersion) {
        db_.reset();
        for (const char* suffix : SidecarSuffixes)
            QFile::remove(file_ + QLatin1String(suffix));
        notice_ = QStringLiteral("The index store %1 was made by another version; it is rebuilt.")
                      .arg(file_);
        db_ = std::make_unique<SqliteDatabase>(file_, SqliteDatabase::Mode::ReadWrite);
        db_->exec("PRAGMA journal_mode=WAL");
    }
    // The packer keeps SQLite's own tokenizer; the full-text table, first
    // used below, gets the writer's stand-in.
    terms_ = std::make_unique<TermPacker>(db_->handle());
    tokenizer_ = &DocumentTokenizer::installOn(db_->handle());
    if (existing && version == StoreSchema::SchemaVersion) {
        const QString problem = StoreCheck::problem(
            *db_, QStringLiteral("main"),
            checkFullText ? StoreCheck::Depth::PagesAndFullText : StoreCheck::Depth::Pages);
        if (!problem.isEmpty())
            throw FileError(QStringLiteral("damaged: %1").arg(problem));
    }
    db_->exec("PRAGMA synchronous=NORMAL");
    // Room for the full-text index's merges.
    db_->exec("PRAGMA cache_size=-32768");
    // Readers see either no schema or all of it.
    db_->exec("BEGIN IMMEDIATE");
    db_->exec(StoreSchema::CreateStatements);
    db_->exec(QByteArray("PRAGMA user_version=" + QByteArray::number(StoreSchema::SchemaVersion))
                  .constData());
    // A larger in-memory buffer for new terms means larger first segments
    // and much less merging while a big scan writes.
    db_->exec("INSERT INTO fulltext(fulltext, rank) VALUES('hashsize', 16777216)");
    db_->exec("COMMIT");

    insertDoc_ = std::make_unique<SqliteStatement>(
        *db_, "INSERT INTO documents (path, directory, filename, size, write_ms, create_ms, "
              "access_ms, attrib, title, subject, author, keywords, comments, mtime_ns, ctime_ns, "
              "inode, filter_state, filter_error) "
              "VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15,?16,?17,?18)");
    updateDoc_ = std::make_unique<SqliteStatement>(
        *db_, "UPDATE documents SET path=?1, directory=?2, filename=?3, size=?4, write_ms=?5, "
              "create_ms=?6, access_ms=?7, attrib=?8, title=?9, subject=?10, author=?11, "
              "keywords=?12, comments=?13, mtime_ns=?14, ctime_ns=?15, inode=?16, "
              "filter_state=?17, filter_error=?18 WHERE id=?19");
    updateFacts_ = std::make_unique<SqliteStatement>(
        *db_, "UPDATE documents SET size=?1, write_ms=?2, create_ms=?3, access_ms=?4, attrib=?5, "
              "mtime_ns=?6, ctime_ns=?7, inode=?8 WHERE id=?9");
    deleteDoc_ = std::make_unique<SqliteStatement>(*db_, "DELETE FROM documents WHERE id=?1");
    oldValues_ = std::make_unique<SqliteStatement>(
        *db_, "SELECT d.filename, d.title, d.subject, d.author, d.keywords, d.comments, t.text "
              "FROM documents d LEFT JOIN document_text t ON t.id = d.id WHERE d.id=?1");
    setCharacterization_ = std::make_unique<SqliteStatement>(
        *db_, "INSERT OR REPLACE INTO characterizations (id, text) VALUES (?1, ?2)");
    deleteCharacterization_ =
        std::make_unique<SqliteStatement>(*db_, "DELETE FROM characterizations WHERE id=?1");
    insertText_ = std::make_unique<SqliteStatement>(
        *db_, "INSERT OR REPLACE INTO document_text (id, text) VALUES (?1, ?2)");
    deleteText_ = std::make_unique<SqliteStatement>(*db_, "DELETE FROM document_text WHERE id=?1");
    insertFulltext_ = std::make_unique<SqliteStatement>(
        *db_, "INSERT INTO fulltext (rowid, contents, filename, title, subject, author, keywords, "
              "comments) VALUES (?1,?2,?3,?4,?5,?6,?7,?8)");
    deleteFulltext_ = std::make_unique<SqliteStatement>(
        *db_, "INSERT INTO fulltext (fulltext, rowid, contents, filename, title, subject, author, "
              "keywords, comments) VALUES ('delete',?1,?2,?3,?4,?5,?6,?7,?8)");
    setMeta_ = std::make_unique<SqliteStatement>(
        *db_, "INSERT OR REPLACE INTO meta (key, value) VALUES (?1, ?2)");
    insertTerm_ =
        std::make_unique<SqliteStatement>(*db_, "INSERT INTO terms (id, term) VALUES (?1, ?2)");
    checkpointer_ = std::make_unique<WalCheckpointer>(*db_);
    QList<QByteArray> known;
    SqliteStatement allTerms(*db_, "SELECT id, term FROM terms ORDER BY id");
    while (allTerms.step()) {
        if (allTerms.integer(0) != known.size())
            throw FileError(QStringLiteral("damaged: the term list has gaps"));
        known << allTerms.blob(1);
    }
    terms_->load(std::move(known));
}

void IndexStore::begin() {
    db_->exec("BEGIN IMMEDIATE");
    inTransaction_ = true;
}

void IndexStore::commit() {
    db_->exec("COMMIT");
    inTransaction_ = false;
}

void IndexStore::rollback() {
    inTransaction_ = false;
    db_->exec("ROLLBACK");
}

QHash<QByteArray, IndexStore::Known> IndexStore::knownDocuments() {
    SqliteStatement query(*db_, KNOWN_COLUMNS);
    return readKnown(query);
}

QHash<QByteArray, IndexStore::Known> IndexStore::knownInFolder(const QByteArray& directory) {
    SqliteStatement query(*db_, KNOWN_COLUMNS " WHERE directory=?1");
    query.bindBlob(1, directory);
    return readKnown(query);
}

QHash<QByteArray, IndexStore::Known> IndexStore::knownBelow(const QByteArray& folder) {
    // Every path below the folder sorts between "folder/" and "folder0"
    // ('0' follows '/' in byte order).
    SqliteStatement query(*db_, KNOWN_COLUMNS " WHERE path > ?1 AND path < ?2");
    query.bindBlob(1, folder + '/');
    query.bindBlob(2, folder + '0');
    return readKnown(query);
}

void IndexStore::pack(DocumentRecord& record) {
    record.characterization = TextSummary::characterization(record.content.text);
    record.utf8Text = record.content.text.toUtf8();
    // From here on the UTF-8 text is the only copy kept: records wait in a
    // queue for the writer, and toUtf8() leaves room for three bytes a
    // character.
    record.utf8Text.squeeze();
    record.content.text = QString();
    if (!record.utf8Text.isEmpty()) {
        record.tokens = terms_->tokenize(record.utf8Text);
        record.packedText = terms_->pack(record.tokens);
    }
    record.packed = true;
}

void IndexStore::saveNewTerms() {
    for (const auto& [id, term] : terms_->takeNewTerms())
        insertTerm_->bind(1, id).bindBlob(2, term).run();
}

void IndexStore::put(DocumentRecord record, std::int64_t existingId) {
    if (!record.packed)
        pack(record);
    saveNewTerms();
    const FileFacts& f = record.facts;
    const FilterResult& c = record.content;
    const QString keywords = c.keywords.join(QLatin1Char('\n'));
    if (existingId != 0)
        removeFromFulltext(existingId);
    SqliteStatement& s = existingId != 0 ? *updateDoc_ : *insertDoc_;
    s.bindBlob(1, f.path).bindBlob(2, f.directory).bind(3, f.filename).bind(4, f.size);
    s.bind(5, f.writeMs).bind(6, f.createMs).bind(7, f.accessMs).bind(8, f.attrib);
    s.bind(9, c.title).bind(10, c.subject).bind(11, c.author).bind(12, keywords);
    s.bind(13, c.comments).bind(14, f.mtimeNs).bind(15, f.ctimeNs).bind(16, f.inode);
    s.bind(17, std::int64_t(c.state)).bind(18, c.error);
    if (existingId != 0)
        s.bind(19, existingId);
    s.run();
    const std::int64_t id = existingId != 0 ? existingId : db_->lastInsertId();
    if (!record.characterization.isEmpty())
        setCharacterization_->bind(1, id).bind(2, record.characterization).run();
    else if (existingId != 0)
        deleteCharacterization_->bind(1, id).run();
    if (!record.packedText.isEmpty())
        insertText_->bind(1, id).bindBlob(2, record.packedText).run();
    insertFulltext_->bind(1, id)
        .bindUtf8View(2, record.utf8Text)
        .bind(3, f.filename)
        .bind(4, c.title);
    insertFulltext_->bind(5, c.subject).bind(6, c.author).bind(7, keywords).bind(8, c.comments);
    tokenizer_->expect(record.utf8Text, record.tokens);
    try {
        insertFulltext_->run();
    } catch (...) {
        tokenizer_->done();
        throw;
    }
    tokenizer_->done();
}

void IndexStore::updateFacts(const FileFacts& f, std::int64_t id) {
    updateFacts_->bind(1, f.size).bind(2, f.writeMs).bind(3, f.createMs).bind(4, f.accessMs);
    updateFacts_->bind(5, f.attrib).bind(6, f.mtimeNs).bind(7, f.ctimeNs).bind(8, f.inode);
    updateFacts_->bind(9, id).run();
}

void IndexStore::remove(std::int64_t id) {
    removeFromFulltext(id);
    deleteCharacterization_->bind(1, id).run();
    deleteDoc_->bind(1, id).run();
}

// A contentless full-text table forgets a row only when given values with
// the terms and term counts it indexed: the properties come from the
// documents row, the text's terms from the packed terms.
void IndexStore::removeFromFulltext(std::int64_t id) {
    oldValues_->bind(1, id);
    if (!oldValues_->step()) {
        oldValues_->reset();
        return;
    }
    const QByteArray terms =
        oldValues_->isNull(6) ? QByteArray() : terms_->unpack(oldValues_->blob(6));
    deleteFulltext_->bind(1, id).bindUtf8View(2, terms);
    for (int column = 0; column < 6; ++column)
        deleteFulltext_->bind(3 + column, oldValues_->text(column));
    oldValues_->reset();
    deleteFulltext_->run();
    deleteText_->bind(1, id).run();
}

void IndexStore::setMeta(const QString& key, const QString& value) {
    setMeta_->bind(1, key).bind(2, value).run();
}

} // namespace tessellon
