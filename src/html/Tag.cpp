#include "html/Tag.h"

#include "html/ColorNames.h"
#include "html/MiniHtml.h"

namespace tessellon {

atag::atag(TQzMiniHtml2* AOwner, QString Tag1) : tagName(std::move(Tag1)), aHtml(AOwner) {}

atag::atag(TQzMiniHtml2* AOwner) : aHtml(AOwner) {}

QString atag::GetHtml() const {
    return tagName;
}

void atag::SetHtml(const AttributeList&) {}
void atag::Draw(Canvas&) {}
void atag::Print() {}
void atag::Update() {}
void atag::UpdateState(TCurrentState&) {}

void atag::UpdatePrinter(TDummyPrinter&) {
    // Only words and blanks measure differently on a printing target.
    Update();
}

bool atag::IsIn(Point) const {
    return false;
}

bool atag::IsInRect(const Rect&) const {
    return false;
}

void openTag(TQzMiniHtml2* document, atag* tag) {
    document->currentState.AddTag(tag);
}

TagWriter::TagWriter(const atag& tag) : text_(tag.tagName) {
    // tagName is "<name>"; the attributes go before the ">".
    text_.chop(1);
}

TagWriter& TagWriter::attribute(const QString& name, const QString& value) {
    text_ += QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
    return *this;
}

TagWriter& TagWriter::number(const QString& name, int value) {
    return attribute(name, QString::number(value));
}

TagWriter& TagWriter::word(const QString& name) {
    text_ += QLatin1Char(' ') + name;
    return *this;
}

void closeOpenTag(TQzMiniHtml2* document, bool (*isOfClass)(const atag*)) {
    document->currentState.RemoveTagWhere(isOfClass);
}

aVisTag::aVisTag(TQzMiniHtml2* AOwner, QString Tag1)
    : atag(AOwner, std::move(Tag1)), FontColor(clBlack), URLColor(clBlue), ActiveColor(clRed),
      VisitedColor(clPurple), BackGroundColor(ColorNotSet) {}

void aVisTag::Select() {
    Selected = true;
}

void aVisTag::UnSelect() {
    Selected = false;
}

void aVisTag::Update() {
    const TCurrentState& state = aHtml->currentState;
    Font = state.Font;
    FontColor = state.FontColor;
    URLColor = state.URLColor;
    ActiveColor = state.ActiveColor;
    VisitedColor = state.VisitedColor;
    Visible = state.Visible;
    BackGroundColor = state.BackGroundColor;
    TargetURL = state.TargetURL;
    align = state.Align;
    Selected = state.Selected;
}

Color aVisTag::shownTextColor() const {
    if (!isLink())
        return FontColor;
    if (MouseOver)
        return ActiveColor;
    return Visited ? VisitedColor : URLColor;
}

Color aVisTag::shownBackground() const {
    return BackGroundColor == ColorNotSet ? aHtml->currentState.BackGroundColor : BackGroundColor;
}

Rect aVisTag::lineBox() const {
    return Rect{Left, Bottom() - LineHeight, Left + Width, Bottom()};
}

bool aVisTag::IsIn(Point aPoint) const {
    if (Width <= 0 || Height <= 0)
        return false;
    return aPoint.x >= Left && aPoint.x <= Left + Width && aPoint.y >= Bottom() - LineHeight &&
           aPoint.y <= Bottom();
}

bool aVisTag::IsInRect(const Rect& r) const {
    if (IsIn({r.left, r.top}) || IsIn({r.right, r.bottom}))
        return true;
    const int left = aHtml->Left + Left;
    const int right = left + Width;
    const bool acrossX = r.left <= left && r.right >= right;
    const bool insideX = r.left > left && r.right < right;
    if (!acrossX && !insideX)
        return false;
    const int bottom = Bottom() - aHtml->Top;
    const int top = bottom - LineHeight;
    const bool acrossY = r.top <= top && r.bottom >= bottom;
    const bool insideY = r.top > top && r.bottom < bottom;
    return acrossY || insideY;
}

void aInVisTag::UpdateFontColor(atag*, aVisTag* Tag, Color VisitedColor, Color ActiveColor,
                                Color URLColor, Color FontColor) {
    constexpr Color unset = Color(-1);
    if (VisitedColor != unset)
        Tag->VisitedColor = VisitedColor;
    if (ActiveColor != unset)
        Tag->ActiveColor = ActiveColor;
    if (URLColor != unset)
        Tag->URLColor = URLColor;
    if (FontColor != unset)
        Tag->FontColor = FontColor;
}

} // namespace tessellon
