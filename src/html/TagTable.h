// The fixed table of the 33 tag names the dialect knows, with the group each
// belongs to and the item classes made for its start and end.
#pragma once

#include "html/AttributeList.h"

#include <QString>
#include <memory>

namespace tessellon {

class atag;
class TQzMiniHtml2;

enum class THTMLFlag {
    _TextFormat,
    _LineBreak,
    _Graphic,
    _Dynamic,
    _Table,
    _Bullet,
    _Controls,
    _None
};

// A set of tag groups.
class THTMLFlags {
public:
    THTMLFlags() = default;
    THTMLFlags(std::initializer_list<THTMLFlag> flags);
    // Every group but _None: what a new document recognises.
    static THTMLFlags defaults();
    bool contains(THTMLFlag flag) const { return bits_ & bit(flag); }
    void insert(THTMLFlag flag) { bits_ |= bit(flag); }
    void remove(THTMLFlag flag) { bits_ &= ~bit(flag); }

private:
    static unsigned bit(THTMLFlag flag) { return 1u << unsigned(flag); }
    unsigned bits_ = 0;
};

constexpr int TagTableSize = 33;

// The table number of a lower-case tag name: positive for a start tag,
// negative for an end tag ("/b"), 0 when not recognised. The first equal
// name decides; when its group is not supported the tag is not recognised.
int lookupTag(const QString& name, THTMLFlags supported);

// The item for a table number from lookupTag, or nothing when that tag has
// no item (the end of "img", "hr", "input" and "user").
std::unique_ptr<atag> createTagItem(int number, TQzMiniHtml2* document, const QString& tagName);

} // namespace tessellon
