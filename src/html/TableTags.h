// Tables: the table lays out its rows and cells; each cell's content is a
// document of its own, drawn into the table's document.
#pragma once

#include "html/Tag.h"

#include <vector>

namespace tessellon {

constexpr int MaxTableCells = 99;

class aTableSTag : public aLNInVisTag {
public:
    aTableSTag(TQzMiniHtml2* AOwner, QString Tag1);
    int tblWidth = 0;
    int tblBorder = 1;
    Color bgColor;
    // Measured widths by column and row, MaxTableCells of each.
    std::vector<int> cellWidth;
    void SetHtml(const AttributeList& commands) override;
    void Update() override;
    int& measuredWidth(int column, int row) { return cellWidth[column * MaxTableCells + row]; }
};

class aTableETag : public aInVisLNTag {
public:
    using aInVisLNTag::aInVisLNTag;
};

class aTRSTag : public aInVisTag {
public:
    aTRSTag(TQzMiniHtml2* AOwner, QString Tag1);
    int ColCount = 0;
    int rowTop = 0;
    int tblWidth = 0;
    int tblBorder = 0;
    Color bgColor;
    int rowNum = 0;
    std::vector<int> colMaxWidth;
    void SetHtml(const AttributeList& commands) override;
    void Update() override { ColCount = countCells(); }
    // The cell starts that follow before the next row start or end.
    int countCells() const;
};

class aTRETag : public aLNInVisTag {
public:
    using aLNInVisTag::aLNInVisTag;
};

class aTDSTag : public aVisTag {
public:
    aTDSTag(TQzMiniHtml2* AOwner, QString Tag1);
    // Index of the cell's document in the table's document, -1 for none.
    int MiniHtml = -1;
    int tblBorder = 0;
    Color bgColor;
    int maxwidth = 0;
    int colNum = 0;
    int rowNum = 0;
    // The cell's source, moved here by the parser.
    QString Html;
    void SetHtml(const AttributeList& commands) override;
    void Draw(Canvas& aCanvas) override;
    void Print() override;
};

class aTHSTag : public aTDSTag {
public:
    using aTDSTag::aTDSTag;
};

class aTDETag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
};

class aTHETag : public aTDETag {
public:
    using aTDETag::aTDETag;
};

} // namespace tessellon
