#include "html/FormTags.h"

#include "html/ColorNames.h"
#include "html/MiniHtml.h"

namespace tessellon {

namespace {

// Reads the named attribute into `field` when it is present.
void readAttribute(const AttributeList& commands, const char* name, QString& field) {
    const QString key = QLatin1String(name);
    if (commands.has(key))
        field = commands.value(key);
}

void writeWhenSet(TagWriter& writer, const char* name, const QString& value) {
    if (!value.isEmpty())
        writer.attribute(QLatin1String(name), value);
}

TextFont buttonFont() {
    return TextFont{QStringLiteral("Arial"), 8, {}};
}

} // namespace

void aFormSTag::SetHtml(const AttributeList& commands) {
    readAttribute(commands, "name", fmName);
    readAttribute(commands, "method", fmMethod);
    readAttribute(commands, "action", fmAction);
}

QString aFormSTag::GetHtml() const {
    TagWriter writer(*this);
    writeWhenSet(writer, "name", fmName);
    writeWhenSet(writer, "method", fmMethod);
    writeWhenSet(writer, "action", fmAction);
    return writer.text();
}

void aFormSTag::UpdateState(TCurrentState& state) {
    state.fmName = fmName;
    state.fmMethod = fmMethod;
    state.fmAction = fmAction;
}

void aFormElement::SetHtml(const AttributeList& commands) {
    readAttribute(commands, "name", inputName);
    readAttribute(commands, "type", inputType);
    readAttribute(commands, "value", inputValue);
    checked = commands.has(QStringLiteral("checked"));
}

QString aFormElement::GetHtml() const {
    TagWriter writer(*this);
    writeWhenSet(writer, "name", inputName);
    writeWhenSet(writer, "type", inputType);
    writeWhenSet(writer, "value", inputValue);
    if (checked)
        writer.word(QStringLiteral("checked"));
    return writer.text();
}

bool aFormElement::isButton() const {
    return inputType == QLatin1String("submit") || inputType == QLatin1String("button");
}

void aFormElement::Update() {
    aVisTag::Update();
    const TCurrentState& state = aHtml->currentState;
    fmName = state.fmName;
    fmMethod = state.fmMethod;
    fmAction = state.fmAction;
    Font = buttonFont();
    Width = Height = 0;
    if (isButton()) {
        Width = aHtml->GetWidth(QStringLiteral("  ") + inputValue, Font);
        Height = aHtml->GetHeight(inputValue, Font) + 2;
    } else if (isCheckBox()) {
        Width = 16;
        Height = 12;
    }
}

void aFormElement::Draw(Canvas& c) {
    const Rect box{Left, Top, Left + Width, Top + Height};
    if (isButton()) {
        c.setBrush(Brush{clBtnFace});
        c.fillRect(box);
        // The raised edge: light top and left, dark bottom and right.
        c.setPen(Pen{clWhite});
        c.line(box.left, box.bottom - 1, box.left, box.top);
        c.line(box.left, box.top, box.right - 1, box.top);
        c.setPen(Pen{clGray});
        c.line(box.right - 1, box.top, box.right - 1, box.bottom - 1);
        c.line(box.right - 1, box.bottom - 1, box.left - 1, box.bottom - 1);
        c.setFont(buttonFont());
        c.setTextColor(clBlack);
        c.setBrush(Brush{clBtnFace, BrushStyle::Clear});
        const int textWidth = c.textWidth(inputValue);
        const int textHeight = c.textHeight(inputValue);
        c.textOut(box.left + (Width - textWidth) / 2, box.top + (Height - textHeight) / 2,
                  inputValue);
    } else if (isCheckBox()) {
        c.setBrush(Brush{shownBackground()});
        c.fillRect(box);
        const Rect mark{Left + 2, Top, Left + 14, Top + 12};
        c.setPen(Pen{clGray});
        c.setBrush(Brush{clWhite});
        c.rectangle(mark);
        if (checked) {
            c.setPen(Pen{clBlack, 2});
            c.line(mark.left + 3, mark.top + 6, mark.left + 5, mark.top + 9);
            c.line(mark.left + 5, mark.top + 9, mark.left + 10, mark.top + 3);
        }
    }
}

void aUserDefined::SetHtml(const AttributeList& commands) {
    readAttribute(commands, "id", itemID);
    readAttribute(commands, "type", ItemType);
    readAttribute(commands, "var1", variable1);
    readAttribute(commands, "var2", variable2);
    readAttribute(commands, "var3", variable3);
}

QString aUserDefined::GetHtml() const {
    TagWriter writer(*this);
    writeWhenSet(writer, "id", itemID);
    writeWhenSet(writer, "type", ItemType);
    writeWhenSet(writer, "var1", variable1);
    writeWhenSet(writer, "var2", variable2);
    writeWhenSet(writer, "var3", variable3);
    return writer.text();
}

void aUserDefined::Update() {
    aVisTag::Update();
    Width = Height = 0;
    if (aHtml->FUserDefinedUpdate)
        aHtml->FUserDefinedUpdate(this, itemID, ItemType, Width, Height, variable1, variable2,
                                  variable3);
}

void aUserDefined::Draw(Canvas& c) {
    if (aHtml->FUserDefinedDraw)
        aHtml->FUserDefinedDraw(this, itemID, ItemType, c,
                                Rect{Left, Top, Left + Width, Top + Height}, variable1, variable2,
                                variable3);
}

} // namespace tessellon
