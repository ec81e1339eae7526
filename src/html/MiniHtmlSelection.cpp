// Selecting text by dragging, and making the selection bold or underlined.
#include "html/MiniHtml.h"

#include "html/TextTags.h"

#include <algorithm>
#include <climits>

namespace tessellon {

void TQzMiniHtml2::selectWordPart(int index, int fromX, int toX) {
    auto* word = dynamic_cast<aText*>(TagList[index].get());
    if (!word)
        return;
    const QString text = word->shownText();
    int first = -1;
    int last = -1;
    for (int i = 0; i < text.size(); ++i) {
        // A character counts when the dragged span covers any of it.
        const int left = word->Left + GetWidth(text.left(i), word->Font);
        const int right = word->Left + GetWidth(text.left(i + 1), word->Font);
        if (right > fromX && left < toX) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return;
    word->SelStart = first;
    word->SelStop = last;
    word->SelStartX = GetWidth(text.left(first), word->Font);
    word->SelStopX = GetWidth(text.left(last + 1), word->Font);
}

void TQzMiniHtml2::UpdateSelection(Point aStartPos, Point aEndPos) {
    std::vector<bool> wasSelected(TagList.size());
    for (size_t i = 0; i < TagList.size(); ++i) {
        wasSelected[i] = TagList[i]->Selected;
        if (auto* visible = dynamic_cast<aVisTag*>(TagList[i].get()))
            visible->UnSelect();
        else
            TagList[i]->Selected = false;
    }
    // The drag's start is the point that comes first in reading order.
    if (aStartPos.y > aEndPos.y || (aStartPos.y == aEndPos.y && aStartPos.x > aEndPos.x))
        std::swap(aStartPos, aEndPos);
    const Rect area{std::min(aStartPos.x, aEndPos.x), aStartPos.y, std::max(aStartPos.x, aEndPos.x),
                    aEndPos.y};
    int first = -1;
    int last = -1;
    for (int i = 0; i < int(TagList.size()); ++i) {
        if (dynamic_cast<aVisTag*>(TagList[i].get()) && TagList[i]->IsInRect(area)) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    SelectStartFrom = first;
    SelectEndAt = last;
    if (first >= 0) {
        if (first == last) {
            selectWordPart(first, area.left, area.right);
        } else {
            selectWordPart(first, aStartPos.x, INT_MAX);
            selectWordPart(last, INT_MIN, aEndPos.x);
        }
        for (int i = first; i <= last; ++i) {
            if (auto* visible = dynamic_cast<aVisTag*>(TagList[i].get()))
                visible->Select();
            else
                TagList[i]->Selected = true;
        }
    }
    for (int i = 0; i < int(TagList.size()); ++i) {
        if (TagList[i]->Selected != wasSelected[i] || i == first || i == last)
            DrawItem(i);
    }
}

void TQzMiniHtml2::UnSelectAll() {
    for (int i = 0; i < int(TagList.size()); ++i) {
        atag* item = TagList[i].get();
        if (!item->Selected)
            continue;
        if (auto* visible = dynamic_cast<aVisTag*>(item))
            visible->UnSelect();
        else
            item->Selected = false;
        DrawItem(i);
    }
    SelectStartFrom = SelectEndAt = -1;
    ReDraw();
}

int TQzMiniHtml2::TotalSelected() const {
    return int(std::count_if(TagList.begin(), TagList.end(),
                             [](const auto& item) { return item->Selected; }));
}

std::pair<int, int> TQzMiniHtml2::splitPartlySelectedWord(int index) {
    auto* word = dynamic_cast<aText*>(TagList[index].get());
    if (!word || word->SelStart < 0)
        return {index, 0};
    // The selection counts shown characters; the source may hold line ends.
    const QString text = word->Text;
    const int from = word->textIndex(word->SelStart);
    const int to = word->textIndex(word->SelStop) + 1;
    const QString parts[] = {text.left(from), text.mid(from, to - from), text.mid(to)};
    std::vector<std::unique_ptr<atag>> pieces;
    int middle = index;
    for (int p = 0; p < 3; ++p) {
        if (parts[p].isEmpty())
            continue;
        if (p == 1)
            middle = index + int(pieces.size());
        auto piece = std::make_unique<aText>(this, parts[p]);
        piece->Selected = p == 1;
        pieces.push_back(std::move(piece));
    }
    const int added = int(pieces.size()) - 1;
    if (MouseOver == word)
        MouseOver = nullptr;
    TagList.erase(TagList.begin() + index);
    TagList.insert(TagList.begin() + index, std::make_move_iterator(pieces.begin()),
                   std::make_move_iterator(pieces.end()));
    return {middle, added};
}

void TQzMiniHtml2::wrapSelection(const QString& startName, const QString& endName) {
    if (SelectStartFrom < 0 || SelectEndAt < 0)
        return;
    const bool oneWord = SelectStartFrom == SelectEndAt;
    auto [end, endAdded] = splitPartlySelectedWord(SelectEndAt);
    int start = end;
    if (!oneWord) {
        int startAdded = 0;
        std::tie(start, startAdded) = splitPartlySelectedWord(SelectStartFrom);
        end += startAdded;
    }
    auto endTag = createTagItem(lookupTag(QLatin1Char('/') + endName, SupportTag), this,
                                QStringLiteral("</") + endName + QLatin1Char('>'));
    auto startTag = createTagItem(lookupTag(startName, SupportTag), this,
                                  QLatin1Char('<') + startName + QLatin1Char('>'));
    if (!endTag || !startTag)
        return;
    TagList.insert(TagList.begin() + end + 1, std::move(endTag));
    TagList.insert(TagList.begin() + start, std::move(startTag));
    // The selection now runs from the start item to the end item.
    SelectStartFrom = start;
    SelectEndAt = end + 2;
    Focused = -1;
    Update();
    for (int i = SelectStartFrom; i <= SelectEndAt; ++i)
        TagList[i]->Selected = true;
    Draw();
}

void TQzMiniHtml2::Bold() {
    wrapSelection(QStringLiteral("b"), QStringLiteral("b"));
}

void TQzMiniHtml2::Underline() {
    wrapSelection(QStringLiteral("u"), QStringLiteral("u"));
}

QString TQzMiniHtml2::Bold(const QString& SelectionText, const TCurrentState& SelectionState) {
    const QString open = QStringLiteral("<b>");
    const QString close = QStringLiteral("</b>");
    QString text = SelectionText;
    if (!SelectionState.Font.style.bold) {
        text.remove(open);
        text.remove(close);
        return open + text + close;
    }
    const bool hasOpen = text.contains(open);
    const bool hasClose = text.contains(close);
    text.remove(open);
    text.remove(close);
    if (hasOpen && hasClose)
        return close + text + open;
    if (hasClose)
        return close + text;
    if (hasOpen)
        return text + open;
    return SelectionText;
}

} // namespace tessellon
