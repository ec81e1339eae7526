// The store writer's stand-in for SQLite's unicode61 tokenizer. Registered
// under the same name on the writer's connection only, it hands the
// full-text index the terms a filter thread already made of a document's
// text (TextTokens) instead of tokenizing the text once more in the writer,
// the one thread every document passes through. Any other text (file names,
// titles, the terms given back when a document is forgotten, and everything
// on other connections) goes to the real unicode61.
#pragma once

#include "indexing/store/TextTokens.h"

#include <QByteArray>
#include <sqlite3.h>

namespace tessellon {

class DocumentTokenizer {
public:
    // Registers the stand-in on the connection, which owns it from then on.
    // Must come before the connection first uses the full-text table.
    static DocumentTokenizer& installOn(sqlite3* db);

    // The next document text the index tokenizes, when it equals `text`,
    // takes these tokens; until done() is called.
    void expect(const QByteArray& text, const TextTokens& tokens);
    void done();

private:
    struct Instance;
    DocumentTokenizer() = default;
    static int create(void* context, const char** args, int count, Fts5Tokenizer** out);
    static void remove(Fts5Tokenizer* instance);
    static int tokenize(Fts5Tokenizer* instance, void* context, int flags, const char* text,
                        int length, int (*token)(void*, int, const char*, int, int, int));
    static void destroy(void* context);

    fts5_tokenizer original_{};
    void* originalContext_ = nullptr;
    const QByteArray* text_ = nullptr;
    const TextTokens* tokens_ = nullptr;
};

} // namespace tessellon
