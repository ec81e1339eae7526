#include "indexing/store/DocumentTokenizer.h"

#include "common/Error.h"
#include "indexing/store/Fts5Api.h"

#include <sqlite3.h>

#include <cstring>
#include <iterator>
#include <memory>

namespace tessellon {

struct DocumentTokenizer::Instance {
    DocumentTokenizer* owner = nullptr;
    Fts5Tokenizer* original = nullptr;
    // Only a table tokenizing as the filter threads do can take their tokens.
    bool tokenizesLikeTheFilters = false;
};

namespace {

bool sameArguments(const char** args, int count) {
    if (count != int(std::size(TokenizerArguments)))
        return false;
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(args[i], TokenizerArguments[i]) != 0)
            return false;
    }
    return true;
}

} // namespace

DocumentTokenizer& DocumentTokenizer::installOn(sqlite3* db) {
    fts5_api* api = fts5ApiOf(db);
    auto self = std::unique_ptr<DocumentTokenizer>(new DocumentTokenizer);
    if (!api || api->xFindTokenizer(api, "unicode61", &self->originalContext_, &self->original_) !=
                    SQLITE_OK)
        throw Error(QStringLiteral("SQLite's full-text module has no unicode61 tokenizer"));
    fts5_tokenizer standIn{create, remove, tokenize};
    if (api->xCreateTokenizer(api, "unicode61", self.get(), &standIn, destroy) != SQLITE_OK)
        throw Error(QStringLiteral("Cannot register the store writer's tokenizer"));
    // The connection owns it now and frees it through destroy().
    return *self.release();
}

void DocumentTokenizer::expect(const QByteArray& text, const TextTokens& tokens) {
    text_ = &text;
    tokens_ = &tokens;
}

void DocumentTokenizer::done() {
    text_ = nullptr;
    tokens_ = nullptr;
}

int DocumentTokenizer::create(void* context, const char** args, int count, Fts5Tokenizer** out) {
    auto* owner = static_cast<DocumentTokenizer*>(context);
    Fts5Tokenizer* original = nullptr;
    const int rc = owner->original_.xCreate(owner->originalContext_, args, count, &original);
    if (rc != SQLITE_OK)
        return rc;
    *out =
        reinterpret_cast<Fts5Tokenizer*>(new Instance{owner, original, sameArguments(args, count)});
    return SQLITE_OK;
}

void DocumentTokenizer::remove(Fts5Tokenizer* tokenizer) {
    auto* instance = reinterpret_cast<Instance*>(tokenizer);
    instance->owner->original_.xDelete(instance->original);
    delete instance;
}

int DocumentTokenizer::tokenize(Fts5Tokenizer* tokenizer, void* context, int flags,
                                const char* text, int length,
                                int (*token)(void*, int, const char*, int, int, int)) {
    auto* instance = reinterpret_cast<Instance*>(tokenizer);
    DocumentTokenizer& owner = *instance->owner;
    const TextTokens* tokens = owner.tokens_;
    if (tokens && instance->tokenizesLikeTheFilters && (flags & FTS5_TOKENIZE_DOCUMENT) &&
        length == owner.text_->size() &&
        std::memcmp(text, owner.text_->constData(), std::size_t(length)) == 0) {
        owner.done();
        // The index does not read a term's place in the text when it takes
        // a document.
        for (const TextTokens::Token& t : tokens->list) {
            const int rc = token(context, 0, tokens->bytes.data() + t.offset, int(t.length), 0, 0);
            if (rc != SQLITE_OK)
                return rc;
        }
        return SQLITE_OK;
    }
    return owner.original_.xTokenize(instance->original, context, flags, text, length, token);
}

void DocumentTokenizer::destroy(void* context) {
    delete static_cast<DocumentTokenizer*>(context);
}

} // namespace tessellon
