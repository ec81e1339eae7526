// The window system's colour names ("clRed", "clBtnFace" ...) and the
// renderer's two marker colours.
#pragma once

#include "html/Canvas.h"

#include <optional>

namespace tessellon {

// The background of an item that sets none: the state's background is used.
constexpr Color ColorNotSet = 0x1FFFFFFF;
// "#F1FEEF": no background; copying to the screen shows what lies behind.
constexpr Color KeyColor = rgb(241, 254, 239);

constexpr Color clBlack = rgb(0, 0, 0);
constexpr Color clWhite = rgb(255, 255, 255);
constexpr Color clBlue = rgb(0, 0, 255);
constexpr Color clRed = rgb(255, 0, 0);
constexpr Color clPurple = rgb(128, 0, 128);
constexpr Color clGray = rgb(128, 128, 128);
constexpr Color clActiveCaption = 0xFF000002;
constexpr Color clBtnFace = 0xFF00000F;

// The colour of a name, without regard to case; nothing for an unknown name.
std::optional<Color> colorFromName(const QString& name);

} // namespace tessellon
