// The result list (`ListView1`) as a model: its columns and its row count.
// It is virtual: it holds no row data; the view asks the row fill for the
// texts of each row it shows.
#pragma once

#include "common/ControlModels.h"

namespace tessellon {

// The texts of one result row as the row fill gives them.
struct ResultRow {
    QString caption;
    QStringList subItems;
    int imageIndex = -1;
};

struct ResultListModel : ControlState {
    QVector<ListColumn> columns;
    int selectedIndex = -1;

    int itemCount() const { return itemCount_; }
    // Sets the row count. It takes effect only when it differs from the count
    // set last; each effective setting makes the view drop every row it shows
    // and ask for them again (rowsGeneration changes).
    void setItemCount(int count);
    // Empties the list without counting as a count setting.
    void clear();
    // Changes whenever the rows the view shows must be fetched again.
    int rowsGeneration() const { return rowsGeneration_; }

private:
    int itemCount_ = 0;
    int lastCountSet_ = 0;
    int rowsGeneration_ = 0;
};

} // namespace tessellon
