#include "indexing/store/TermPacker.h"

#include "common/Error.h"
#include "indexing/store/Fts5Api.h"

#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <limits>
#include <string_view>
#include <vector>

namespace tessellon {

namespace {

// Enough for the words of a large home folder; past it, new terms are
// spelled out, which keeps memory bounded.
constexpr qsizetype MaxTerms = 1 << 18;
constexpr qsizetype MaxNumberedTermBytes = 24;
// Far more than the filters' cap on a document's text ever gives.
constexpr std::uint64_t MaxUnpackedBytes = std::uint64_t(1) << 30;

void putVarint(QByteArray& out, std::uint64_t v) {
    while (v >= 0x80) {
        out += char((v & 0x7F) | 0x80);
        v >>= 7;
    }
    out += char(v);
}

bool getVarint(const QByteArray& in, qsizetype& pos, std::uint64_t& v) {
    v = 0;
    for (int shift = 0; pos < in.size() && shift < 64; shift += 7) {
        const auto byte = static_cast<unsigned char>(in[pos++]);
        v |= std::uint64_t(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

} // namespace

TermPacker::TermPacker(sqlite3* db) : tokenizer_(std::make_unique<fts5_tokenizer>()) {
    fts5_api* api = fts5ApiOf(db);
    if (!api ||
        api->xFindTokenizer(api, "unicode61", &tokenizerContext_, tokenizer_.get()) != SQLITE_OK)
        throw Error(QStringLiteral("SQLite's full-text module has no unicode61 tokenizer"));
}

TermPacker::~TermPacker() = default;

void TermPacker::load(QList<QByteArray> terms) {
    std::unique_lock lock(mutex_);
    terms_ = std::move(terms);
    ids_.clear();
    for (qsizetype i = 0; i < terms_.size(); ++i)
        ids_.insert(std::string_view(terms_[i].constData(), std::size_t(terms_[i].size())),
                    std::uint32_t(i));
    saved_ = terms_.size();
}

// unicode61 gives no colocated tokens (synonyms); were there any, they would
// not be terms of their own.
int TermPacker::collect(void* context, int flags, const char* token, int length, int, int) {
    if (flags & FTS5_TOKEN_COLOCATED)
        return SQLITE_OK;
    auto* tokens = static_cast<TextTokens*>(context);
    tokens->list.push_back({std::uint32_t(tokens->bytes.size()), std::uint32_t(length)});
    tokens->bytes.append(token, std::size_t(length));
    return SQLITE_OK;
}

TextTokens TermPacker::tokenize(const QByteArray& utf8Text) const {
    // The store's tokenizer arguments, so the terms are the index's terms.
    Fts5Tokenizer* instance = nullptr;
    if (tokenizer_->xCreate(tokenizerContext_, const_cast<const char**>(TokenizerArguments),
                            int(std::size(TokenizerArguments)), &instance) != SQLITE_OK)
        throw Error(QStringLiteral("Cannot create the full-text tokenizer"));
    TextTokens tokens;
    tokens.bytes.reserve(std::size_t(utf8Text.size()));
    const int rc = tokenizer_->xTokenize(instance, &tokens, FTS5_TOKENIZE_DOCUMENT,
                                         utf8Text.constData(), int(utf8Text.size()), collect);
    tokenizer_->xDelete(instance);
    // Part of a text's terms would be indexed as if they were all of it.
    if (rc != SQLITE_OK)
        throw Error(QStringLiteral("The full-text tokenizer failed: %1")
                        .arg(QString::fromUtf8(sqlite3_errstr(rc))));
    return tokens;
}

QByteArray TermPacker::pack(const TextTokens& tokens) {
    const std::size_t n = tokens.size();
    std::vector<std::uint64_t> hashes(n);
    for (std::size_t i = 0; i < n; ++i)
        hashes[i] = TermIds::hash(tokens.at(i));
    std::vector<std::int64_t> ids(n, -1);
    bool unknown = false;
    {
        std::shared_lock lock(mutex_);
        for (std::size_t i = 0; i < n; ++i) {
            ids[i] = ids_.find(tokens.at(i), hashes[i]);
            unknown = unknown || ids[i] < 0;
        }
    }
    if (unknown) {
        std::unique_lock lock(mutex_);
        for (std::size_t i = 0; i < n; ++i) {
            if (ids[i] >= 0)
                continue;
            const std::string_view token = tokens.at(i);
            ids[i] = ids_.find(token, hashes[i]);
            if (ids[i] < 0 && terms_.size() < MaxTerms && token.size() <= MaxNumberedTermBytes) {
                ids[i] = terms_.size();
                ids_.insert(token, hashes[i], std::uint32_t(ids[i]));
                terms_ << QByteArray(token.data(), qsizetype(token.size()));
            }
        }
    }
    // The distinct terms: numbered ones in ascending order (read off a bit
    // set, which is cheaper than sorting), each as the step from the one
    // before, then the spelled-out ones.
    std::int64_t largest = -1;
    for (const std::int64_t id : ids)
        largest = std::max(largest, id);
    std::vector<std::uint64_t> seen(std::size_t(largest + 64) / 64);
    std::vector<std::string_view> spelled;
    for (std::size_t i = 0; i < n; ++i) {
        if (ids[i] >= 0)
            seen[std::size_t(ids[i]) / 64] |= std::uint64_t(1) << (ids[i] % 64);
        else
            spelled.push_back(tokens.at(i));
    }
    std::vector<std::int64_t> numbered;
    for (std::size_t word = 0; word < seen.size(); ++word) {
        for (std::uint64_t bits = seen[word]; bits != 0; bits &= bits - 1)
            numbered.push_back(std::int64_t(word * 64) + std::countr_zero(bits));
    }
    std::sort(spelled.begin(), spelled.end());
    spelled.erase(std::unique(spelled.begin(), spelled.end()), spelled.end());
    QByteArray out;
    out.reserve(qsizetype(numbered.size()) * 2 + 8);
    putVarint(out, n);
    putVarint(out, numbered.size());
    std::int64_t previous = 0;
    for (const std::int64_t id : numbered) {
        putVarint(out, std::uint64_t(id - previous));
        previous = id;
    }
    for (const std::string_view term : spelled) {
        putVarint(out, term.size());
        out.append(term.data(), qsizetype(term.size()));
    }
    return out;
}

QByteArray TermPacker::unpack(const QByteArray& packed) const {
    const auto damaged = [] {
        return Error(QStringLiteral("A document's packed terms are damaged"));
    };
    qsizetype pos = 0;
    std::uint64_t count = 0;
    std::uint64_t numberedCount = 0;
    if (packed.isEmpty())
        return {};
    // The index counts a column's terms in an int.
    if (!getVarint(packed, pos, count) || !getVarint(packed, pos, numberedCount) ||
        numberedCount > count || count > std::uint64_t(std::numeric_limits<int>::max()))
        throw damaged();
    QByteArray out;
    QByteArray shortest;
    std::uint64_t distinct = 0;
    const auto add = [&](const QByteArray& term) {
        if (distinct++ > 0)
            out += ' ';
        if (distinct == 1 || term.size() < shortest.size())
            shortest = term;
        out += term;
    };
    {
        std::shared_lock lock(mutex_);
        std::uint64_t id = 0;
        for (std::uint64_t i = 0; i < numberedCount; ++i) {
            std::uint64_t step = 0;
            if (!getVarint(packed, pos, step))
                throw damaged();
            id += step;
            if (id >= std::uint64_t(terms_.size()))
                throw Error(QStringLiteral("The index store's term list lacks term %1").arg(id));
            add(terms_[qsizetype(id)]);
        }
    }
    while (pos < packed.size()) {
        std::uint64_t length = 0;
        // The tokenizer makes no empty term.
        if (!getVarint(packed, pos, length) || length == 0 ||
            length > std::uint64_t(packed.size() - pos))
            throw damaged();
        add(packed.mid(pos, qsizetype(length)));
        pos += qsizetype(length);
    }
    if (distinct > count || (count > 0 && distinct == 0))
        throw damaged();
    // The shortest term pads to the count, so the text is no longer than the
    // document's own terms were.
    const std::uint64_t padded =
        std::uint64_t(out.size()) + (count - distinct) * std::uint64_t(shortest.size() + 1);
    if (padded > MaxUnpackedBytes)
        throw damaged();
    // Written by doubling what is there: a count in the millions costs a few
    // copies, not one append per term.
    const QByteArray pad = ' ' + shortest;
    const qsizetype from = out.size();
    const auto padBytes = qsizetype(count - distinct) * pad.size();
    out.resize(from + padBytes);
    char* padding = out.data() + from;
    if (padBytes > 0)
        std::memcpy(padding, pad.constData(), std::size_t(pad.size()));
    for (qsizetype done = pad.size(); done < padBytes; done *= 2)
        std::memcpy(padding + done, padding, std::size_t(std::min(done, padBytes - done)));
    return out;
}

QList<QPair<std::int64_t, QByteArray>> TermPacker::takeNewTerms() {
    std::unique_lock lock(mutex_);
    QList<QPair<std::int64_t, QByteArray>> fresh;
    for (qsizetype i = saved_; i < terms_.size(); ++i)
        fresh.append({i, terms_[i]});
    saved_ = terms_.size();
    return fresh;
}

} // namespace tessellon
