#include "html/TableTags.h"

#include "html/ColorNames.h"
#include "html/HtmlValues.h"
#include "html/MiniHtml.h"

#include <algorithm>

namespace tessellon {

aTableSTag::aTableSTag(TQzMiniHtml2* AOwner, QString Tag1)
    : aLNInVisTag(AOwner, std::move(Tag1)), bgColor(KeyColor),
      cellWidth(MaxTableCells * MaxTableCells, 0) {}

void aTableSTag::SetHtml(const AttributeList& commands) {
    const int documentWidth = aHtml->width;
    const bool hasWidth = commands.has(QStringLiteral("width"));
    tblWidth =
        hasWidth ? htmlLength(commands.value(QStringLiteral("width")), documentWidth, documentWidth)
                 : documentWidth;
    if (commands.has(QStringLiteral("border")))
        tblBorder = parseIntegerOr(commands.value(QStringLiteral("border")), 1);
    else
        tblBorder = hasWidth ? 0 : 1;
    if (commands.has(QStringLiteral("bgcolor")))
        bgColor = htmlColor(commands.value(QStringLiteral("bgcolor")));
}

namespace {

struct TableRow {
    int height = 0;
    std::vector<aTDSTag*> cells;
};

// The rows and cells of the table that starts at `start`, nested tables
// skipped.
std::vector<TableRow> collectRows(TQzMiniHtml2& document, int start) {
    std::vector<TableRow> rows;
    int depth = 1;
    for (int i = start + 1; i < int(document.TagList.size()); ++i) {
        atag* item = document.TagList[i].get();
        if (dynamic_cast<aTableSTag*>(item)) {
            ++depth;
        } else if (dynamic_cast<aTableETag*>(item)) {
            if (--depth == 0)
                break;
        } else if (depth == 1) {
            if (dynamic_cast<aTRSTag*>(item))
                rows.emplace_back();
            else if (auto* cell = dynamic_cast<aTDSTag*>(item)) {
                if (rows.empty())
                    rows.emplace_back();
                rows.back().cells.push_back(cell);
            }
        }
    }
    return rows;
}

} // namespace

void aTableSTag::Update() {
    std::vector<TableRow> rows = collectRows(*aHtml, aHtml->indexOf(this));
    std::fill(cellWidth.begin(), cellWidth.end(), 0);

    // Measure every cell at its wanted width.
    for (int r = 0; r < int(rows.size()); ++r) {
        TableRow& row = rows[r];
        const int count = int(row.cells.size());
        for (int c = 0; c < count; ++c) {
            aTDSTag* cell = row.cells[c];
            cell->rowNum = r;
            cell->colNum = c;
            cell->tblBorder = tblBorder;
            if (r >= MaxTableCells || c >= MaxTableCells)
                continue;
            const int wanted = cell->variables.has(QStringLiteral("width"))
                                   ? htmlLength(cell->variables.value(QStringLiteral("width")),
                                                aHtml->width, tblWidth)
                                   : (tblWidth - 10) / count;
            int contentWidth = 0;
            int contentHeight = 0;
            cell->MiniHtml =
                aHtml->CalcSize(cell->MiniHtml, cell->Html, wanted, contentWidth, contentHeight);
            measuredWidth(c, r) = contentWidth + 5;
            row.height = std::max(row.height, contentHeight);
            if (cell->variables.has(QStringLiteral("height")))
                row.height = std::max(row.height, cell->Height);
        }
    }

    std::vector<int> columnWidth(MaxTableCells, 0);
    for (int c = 0; c < MaxTableCells; ++c) {
        for (int r = 0; r < std::min(int(rows.size()), MaxTableCells); ++r)
            columnWidth[c] = std::max(columnWidth[c], measuredWidth(c, r));
    }

    // Place the rows one below the other, the cells left to right.
    int tableHeight = 0;
    for (int r = 0; r < int(rows.size()); ++r) {
        const int rowTop = Top + tableHeight;
        tableHeight += rows[r].height;
        int x = 5;
        for (int c = 0; c < int(rows[r].cells.size()); ++c) {
            aTDSTag* cell = rows[r].cells[c];
            const bool measured = r < MaxTableCells && c < MaxTableCells;
            const int w = measured ? std::max(0, std::min(columnWidth[c], tblWidth - x)) : 0;
            cell->Left = x;
            cell->Top = rowTop;
            cell->Width = w;
            cell->maxwidth = w;
            cell->Height = measured ? rows[r].height : 0;
            cell->LineHeight = cell->Height;
            x += w;
        }
    }
    Height = tableHeight;
}

aTRSTag::aTRSTag(TQzMiniHtml2* AOwner, QString Tag1)
    : aInVisTag(AOwner, std::move(Tag1)), bgColor(KeyColor), colMaxWidth(100, -1) {}

void aTRSTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("bgcolor")))
        bgColor = htmlColor(commands.value(QStringLiteral("bgcolor")));
}

int aTRSTag::countCells() const {
    int count = 0;
    const auto& items = aHtml->TagList;
    for (int i = aHtml->indexOf(this) + 1; i < int(items.size()); ++i) {
        atag* item = items[i].get();
        if (dynamic_cast<aTRSTag*>(item) || dynamic_cast<aTRETag*>(item))
            break;
        if (dynamic_cast<aTDSTag*>(item))
            ++count;
    }
    return count;
}

aTDSTag::aTDSTag(TQzMiniHtml2* AOwner, QString Tag1)
    : aVisTag(AOwner, std::move(Tag1)), bgColor(KeyColor) {}

void aTDSTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("bgcolor")))
        bgColor = htmlColor(commands.value(QStringLiteral("bgcolor")));
    if (commands.has(QStringLiteral("height")))
        Height = parseIntegerOr(commands.value(QStringLiteral("height")), 50);
}

void aTDSTag::Draw(Canvas& c) {
    if (Width <= 0 || Height <= 0)
        return;
    const int border = tblBorder;
    c.setPen(Pen{bgColor, std::max(border, 1)});
    c.setBrush(Brush{bgColor});
    c.fillRect(
        Rect{Left + border, Top + border, Left + Width - 2 * border, Top + Height - 2 * border});
    MiniHtml = aHtml->DrawHtmlOnCanvas(MiniHtml, Left, Top, Width, Html);
    // A table written with border=0 has no frame.
    if (border <= 0)
        return;
    c.setPen(Pen{clBlack, border});
    c.setBrush(Brush{clBlack, BrushStyle::Clear});
    c.rectangle(Rect{Left - border, Top - border, Left + Width, Top + Height});
}

void aTDSTag::Print() {
    if (MiniHtml < 0 || MiniHtml >= int(aHtml->SubMiniHtml.size()))
        return;
    TQzMiniHtml2& cell = *aHtml->SubMiniHtml[MiniHtml];
    cell.HtmlPrinter = aHtml->HtmlPrinter;
    cell.Print();
}

} // namespace tessellon
