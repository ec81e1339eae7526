// Keeps a document's words in a few bytes each, exactly as the full-text
// index saw them. The contentless full-text table forgets a document only
// when given the very terms it indexed, so the store keeps each document's
// term sequence: every term as a number from the catalog's term list (table
// `terms`), or spelled out when the list is full or the term is long. The
// terms come from SQLite's own unicode61 tokenizer, so they match the index
// exactly; joined by blanks they tokenize to the same terms at the same
// positions.
//
// pack() may run on any thread; new terms wait in memory until the store
// writer saves them (takeNewTerms) in the transaction of the first document
// that uses them.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

    QByteArray pack(const QByteArray& utf8Text);
    // The terms joined by blanks (UTF-8).
    QByteArray unpack(const QByteArray& packed) const;
    // Terms numbered since the last call, with their ids.
    QList<QPair<std::int64_t, QByteArray>> takeNewTerms();

private:
    // The tokens of a text, one after the other in `bytes`.
    struct Tokens {
        std::string bytes;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> spans; // offset, length
        std::string_view at(std::size_t i) const {
            return std::string_view(bytes).substr(spans[i].first, spans[i].second);
        }
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    Tokens tokenize(const QByteArray& utf8Text) const;
    static int collect(void* context, int flags, const char* token, int length, int, int);

    std::unique_ptr<fts5_tokenizer> tokenizer_;
    void* tokenizerContext_ = nullptr;
    // Most terms are known already: looking them up takes the shared lock
    // only, so the filter threads rarely wait for each other.
    mutable std::shared_mutex mutex_;
    std::unordered_map<std::string, std::int64_t, Hash, std::equal_to<>> ids_;
    QList<QByteArray> terms_;
    qsizetype saved_ = 0;
};

} // namespace tessellon
