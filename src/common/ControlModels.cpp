#include "common/ControlModels.h"

#include "common/TextFile.h"

namespace tessellon {

QStringList MemoModel::lines() const {
    return TextFile::splitLines(text);
}

void MemoModel::setLines(const QStringList& newLines) {
    text = newLines.join(QStringLiteral("\r\n"));
}

int TickListModel::indexOf(const QString& caption) const {
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].caption == caption)
            return i;
    }
    return -1;
}

} // namespace tessellon
