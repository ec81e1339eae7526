// The mini-HTML renderer: any text is parsed, laid out and painted on the
// recording canvas, then a click and a drag select across it and the view
// scrolls, as a caption of a window sees it.
#include "FuzzSupport.h"

#include "html/MiniHtml.h"
#include "html/MouseHandlers.h"
#include "html/canvas/RecordingCanvas.h"

using namespace tessellon;
using namespace tessellon::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecordingPictureFactory pictures;
    pictures.keepPixels = false;
    RecordingCanvas target(300, 100, false);
    quint32 ticks = 1000;
    TQzMiniHtml2 document(pictures);
    document.width = 300;
    document.height = 100;
    document.TargetCanvas = &target;
    document.TickCount = [&ticks] { return ticks; };
    document.MouseKBHandler1 = std::make_unique<TNormalHandler>(&document);
    document.InputHtml.Html = QString::fromUtf8(fuzz::bytes(data, size));
    document.LoadFromCaption();

    RecordingControl control;
    document.MouseDown(&control, TMouseButton::mbLeft, {}, 5, 5);
    ticks += 200;
    document.MouseMove(&control, {}, 150, 40);
    ticks += 200;
    document.MouseMove(&control, {}, 290, 95);
    document.MouseUp(&control, TMouseButton::mbLeft, {}, 290, 95);
    document.TotalSelected();
    document.ScrollDown(30);
    document.ScrollUp(10);
    return 0;
}
