// Construction of a document and the small operations shared by its parts.
#include "html/MiniHtml.h"

#include "html/MouseHandlers.h"
#include "html/Tag.h"

#include <chrono>

namespace tessellon {

TQzMiniHtml2::TQzMiniHtml2(PictureFactory& pictures, TQzMiniHtml2* parent)
    : currentState(this), selectionState(this), pictures_(pictures), parent_(parent) {
    InputHtml.Owner = this;
    CacheBitmap = pictures_.createPicture(width, 0);
    currentState.InitState();
    selectionState.InitState();
}

TQzMiniHtml2::~TQzMiniHtml2() = default;

void TQzHtmlRec::SetHtml(const QString& input, QChar HKey) {
    Html = input;
    Hotkey = HKey;
    Owner->LoadFromCaption();
    if (FHtmlUpdate)
        FHtmlUpdate(Owner, input, HKey);
}

int TQzMiniHtml2::indexOf(const atag* item) const {
    for (int i = 0; i < int(TagList.size()); ++i) {
        if (TagList[i].get() == item)
            return i;
    }
    return -1;
}

quint32 TQzMiniHtml2::tickCount() const {
    if (TickCount)
        return TickCount();
    // Milliseconds of the monotonic clock, which counts from the system start.
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void TQzMiniHtml2::forEachHandler(const std::function<void(THandler&)>& call) {
    for (THandler* handler :
         {MouseKBHandler1.get(), MouseKBHandler2.get(), MouseKBHandler3.get()}) {
        if (handler)
            call(*handler);
    }
}

} // namespace tessellon
