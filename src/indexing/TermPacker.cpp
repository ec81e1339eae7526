#include "indexing/TermPacker.h"

#include "common/Error.h"
#include "indexing/Fts5Api.h"

#include <sqlite3.h>

namespace tessellon {

namespace {

// Enough for the words of a large home folder; past it, new terms are
// spelled out, which keeps memory bounded.
constexpr qsizetype MaxTerms = 1 << 18;
constexpr qsizetype MaxNumberedTermBytes = 24;

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
        ids_.emplace(terms_[i].toStdString(), i);
    saved_ = terms_.size();
}

int TermPacker::collect(void* context, int flags, const char* token, int length, int, int) {
    if (flags & FTS5_TOKEN_COLOCATED)
        return SQLITE_OK;
    auto* tokens = static_cast<Tokens*>(context);
    tokens->spans.emplace_back(std::uint32_t(tokens->bytes.size()), std::uint32_t(length));
    tokens->bytes.append(token, std::size_t(length));
    return SQLITE_OK;
}

TermPacker::Tokens TermPacker::tokenize(const QByteArray& utf8Text) const {
    // The store's tokenizer arguments, so the terms are the index's terms.
    const char* arguments[] = {"remove_diacritics", "2"};
    Fts5Tokenizer* instance = nullptr;
    if (tokenizer_->xCreate(tokenizerContext_, arguments, 2, &instance) != SQLITE_OK)
        throw Error(QStringLiteral("Cannot create the full-text tokenizer"));
    Tokens tokens;
    tokens.bytes.reserve(std::size_t(utf8Text.size()));
    tokenizer_->xTokenize(instance, &tokens, FTS5_TOKENIZE_DOCUMENT, utf8Text.constData(),
                          int(utf8Text.size()), collect);
    tokenizer_->xDelete(instance);
    return tokens;
}

QByteArray TermPacker::pack(const QByteArray& utf8Text) {
    const Tokens tokens = tokenize(utf8Text);
    const std::size_t n = tokens.spans.size();
    std::vector<std::int64_t> ids(n, -1);
    bool unknown = false;
    {
        std::shared_lock lock(mutex_);
        for (std::size_t i = 0; i < n; ++i) {
            const auto it = ids_.find(tokens.at(i));
            if (it != ids_.end())
                ids[i] = it->second;
            else
                unknown = true;
        }
    }
    if (unknown) {
        std::unique_lock lock(mutex_);
        for (std::size_t i = 0; i < n; ++i) {
            if (ids[i] >= 0)
                continue;
            const std::string_view token = tokens.at(i);
            const auto it = ids_.find(token);
            if (it != ids_.end()) {
                ids[i] = it->second;
            } else if (terms_.size() < MaxTerms && token.size() <= MaxNumberedTermBytes) {
                ids[i] = terms_.size();
                ids_.emplace(std::string(token), ids[i]);
                terms_ << QByteArray(token.data(), qsizetype(token.size()));
            }
        }
    }
    QByteArray out;
    out.reserve(qsizetype(n) * 2);
    for (std::size_t i = 0; i < n; ++i) {
        if (ids[i] >= 0) {
            putVarint(out, std::uint64_t(ids[i]) + 1);
        } else {
            const std::string_view token = tokens.at(i);
            putVarint(out, 0);
            putVarint(out, token.size());
            out.append(token.data(), qsizetype(token.size()));
        }
    }
    return out;
}

QByteArray TermPacker::unpack(const QByteArray& packed) const {
    QByteArray out;
    qsizetype pos = 0;
    std::uint64_t v = 0;
    std::shared_lock lock(mutex_);
    while (pos < packed.size() && getVarint(packed, pos, v)) {
        if (!out.isEmpty())
            out += ' ';
        if (v > 0) {
            if (v - 1 >= std::uint64_t(terms_.size()))
                throw Error(QStringLiteral("The index store's term list lacks term %1").arg(v - 1));
            out += terms_[qsizetype(v - 1)];
            continue;
        }
        std::uint64_t length = 0;
        if (!getVarint(packed, pos, length) || length > std::uint64_t(packed.size() - pos))
            throw Error(QStringLiteral("A document's packed terms are damaged"));
        out += packed.mid(pos, qsizetype(length));
        pos += qsizetype(length);
    }
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
