// Forms, their input items (buttons and check boxes) and items whose size
// and painting the owner supplies.
#pragma once

#include "html/Tag.h"

namespace tessellon {

class aFormSTag : public OpeningTag<aLNInVisTag> {
public:
    using OpeningTag::OpeningTag;
    QString fmName;
    QString fmMethod;
    QString fmAction;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void UpdateState(TCurrentState& state) override;
};

class aFormETag : public ClosingTag<aInVisLNTag, aFormSTag> {
public:
    using ClosingTag::ClosingTag;
};

class aFormElement : public aVisTag {
public:
    using aVisTag::aVisTag;
    QString fmName;
    QString fmMethod;
    QString fmAction;
    QString inputName;
    QString inputType;
    QString inputValue;
    bool checked = false;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void Update() override;
    void Draw(Canvas& aCanvas) override;

    bool isButton() const;
    bool isCheckBox() const { return inputType == QLatin1String("checkbox"); }
};

class aUserDefined : public aVisTag {
public:
    using aVisTag::aVisTag;
    QString variable1;
    QString variable2;
    QString variable3;
    QString itemID;
    QString ItemType;
    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void Update() override;
    void Draw(Canvas& aCanvas) override;
};

} // namespace tessellon
