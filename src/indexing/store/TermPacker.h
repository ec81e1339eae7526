// Keeps what the full-text index needs to forget a document, in a few bytes.
// The contentless full-text table forgets a document only when given the
// terms it indexed: it marks each distinct term of the document as deleted
// (their positions play no part) and takes the number of terms off its
// column totals. So the store keeps each document's distinct terms, as
// numbers from the catalog's term list (table `terms`) or spelled out when
// the list is full or the term is long, and how many terms the text had.
// The terms come from SQLite's own unicode61 tokenizer, so they match the
// index exactly; unpack() gives them joined by blanks, the shortest repeated
// up to the original number, which tokenizes to the same terms and count.
//
// pack() may run on any thread; new terms wait in memory until the store
// writer saves them (takeNewTerms) in the transaction of the first document
// that uses them.
#pragma once

#include "indexing/store/TermIds.h"
#include "indexing/store/TextTokens.h"

#include <QByteArray>
#include <QList>
#include <memory>
#include <mutex>
#include <shared_mutex>

struct sqlite3;
struct fts5_tokenizer;

namespace tessellon {

class TermPacker {
public:
    // Finds the tokenizer through the connection's full-text module.
    explicit TermPacker(sqlite3* db);
    ~TermPacker();

    // Terms already saved in the store, in id order.
    void load(QList<QByteArray> terms);

    // The text's terms as the full-text index makes them.
    TextTokens tokenize(const QByteArray& utf8Text) const;
    QByteArray pack(const TextTokens& tokens);
    // The distinct terms joined by blanks, the shortest repeated up to the
    // number of terms the text had (UTF-8). Throws on damaged bytes.
    QByteArray unpack(const QByteArray& packed) const;
    // Terms numbered since the last call, with their ids.
    QList<QPair<std::int64_t, QByteArray>> takeNewTerms();

private:
    static int collect(void* context, int flags, const char* token, int length, int start, int end);

    std::unique_ptr<fts5_tokenizer> tokenizer_;
    void* tokenizerContext_ = nullptr;
    // Most terms are known already: looking them up takes the shared lock
    // only, so the filter threads rarely wait for each other.
    mutable std::shared_mutex mutex_;
    TermIds ids_;
    QList<QByteArray> terms_;
    qsizetype saved_ = 0;
};

} // namespace tessellon
