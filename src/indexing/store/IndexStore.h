// A catalog's index store, opened for writing: one SQLite database (WAL) with
// the documents, their compressed text and the full-text index. Only one
// writer works on a store at a time (the daemon or a rescan); every change is
// made inside a transaction, so a crash loses nothing committed and leaves no
// half document.
//
// Opening checks the store: a file that is not a database, fails SQLite's
// quick check or FTS5's integrity check (see OpenCheck), was marked damaged
// (StoreDamage) or has another schema version is moved aside (damaged) or
// replaced (old version) and a fresh store is made; notice() says what
// happened.
//
// One writer at a time: the term list (see TermPacker) is numbered in memory
// before it is saved, so two writers would hand out the same numbers. A lock
// file beside the store keeps a second writer out.
#pragma once

#include "common/Error.h"
#include "indexing/store/DocumentRecord.h"
#include "indexing/store/DocumentTokenizer.h"
#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/TermPacker.h"
#include "indexing/store/WalCheckpointer.h"

#include <QHash>
#include <memory>

namespace tessellon {

// Another program (the daemon or a rescan) writes the store right now.
class StoreBusyError : public FileError {
public:
    using FileError::FileError;
};

class IndexStore {
public:
    // What the store knows of a document, to decide whether it changed.
    struct Known {
        std::int64_t id = 0;
        std::int64_t size = 0;
        std::int64_t mtimeNs = 0;
        std::int64_t ctimeNs = 0;
        FilterState state = FilterState::Waiting;
        bool isDirectory = false;
    };

    // How much opening checks. SQLite's quick check always; FTS5's
    // integrity check reads the whole full-text index (a second or more for
    // a large store), so by default it runs only when the last writer did
    // not end cleanly. Damage found later is repaired anyway (StoreDamage).
    enum class OpenCheck { Full, FullAfterUncleanStop };

    // Takes the store's writer lock for the store's life; throws
    // StoreBusyError when another writer holds it.
    explicit IndexStore(const QString& file, OpenCheck check = OpenCheck::FullAfterUncleanStop);
    ~IndexStore();

    // Deletes the store with its side files once no writer holds it,
    // waiting up to `waitMs`; false, deleting nothing, when a writer kept it.
    static bool remove(const QString& file, int waitMs);

    const QString& notice() const { return notice_; }

    void begin();
    void commit();
    void rollback();

    QHash<QByteArray, Known> knownDocuments();
    // Known documents directly inside one folder.
    QHash<QByteArray, Known> knownInFolder(const QByteArray& directory);
    // Known documents below a folder, at any depth.
    QHash<QByteArray, Known> knownBelow(const QByteArray& folder);

    // Computes what put() stores from the content's text (the summary, the
    // text as UTF-8, its terms for the full-text index, the packed terms)
    // and drops the text itself; safe to call on any thread.
    void pack(DocumentRecord& record);
    // Inserts a document or replaces the one at the same path (keeping its
    // id). A record that was not packed is packed here.
    void put(DocumentRecord record, std::int64_t existingId);
    // Changes only the file system's properties of a document whose content
    // did not change.
    void updateFacts(const FileFacts& facts, std::int64_t id);
    void remove(std::int64_t id);

    void setMeta(const QString& key, const QString& value);

private:
    void open(bool checkFullText);
    void removeFromFulltext(std::int64_t id);
    void saveNewTerms();

    QString file_;
    QString notice_;
    int writerLock_ = -1;
    std::unique_ptr<SqliteDatabase> db_;
    std::unique_ptr<SqliteStatement> insertDoc_, updateDoc_, updateFacts_, deleteDoc_, oldValues_,
        setCharacterization_, deleteCharacterization_, insertText_, deleteText_, insertFulltext_,
        deleteFulltext_, setMeta_, insertTerm_;
    std::unique_ptr<WalCheckpointer> checkpointer_;
    std::unique_ptr<TermPacker> terms_;
    DocumentTokenizer* tokenizer_ = nullptr; // owned by the connection
    bool inTransaction_ = false;
};

} // namespace tessellon
