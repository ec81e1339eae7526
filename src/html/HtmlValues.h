// How attribute values of the captions become numbers, colours, lengths and
// font sizes, and how colours are written back.
#pragma once

#include "html/Canvas.h"

#include <QString>
#include <optional>

namespace tessellon {

// A whole number as the window files write it: decimal, or hexadecimal after
// "$" or "0x", with an optional sign and blanks around it.
std::optional<int> parseInteger(const QString& text);
int parseIntegerOr(const QString& text, int fallback);

// Empty or "<..." gives black; "#RRGGBB"; a colour name; a number in the
// layout 0x00BBGGRR; anything else white.
Color htmlColor(const QString& value);
// "#RRGGBB" in upper-case digits.
QString htmlColorText(Color color);

// A width against a total: "50%" of it, or a plain number; 0 takes the
// default; anything above 10 is reduced by 10 to leave the margins.
int htmlLength(const QString& value, int total, int defaultValue);

struct FontSizeValue {
    int points = 8;
    bool absolute = true;
};
// "+2" is 10 points, "-2" 6 points (relative to 8), "11" is 11 points.
FontSizeValue htmlFontSize(const QString& value);

} // namespace tessellon
