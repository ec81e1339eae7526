// How the flat button looks: a rounded frame, a soft vertical gradient,
// highlight lines, an orange ring under the mouse, a reversed gradient and a
// shifted caption while pressed, a grey face when disabled, and the
// accelerator letter underlined by hand.
#pragma once

#include "controls/XpButtonState.h"
#include "html/Canvas.h"

namespace tessellon {

// Fills `r` from `start` to `end` in `bands` bands. Modes 0 and 1 cut
// horizontal bands top to bottom, 2 and 3 vertical bands left to right;
// modes 1 and 3 run from `end` back to `start`.
void gradientFill(Canvas& canvas, const Rect& r, Color start, Color end, int bands, int mode);

// Paints the whole button of width W and height H.
void paintXpButton(Canvas& canvas, const XpButtonState& button, int W, int H);

} // namespace tessellon
