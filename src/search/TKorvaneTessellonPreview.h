// The two separate preview windows (web page and document). They are created
// at start-up beside the main window and keep the last preview shown in them.
#pragma once

#include "common/ControlModels.h"

#include <functional>

namespace tessellon {

struct TKorvaneTessellonPreview1 {
    QString caption = QStringLiteral("Tessellon Preview");
    QString address = QStringLiteral("about:blank"); // the page shown
    bool visible = false;
    // Brings the window to the front once it was given a page (set by the
    // window that shows this model).
    std::function<void()> show;
};

struct TKorvaneTessellonPreview2 {
    QString caption = QStringLiteral("Tessellon Document Preview");
    QString documentPath; // the document shown
};

} // namespace tessellon
