// Statements of the indexing dialect: read by the parser, planned and run by
// the provider over a small real store (three documents and a folder, built
// once per process in a scratch folder); every row must have its place and
// a value for each column.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "indexing/registry/CatalogResolver.h"
#include "indexing/statement/IndexQueryProvider.h"
#include "indexing/statement/Parser.h"
#include "indexing/store/IndexStore.h"

#include <cstdlib>

using namespace tessellon;

namespace {

class OneCatalog : public CatalogResolver {
public:
    explicit OneCatalog(QString storeFile) : storeFile_(std::move(storeFile)) {}
    std::optional<ResolvedCatalog> findCatalog(const QString& name) override {
        if (name.compare(QStringLiteral("System"), Qt::CaseInsensitive) != 0)
            return std::nullopt;
        return ResolvedCatalog{QStringLiteral("System"), storeFile_, false};
    }

private:
    QString storeFile_;
};

void put(IndexStore& store, const QByteArray& name, std::int64_t size, std::int64_t writeMs,
         const QString& text, const QString& title, bool folder = false) {
    DocumentRecord record;
    record.facts.directory = QByteArrayLiteral("/home/u/docs");
    record.facts.path = record.facts.directory + '/' + name;
    record.facts.filename = QString::fromUtf8(name);
    record.facts.size = size;
    record.facts.writeMs = writeMs;
    record.facts.createMs = writeMs - 86400000;
    record.facts.accessMs = writeMs;
    record.facts.attrib = folder ? 0x10 : 0x20;
    record.facts.isDirectory = folder;
    record.facts.isRegularFile = !folder;
    record.content.state = folder ? FilterState::PropertiesOnly : FilterState::Filtered;
    record.content.text = text;
    record.content.title = title;
    record.content.author = QStringLiteral("Ann Example");
    record.content.keywords = QStringList{QStringLiteral("budget"), QStringLiteral("draft")};
    store.put(std::move(record), 0);
}

IndexQueryProvider& provider() {
    static OneCatalog catalogs = [] {
        const QString file = fuzz::scratchFolder() + QStringLiteral("/System.db");
        IndexStore store(file);
        store.begin();
        put(store, "report 2014.txt", 120, 1401624000000,
            QStringLiteral("The yearly report: budget forecast and obsolete figures."),
            QStringLiteral("Report"));
        put(store, "notes.html", 4096, 1391212800000,
            QStringLiteral("Meeting notes, draft. Café naïve über straße 42."), QString());
        put(store, "empty.bin", 0, 0, QString(), QString());
        put(store, "sub", 0, 1401624000000, QString(), QString(), true);
        store.commit();
        return OneCatalog(file);
    }();
    static IndexQueryProvider engine(catalogs);
    static const bool limited = [] {
        engine.setTimeLimit(std::chrono::milliseconds(5000));
        return true;
    }();
    (void)limited;
    return engine;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    try {
        statement::parseStatement(text);
    } catch (const Error&) {
        return 0;
    }
    try {
        // With each row's place in the order, as a host answers another.
        const statement::OrderedAnswer answer = provider().answer(text, 20, true);
        if (answer.places.size() != answer.rows.size())
            abort();
        for (const auto& row : answer.rows) {
            if (qsizetype(row.size()) != answer.names.size())
                abort();
        }
    } catch (const Error&) {
    }
    return 0;
}
