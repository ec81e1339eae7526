// What a document asks of the control it is drawn on: the mouse cursor.
#pragma once

namespace tessellon {

enum class TCursor { Default, HandPoint, IBeam };

class HtmlControl {
public:
    virtual ~HtmlControl() = default;
    virtual TCursor cursor() const = 0;
    virtual void setCursor(TCursor cursor) = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Keyboard modifiers and buttons held during a mouse event.
struct TShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
};

} // namespace tessellon
