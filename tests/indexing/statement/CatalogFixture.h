// Catalogs for provider tests: real files in a temporary folder, a real
// index store per catalog built from them, and a resolver that knows them.
#pragma once

#include "statement/FakeCatalogs.h"
#include "statement/IndexStoreBuilder.h"
#include "support/TempDir.h"

#include "indexing/statement/IndexQueryProvider.h"

#include <vector>

struct CorpusFile {
    CorpusFile(QString path, QString text, QString writeUtc = QStringLiteral("2014-06-01 12:00:00"),
               std::int64_t size = -1, std::uint32_t attrib = 0xA0, QString title = QString(),
               QStringList keywords = QStringList())
        : path(std::move(path)), text(std::move(text)), writeUtc(std::move(writeUtc)), size(size),
          attrib(attrib), title(std::move(title)), keywords(std::move(keywords)) {}

    QString path; // relative to the fixture's root
    QString text;
    QString writeUtc;  // "yyyy-MM-dd hh:mm:ss"
    std::int64_t size; // -1: the text's length
    std::uint32_t attrib;
    QString title;
    QStringList keywords;
};

class CatalogFixture {
public:
    CatalogFixture();

    // The folder the files live in.
    QString root() const { return files_.path(); }
    // Writes the files and builds the catalog's store from them.
    void addCatalog(const QString& name, const std::vector<CorpusFile>& files,
                    bool stopped = false);
    QString storeFile(const QString& name) const;
    FakeCatalogs& catalogs() { return catalogs_; }
    tessellon::IndexQueryProvider& provider() { return provider_; }

    // The statement with "%ROOT%" replaced by the root folder.
    QString withRoot(QString statement) const;
    // Runs the statement; the Path of each row relative to the root, in order.
    QStringList paths(const QString& statement, int maxRecords = 0);
    // The message of the error the statement fails with, or "" when it runs.
    QString errorOf(const QString& statement);

private:
    TempDir files_;
    TempDir stores_;
    FakeCatalogs catalogs_;
    tessellon::IndexQueryProvider provider_;
};
