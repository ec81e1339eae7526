// The manual in docs/manual: every page is linked from the first, and every
// link and picture in it resolves to a file (and an anchor) of the manual.
// Nothing in it loads from the network.
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString manualFolder() {
    return qEnvironmentVariable("TESSELLON_SOURCE_DIR") + u"/docs/manual"_qs;
}

QString read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString& html, const QRegularExpression& pattern) {
    QStringList found;
    for (auto it = pattern.globalMatch(html); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

TEST(Manual, EveryPageIsLinkedAndEveryReferenceResolves) {
    const QDir folder(manualFolder());
    const QStringList pages = folder.entryList({u"*.html"_qs}, QDir::Files);
    ASSERT_TRUE(pages.contains(u"index.html"_qs)) << folder.path().toStdString();
    static const QRegularExpression reference(uR"re((?:href|src)\s*=\s*"([^"]*)")re"_qs);
    static const QRegularExpression id(uR"re(\sid\s*=\s*"([^"]*)")re"_qs);

    QSet<QString> linkedFromFirst;
    for (const QString& page : pages) {
        const QString html = read(folder.filePath(page));
        for (const QString& target : matches(html, reference)) {
            SCOPED_TRACE((page + u" -> "_qs + target).toStdString());
            EXPECT_FALSE(target.contains(u"://"_qs) &&
                         !target.startsWith(u"https://www.korvane.example"_qs))
                << "a reference outside the manual";
            if (target.contains(u"://"_qs) || target.startsWith(u"mailto:"_qs))
                continue;
            const QString file = target.section(u'#', 0, 0);
            const QString anchor = target.section(u'#', 1);
            const QString resolved = file.isEmpty() ? folder.filePath(page) : folder.filePath(file);
            ASSERT_TRUE(QFile::exists(resolved)) << resolved.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(matches(read(resolved), id).contains(anchor));
            }
            if (page == u"index.html")
                linkedFromFirst.insert(file);
        }
    }
    for (const QString& page : pages) {
        if (page != u"index.html") {
            EXPECT_TRUE(linkedFromFirst.contains(page)) << page.toStdString();
        }
    }
}

} // namespace
