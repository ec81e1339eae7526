#include "indexing/crawl/Crawler.h"

#include "indexing/crawl/FileFactsReader.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace tessellon {

namespace {

bool isBelow(const QByteArray& path, const QByteArray& folder) {
    return path.size() > folder.size() && path.startsWith(folder) && path[folder.size()] == '/';
}

} // namespace

Crawler::Crawler(const ExcludeRules& rules, std::atomic<bool>* cancel)
    : rules_(rules), cancel_(cancel) {}

CrawlPlan Crawler::crawlDeep(const QList<QByteArray>& roots,
                             QHash<QByteArray, IndexStore::Known> known) {
    CrawlPlan plan;
    for (const QByteArray& root : roots)
        walk(root, Descend::All, known, plan);
    for (auto it = known.cbegin(); it != known.cend(); ++it) {
        const bool keep = std::any_of(unlisted_.cbegin(), unlisted_.cend(),
                                      [&](const QByteArray& f) { return isBelow(it.key(), f); });
        if (!keep)
            plan.vanished << it->id;
    }
    return plan;
}

CrawlPlan Crawler::crawlShallow(const QByteArray& folder,
                                QHash<QByteArray, IndexStore::Known> known,
                                const KnownBelow& knownBelow) {
    CrawlPlan plan;
    walk(folder, Descend::NewFoldersOnly, known, plan);
    if (unlisted_.contains(folder))
        return plan; // the folder itself could not be read: keep what is known
    for (auto it = known.cbegin(); it != known.cend(); ++it) {
        plan.vanished << it->id;
        if (it->isDirectory) {
            const auto below = knownBelow(it.key());
            for (const IndexStore::Known& k : below)
                plan.vanished << k.id;
        }
    }
    return plan;
}

void Crawler::classify(const FileFacts& facts, QHash<QByteArray, IndexStore::Known>& known,
                       CrawlPlan& plan) {
    const auto it = known.constFind(facts.path);
    const bool isKnown = it != known.cend();
    const IndexStore::Known k = isKnown ? *it : IndexStore::Known{};
    if (isKnown)
        known.erase(it);
    CrawlPlan::Item item{facts, k.id};
    if (!facts.isRegularFile) {
        if (!isKnown || k.size != facts.size || k.mtimeNs != facts.mtimeNs ||
            k.ctimeNs != facts.ctimeNs)
            plan.toRecord << item;
        else
            ++plan.unchanged;
        return;
    }
    // A changed size or time re-filters; a failed document is tried again
    // only when the file changed, which its status change time tells.
    const bool contentChanged = !isKnown || k.size != facts.size || k.mtimeNs != facts.mtimeNs ||
                                k.state == FilterState::Waiting || k.isDirectory ||
                                (k.state == FilterState::Failed && k.ctimeNs != facts.ctimeNs);
    if (contentChanged)
        plan.toFilter << item;
    else if (k.ctimeNs != facts.ctimeNs)
        plan.factsChanged << item;
    else
        ++plan.unchanged;
}

void Crawler::walk(const QByteArray& root, Descend descend,
                   QHash<QByteArray, IndexStore::Known>& known, CrawlPlan& plan) {
    QList<QByteArray> pending{root};
    bool atRoot = true;
    while (!pending.isEmpty()) {
        if (cancel_ && cancel_->load())
            return;
        const QByteArray folder = pending.takeLast();
        // A scope may itself be a symbolic link the user chose; below it,
        // links are recorded and never followed.
        const int fd = ::open(folder.constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC | (atRoot ? 0 : O_NOFOLLOW));
        struct stat folderStat;
        if (fd < 0 || ::fstat(fd, &folderStat) != 0) {
            if (fd >= 0)
                ::close(fd);
            if (errno != ENOENT) {
                ++plan.unreadable;
                unlisted_ << folder;
            }
            atRoot = false;
            continue;
        }
        if (rules_.isOwnFolder(folderStat) ||
            visited_.contains({quint64(folderStat.st_dev), quint64(folderStat.st_ino)})) {
            ::close(fd);
            atRoot = false;
            continue;
        }
        visited_.insert({quint64(folderStat.st_dev), quint64(folderStat.st_ino)});
        DIR* dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            ++plan.unreadable;
            unlisted_ << folder;
            continue;
        }
        plan.folders << folder;
        const bool descendAll = descend == Descend::All || !atRoot;
        atRoot = false;
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            const QByteArray path = folder + '/' + name;
            if (rules_.excludesName(name, path))
                continue;
            FileFactsReader::Entry read;
            if (!FileFactsReader::readEntry(::dirfd(dir), entry->d_name, read)) {
                if (errno != ENOENT)
                    ++plan.unreadable;
                continue;
            }
            if (rules_.isOwnFolder(read.st))
                continue;
            const FileFacts facts = FileFactsReader::fromEntry(folder, name, read);
            const bool isNewFolder = facts.isDirectory && !known.contains(path);
            classify(facts, known, plan);
            if (facts.isDirectory && (descendAll || isNewFolder))
                pending << path;
        }
        ::closedir(dir);
    }
}

} // namespace tessellon
