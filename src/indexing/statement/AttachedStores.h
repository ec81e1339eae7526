// The provider's one SQLite connection and the catalog stores attached to
// it. Stores stay attached between statements, so SQLite's page cache and
// parsed schemas carry over; a store whose file was replaced (a rebuilt
// index) is attached afresh. Used from one thread at a time.
#pragma once

#include "indexing/statement/SqliteConnection.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace tessellon::statement {

class AttachedStores {
public:
    AttachedStores();

    SqliteConnection& connection() { return *connection_; }

    // Makes room for the stores one statement needs: detaches stores whose
    // file is gone or was replaced, and others when SQLite's limit of
    // attached databases requires it. Throws ProviderError when the statement
    // alone needs more stores than the limit allows.
    void reserveFor(const QStringList& files);
    // The schema name under which the store file is attached; attaches it
    // first when needed. Throws ProviderError with SQLite's message.
    QString schemaFor(const QString& file);

private:
    struct Store {
        QString file;
        QString schema;
        std::pair<std::uint64_t, std::uint64_t> identity; // device, inode
    };
    void open();
    void detach(std::size_t index);

    std::unique_ptr<SqliteConnection> connection_;
    std::vector<Store> stores_;
    int attachLimit_ = 0;
    int nextSchema_ = 0;
};

} // namespace tessellon::statement
