// Words and blanks: the visible text of a document.
#pragma once

#include "html/Tag.h"

namespace tessellon {

// One word (or, inside a link, the whole link text with its blanks).
class aText : public aVisTag {
public:
    aText(TQzMiniHtml2* AOwner, QString word);

    QString Text;
    // The partly selected characters (first and last index) and their pixel
    // offsets within the word; -1 when the selection is not partial.
    int SelStart = -1;
    int SelStop = -1;
    int SelStartX = -1;
    int SelStopX = -1;
    TTextStyle TextStyle = TTextStyle::isNormal;

    QString GetHtml() const override { return Text; }
    void Update() override;
    void UpdatePrinter(TDummyPrinter& printer) override;
    void Draw(Canvas& aCanvas) override;
    void Print() override;
    void UnSelect() override;

    // The word as it is drawn: CR LF pairs removed.
    QString shownText() const;
    // Where the character at `shownIndex` of the shown text stands in Text.
    int textIndex(int shownIndex) const;
    // The font the word is drawn in: underlined when a link colour shows,
    // halved for sub- and superscript.
    TextFont shownFont() const;
    // How far sub- and superscript move the word down (or up, negative).
    int baselineShift() const;
};

// One blank; the blank itself is its tagName.
class aSpace : public aVisTag {
public:
    explicit aSpace(TQzMiniHtml2* AOwner);

    QString Text;

    QString GetHtml() const override { return QStringLiteral(" "); }
    void Update() override;
    void UpdatePrinter(TDummyPrinter& printer) override;
    void Draw(Canvas& aCanvas) override;
    void Print() override;
};

} // namespace tessellon
