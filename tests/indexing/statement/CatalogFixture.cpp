#include "statement/CatalogFixture.h"

#include "common/Error.h"
#include "common/PathCodec.h"

#include <QDateTime>

CatalogFixture::CatalogFixture() : provider_(catalogs_) {}

QString CatalogFixture::storeFile(const QString& name) const {
    return stores_.filePath(name + QStringLiteral(".db"));
}

void CatalogFixture::addCatalog(const QString& name, const std::vector<CorpusFile>& files,
                                bool stopped) {
    IndexStoreBuilder store(storeFile(name));
    store.begin();
    for (const CorpusFile& f : files) {
        StoredDocument d;
        d.path = tessellon::PathCodec::toBytes(files_.write(f.path, f.text.toUtf8()));
        d.text = f.text;
        d.size = f.size;
        QDateTime written =
            QDateTime::fromString(f.writeUtc, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        written.setTimeSpec(Qt::UTC);
        d.writeMs = written.toMSecsSinceEpoch();
        d.attrib = f.attrib;
        d.title = f.title;
        d.keywords = f.keywords;
        store.insert(d);
    }
    store.commit();
    catalogs_.add(name, storeFile(name), stopped);
}

QString CatalogFixture::withRoot(QString statement) const {
    return statement.replace(QStringLiteral("%ROOT%"), root());
}

QStringList CatalogFixture::paths(const QString& statement, int maxRecords) {
    const auto records = provider_.execute(QStringLiteral("Provider=MSIDXS;Data Source="),
                                           withRoot(statement), maxRecords);
    QStringList result;
    for (int r = 1; r <= records->recordCount(); ++r)
        result << records->field(r, QStringLiteral("Path")).toText().mid(root().size() + 1);
    return result;
}

QString CatalogFixture::errorOf(const QString& statement) {
    try {
        provider_.execute(QString(), withRoot(statement), 0);
        return QString();
    } catch (const tessellon::ProviderError& e) {
        return e.message();
    }
}
