// The catalog manager's logic over the real indexing service in a private
// config and data folder: a catalog added over files the test writes is
// scanned to the end, shows the figures tessellon-admin lists, honours a
// rescan request, and goes again with its index only.
#include "ServiceSandbox.h"
#include "catalogs/CatalogManager.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/service/LocalCatalogManagement.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

// Refreshes until `done` holds or a minute has passed.
bool refreshUntil(CatalogManager& manager, const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    do {
        manager.refresh();
        if (done())
            return true;
        QThread::msleep(50);
    } while (clock.elapsed() < 60000);
    return false;
}

TEST(CatalogManagerOverService, AddScanListRescanAndRemove) {
    ServiceSandbox sandbox;
    const QString files = sandbox.dir().mkdir(u"files"_qs);
    for (int i = 0; i < 300; ++i)
        sandbox.dir().write(u"files/note%1.txt"_qs.arg(i),
                            QByteArray("budget line ") + QByteArray::number(i) + '\n');
    LocalCatalogManagement management;
    RecordingPlatform platform;
    CatalogManager manager(management, platform);

    manager.startService();
    ASSERT_EQ(manager.serviceState, u"Indexing Service is running"_qs)
        << manager.message.toStdString();
    CatalogDraft draft = manager.newDraft();
    draft.name = u"Notes"_qs;
    draft.folders = {files};
    ASSERT_TRUE(manager.addCatalog(draft)) << manager.message.toStdString();

    bool progressSound = true;
    ASSERT_TRUE(refreshUntil(manager, [&] {
        const ManagedCatalog& row = manager.catalogs.value(0);
        progressSound = progressSound && row.scanDone <= row.scanTotal;
        return row.upToDate == u"yes" && row.documents == u"300" && !manager.scanning(0);
    })) << manager.catalogs.value(0).documents.toStdString();
    EXPECT_TRUE(progressSound);
    EXPECT_TRUE(manager.catalogs[0].lastScan.isValid());

    const CommandResult list = sandbox.admin({u"list"_qs});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const ManagedCatalog row = manager.catalogs[0];
    EXPECT_EQ(list.out.chopped(1).split(u'\t'),
              (QStringList{row.name, row.state, row.upToDate, row.location, row.sizeMegabytes,
                           row.documents, row.toFilter, row.failed, row.problem}));

    // The daemon takes the request away when it starts the comparison.
    manager.select(0);
    manager.rescanSelected();
    EXPECT_EQ(manager.message, u"Rescan of Notes requested"_qs);
    const QString request = ServicePaths::rescanRequestFile(row.location);
    EXPECT_TRUE(refreshUntil(manager, [&] { return !QFileInfo::exists(request); }));

    platform.yesNoAnswers = {true};
    manager.removeSelected();
    EXPECT_EQ(manager.message, u"Catalog Notes removed"_qs);
    EXPECT_TRUE(manager.catalogs.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(row.location));
    EXPECT_EQ(QDir(files).entryList(QDir::Files).size(), 300);

    manager.stopService();
    EXPECT_EQ(manager.serviceState, u"Indexing Service is NOT running"_qs)
        << manager.message.toStdString();
}

} // namespace
