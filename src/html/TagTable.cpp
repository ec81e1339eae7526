#include "html/TagTable.h"

#include "html/FormTags.h"
#include "html/FormatTags.h"
#include "html/GraphicTags.h"
#include "html/ListTags.h"
#include "html/TableTags.h"

#include <array>

namespace tessellon {

THTMLFlags::THTMLFlags(std::initializer_list<THTMLFlag> flags) {
    for (THTMLFlag flag : flags)
        insert(flag);
}

THTMLFlags THTMLFlags::defaults() {
    using enum THTMLFlag;
    return {_TextFormat, _LineBreak, _Graphic, _Dynamic, _Table, _Bullet, _Controls};
}

namespace {

using Factory = std::unique_ptr<atag> (*)(TQzMiniHtml2*, const QString&);

template <class T> std::unique_ptr<atag> make(TQzMiniHtml2* document, const QString& tagName) {
    return std::make_unique<T>(document, tagName);
}

struct TagEntry {
    const char* name;
    THTMLFlag group;
    Factory start;
    Factory end;
};

using enum THTMLFlag;

const std::array<TagEntry, TagTableSize> tagTable{{
    {"html", _None, make<aHtmlSTag>, make<aHtmlETag>},
    {"head", _None, make<aHeadSTag>, make<aHeadETag>},
    {"script", _None, make<aScriptSTag>, make<aScriptETag>},
    {"body", _TextFormat, make<aBodySTag>, make<aBodyETag>},
    {"font", _TextFormat, make<aFontSTag>, make<aFontETag>},
    {"blockquote", _TextFormat, make<aBlockquoteSTag>, make<aBlockquoteETag>},
    {"indent", _TextFormat, make<aBlockquoteSTag>, make<aBlockquoteETag>},
    {"p", _LineBreak, make<aPSTag>, make<aPETag>},
    {"div", _LineBreak, make<aPSTag>, make<aPETag>},
    {"br", _LineBreak, make<aBRTag>, make<aBRTag>},
    {"u", _TextFormat, make<aUSTag>, make<aUETag>},
    {"b", _TextFormat, make<aBSTag>, make<aBETag>},
    {"s", _TextFormat, make<aSSTag>, make<aSETag>},
    {"i", _TextFormat, make<aISTag>, make<aIETag>},
    {"a", _TextFormat, make<aASTag>, make<aAETag>},
    {"ul", _Bullet, make<aULSTag>, make<aULETag>},
    {"ol", _Bullet, make<aOLSTag>, make<aOLETag>},
    {"li", _Bullet, make<aLISTag>, make<aLIETag>},
    {"title", _None, make<aTitleSTag>, make<aTitleETag>},
    {"img", _Graphic, make<aPicture>, nullptr},
    {"hr", _Graphic, make<aHorizontalRule>, nullptr},
    {"dynamic", _Dynamic, make<aDynamicTag>, make<aDynamicTag>},
    {"form", _Controls, make<aFormSTag>, make<aFormETag>},
    {"input", _Controls, make<aFormElement>, nullptr},
    {"user", _Dynamic, make<aUserDefined>, nullptr},
    {"selection", _TextFormat, make<aSelectionSTag>, make<aSelectionETag>},
    {"hi", _TextFormat, make<aSelectionSTag>, make<aSelectionETag>},
    {"sub", _TextFormat, make<aSubSTag>, make<aSubETag>},
    {"sup", _TextFormat, make<aSupSTag>, make<aSupETag>},
    {"table", _Table, make<aTableSTag>, make<aTableETag>},
    {"tr", _Table, make<aTRSTag>, make<aTRETag>},
    {"td", _Table, make<aTDSTag>, make<aTDETag>},
    {"th", _Table, make<aTHSTag>, make<aTHETag>},
}};

} // namespace

int lookupTag(const QString& name, THTMLFlags supported) {
    const bool isEnd = name.startsWith(u'/');
    const QStringView bare = isEnd ? QStringView(name).mid(1) : QStringView(name);
    for (int i = 0; i < TagTableSize; ++i) {
        if (bare == QLatin1String(tagTable[i].name)) {
            if (!supported.contains(tagTable[i].group))
                return 0;
            return isEnd ? -(i + 1) : i + 1;
        }
    }
    return 0;
}

std::unique_ptr<atag> createTagItem(int number, TQzMiniHtml2* document, const QString& tagName) {
    if (number == 0 || number > TagTableSize || number < -TagTableSize)
        return nullptr;
    const TagEntry& entry = tagTable[std::abs(number) - 1];
    const Factory factory = number > 0 ? entry.start : entry.end;
    return factory ? factory(document, tagName) : nullptr;
}

} // namespace tessellon
