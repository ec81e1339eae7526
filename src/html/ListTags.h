// Bulleted and numbered lists and their items.
#pragma once

#include "html/Tag.h"

namespace tessellon {

class aULSTag : public OpeningTag<aInVisLNTag> {
public:
    using OpeningTag::OpeningTag;
    // "round", "square", "disk" or empty.
    QString ShowType;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void UpdateState(TCurrentState& state) override { state.ListItemShowType = ShowType; }
};

class aOLSTag : public aInVisLNTag {
public:
    using aInVisLNTag::aInVisLNTag;
    void Update() override;
    void UpdateState(TCurrentState& state) override {
        state.ListItemShowType = QStringLiteral("number");
    }
};

class aULETag : public ClosingTag<aInVisTag, aULSTag> {
public:
    using ClosingTag::ClosingTag;
};
class aOLETag : public ClosingTag<aInVisTag, aOLSTag> {
public:
    using ClosingTag::ClosingTag;
};

// A list item: its mark, and the indent of everything up to its end.
class aLISTag : public aVisTag {
public:
    using aVisTag::aVisTag;
    QString ShowType;
    int Counter = 0;
    void Update() override;
    void UpdateState(TCurrentState& state) override { state.Indent += 50; }
    void Draw(Canvas& aCanvas) override;
    void Print() override;

private:
    Rect markBox() const;
};

class aLIETag : public ClosingTag<aInVisLNTag, aLISTag> {
public:
    using ClosingTag::ClosingTag;
};

} // namespace tessellon
