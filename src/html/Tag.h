// The items of a parsed document: every recognised tag, every word and every
// blank of the source is one item. The base classes here give the common
// fields and the defaults; the tag families live in their own files.
#pragma once

#include "html/AttributeList.h"
#include "html/Canvas.h"
#include "html/CurrentState.h"

#include <QString>

namespace tessellon {

class TQzMiniHtml2;
class TDummyPrinter;

class atag {
public:
    atag(TQzMiniHtml2* AOwner, QString Tag1);
    explicit atag(TQzMiniHtml2* AOwner);
    virtual ~atag() = default;
    atag(const atag&) = delete;
    atag& operator=(const atag&) = delete;

    // The tag as written back: "<b>", "</b>".
    QString tagName;
    TQzMiniHtml2* aHtml = nullptr;
    int Width = 0;
    int Height = 0;
    int Left = 0;
    int Top = 0;
    int LineNumber = 0;
    AttributeList variables;
    int LineHeight = 0;
    bool Selected = false;
    bool Visible = true;

    // The item written back as markup.
    virtual QString GetHtml() const;
    // Reads the attributes into the item's own fields.
    virtual void SetHtml(const AttributeList& commands);
    // Paints the item into the document's picture.
    virtual void Draw(Canvas& aCanvas);
    // Sends the item to the document's printing target.
    virtual void Print();
    // The item's part of the layout pass.
    virtual void Update();
    // What the open start tag does to a state being rebuilt.
    virtual void UpdateState(TCurrentState& state);
    // The layout action when laying out for a printing target.
    virtual void UpdatePrinter(TDummyPrinter& printer);
    virtual bool IsIn(Point aPoint) const;
    virtual bool IsInRect(const Rect& aRect) const;

    int Bottom() const { return Top + Height; }
};

// An item that shows: it keeps its own copy of the font and colours in force
// at its place.
class aVisTag : public atag {
public:
    aVisTag(TQzMiniHtml2* AOwner, QString Tag1);

    Color FontColor;
    Color URLColor;
    Color ActiveColor;
    Color VisitedColor;
    // ColorNotSet: the state's background is used when painting.
    Color BackGroundColor;
    QString TargetURL;
    bool Visited = false;
    bool MouseOver = false;
    TextFont Font;
    QString align;

    virtual void Select();
    virtual void UnSelect();

    void Update() override;
    bool IsIn(Point aPoint) const override;
    bool IsInRect(const Rect& aRect) const override;

    bool isLink() const { return !TargetURL.isEmpty(); }
    // The text colour: a link's active, visited or link colour, else the own one.
    Color shownTextColor() const;
    // The background, the document's state's when the item sets none.
    Color shownBackground() const;
    // The box from the line's top to the item's bottom.
    Rect lineBox() const;
};

class aInVisTag : public atag {
public:
    using atag::atag;
    // Copies every colour that is not -1 into the visible item.
    static void UpdateFontColor(atag* Sender, aVisTag* Tag, Color VisitedColor, Color ActiveColor,
                                Color URLColor, Color FontColor);
};

// Ends the current line after itself.
class aInVisLNTag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
};

// Starts a new line before itself.
class aLNInVisTag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
};

// Opens the tag in the document's current state.
void openTag(TQzMiniHtml2* document, atag* tag);

// A start tag whose layout action opens it in the current state.
template <class Base> class OpeningTag : public Base {
public:
    using Base::Base;
    void Update() override { openTag(this->aHtml, this); }
};

// Writes a tag back as "<name attr="value" ...>".
class TagWriter {
public:
    explicit TagWriter(const atag& tag);
    TagWriter& attribute(const QString& name, const QString& value);
    TagWriter& number(const QString& name, int value);
    // A bare word such as " noshade".
    TagWriter& word(const QString& name);
    QString text() const { return text_ + QLatin1Char('>'); }

private:
    QString text_;
};

// Closes, in the document's current state, the newest open tag of a class.
void closeOpenTag(TQzMiniHtml2* document, bool (*isOfClass)(const atag*));

// An end tag that closes the nearest open start tag of its kind.
template <class Base, class StartTag> class ClosingTag : public Base {
public:
    using Base::Base;
    void Update() override {
        closeOpenTag(this->aHtml,
                     [](const atag* tag) { return dynamic_cast<const StartTag*>(tag) != nullptr; });
    }
};

} // namespace tessellon
