// List column widths in pixels were chosen for the 8-point sans font of the
// Windows desktop. A wider desktop font would cut the texts those widths were
// meant to hold ("running", a date, a header), a narrower one leave gaps, so
// each width grows or shrinks with the font's average character width.
#pragma once

class QFont;

namespace tessellon {

// The average character width of that 8-point sans font at 96 dpi, in
// pixels: about 5 for MS Sans Serif, Tahoma and Arial alike.
inline constexpr double OriginalAverageCharWidth = 5.0;

// `width` scaled from the original font to `font`.
int scaledColumnWidth(int width, const QFont& font);

} // namespace tessellon
