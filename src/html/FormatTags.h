// Tags that change the formatting in force: document structure, body and
// font, paragraphs and breaks, styles, links, sub- and superscript, the
// selection markers and dynamic placeholders.
#pragma once

#include "html/Tag.h"

namespace tessellon {

// Hides what stands between its start and end.
class aHiddenSTag : public OpeningTag<aInVisTag> {
public:
    using OpeningTag::OpeningTag;
    void UpdateState(TCurrentState& state) override;
};

class aHtmlSTag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
};
class aHtmlETag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
};
class aHeadSTag : public aHiddenSTag {
public:
    using aHiddenSTag::aHiddenSTag;
};
class aHeadETag : public ClosingTag<aInVisTag, aHeadSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aScriptSTag : public aHiddenSTag {
public:
    using aHiddenSTag::aHiddenSTag;
};
class aScriptETag : public ClosingTag<aInVisTag, aScriptSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aTitleSTag : public aInVisLNTag {
public:
    using aInVisLNTag::aInVisLNTag;
};
class aTitleETag : public aInVisLNTag {
public:
    using aInVisLNTag::aInVisLNTag;
};

class aBodySTag : public OpeningTag<aInVisTag> {
public:
    aBodySTag(TQzMiniHtml2* AOwner, QString Tag1);
    Color BackGroundColor;
    Color FontColor;
    Color URLColor;
    Color ActiveColor;
    Color VisitedColor;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void UpdateState(TCurrentState& state) override;
    void Draw(Canvas& aCanvas) override;
};
class aBodyETag : public ClosingTag<aInVisTag, aBodySTag> {
public:
    using ClosingTag::ClosingTag;
};

class aFontSTag : public OpeningTag<aInVisTag> {
public:
    aFontSTag(TQzMiniHtml2* AOwner, QString Tag1);
    QString FontName;
    bool absoluteFontSize = true;
    int FontSize = 8;
    Color FontColor;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void UpdateState(TCurrentState& state) override;
};
class aFontETag : public ClosingTag<aInVisTag, aFontSTag> {
public:
    using ClosingTag::ClosingTag;
};

class aBlockquoteSTag : public OpeningTag<aLNInVisTag> {
public:
    using OpeningTag::OpeningTag;
    void UpdateState(TCurrentState& state) override;
};
class aBlockquoteETag : public ClosingTag<aInVisLNTag, aBlockquoteSTag> {
public:
    using ClosingTag::ClosingTag;
};

// "p" and "div".
class aPSTag : public OpeningTag<aLNInVisTag> {
public:
    aPSTag(TQzMiniHtml2* AOwner, QString Tag1);
    QString Align;
    Color BackGroundColor;
    int StartHeight = 0;
    int EndHeight = 0;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void UpdateState(TCurrentState& state) override;
    void Draw(Canvas& aCanvas) override;
    void Print() override;

private:
    // The box of the visible items up to the matching end; false when none.
    bool contentBox(Rect& box) const;
};
class aPETag : public ClosingTag<aInVisLNTag, aPSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aBRTag : public aInVisLNTag {
public:
    using aInVisLNTag::aInVisLNTag;
};

// Bold, italic, underline and strike-out starts.
class aStyleSTag : public OpeningTag<aInVisTag> {
public:
    using OpeningTag::OpeningTag;
    void UpdateState(TCurrentState& state) override { applyStyle(state.Font.style); }

protected:
    virtual void applyStyle(FontStyle& style) const = 0;
};
class aUSTag : public aStyleSTag {
public:
    using aStyleSTag::aStyleSTag;
    void applyStyle(FontStyle& style) const override { style.underline = true; }
};
class aBSTag : public aStyleSTag {
public:
    using aStyleSTag::aStyleSTag;
    void applyStyle(FontStyle& style) const override { style.bold = true; }
};
class aSSTag : public aStyleSTag {
public:
    using aStyleSTag::aStyleSTag;
    void applyStyle(FontStyle& style) const override { style.strikeOut = true; }
};
class aISTag : public aStyleSTag {
public:
    using aStyleSTag::aStyleSTag;
    void applyStyle(FontStyle& style) const override { style.italic = true; }
};
class aUETag : public ClosingTag<aInVisTag, aUSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aBETag : public ClosingTag<aInVisTag, aBSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aSETag : public ClosingTag<aInVisTag, aSSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aIETag : public ClosingTag<aInVisTag, aISTag> {
public:
    using ClosingTag::ClosingTag;
};

class aASTag : public OpeningTag<aInVisTag> {
public:
    using OpeningTag::OpeningTag;
    QString TargetURL;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void UpdateState(TCurrentState& state) override { state.TargetURL = TargetURL; }
};
class aAETag : public ClosingTag<aInVisTag, aASTag> {
public:
    using ClosingTag::ClosingTag;
};

class aSubSTag : public OpeningTag<aInVisTag> {
public:
    using OpeningTag::OpeningTag;
    void UpdateState(TCurrentState& state) override { state.TextStyle = TTextStyle::isSubScript; }
};
class aSupSTag : public OpeningTag<aInVisTag> {
public:
    using OpeningTag::OpeningTag;
    void UpdateState(TCurrentState& state) override { state.TextStyle = TTextStyle::isSuperScript; }
};
class aSubETag : public ClosingTag<aInVisTag, aSubSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aSupETag : public ClosingTag<aInVisTag, aSupSTag> {
public:
    using ClosingTag::ClosingTag;
};

// Marks the selected part of a document ("selection" and "hi").
class aSelectionSTag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
    QString GetHtml() const override { return {}; }
    void Update() override;
    void UpdateState(TCurrentState& state) override;
};
class aSelectionETag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
    QString GetHtml() const override { return {}; }
    void Update() override;
};

// A placeholder whose text the owner supplies while the document loads.
class aDynamicTag : public aInVisTag {
public:
    using aInVisTag::aInVisTag;
    QString id;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
};

} // namespace tessellon
