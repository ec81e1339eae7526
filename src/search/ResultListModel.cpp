#include "search/ResultListModel.h"

#include <algorithm>

namespace tessellon {

void ResultListModel::setItemCount(int count) {
    if (count == lastCountSet_)
        return;
    lastCountSet_ = count;
    itemCount_ = std::max(0, count);
    selectedIndex = -1;
    ++rowsGeneration_;
}

void ResultListModel::clear() {
    itemCount_ = 0;
    selectedIndex = -1;
    ++rowsGeneration_;
}

} // namespace tessellon
