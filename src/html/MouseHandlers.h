// Pluggable mouse behaviour of a document. A document calls up to three
// handlers in turn; its owner chooses the behaviour by installing them.
#pragma once

#include "html/HtmlControl.h"

#include <memory>

namespace tessellon {

class TQzMiniHtml2;

class THandler {
public:
    explicit THandler(TQzMiniHtml2* aHtml) : aMiniHtml(aHtml) {}
    virtual ~THandler() = default;

    TQzMiniHtml2* aMiniHtml;

    virtual void MouseMove(HtmlControl* Sender, TShiftState Shift, int X, int Y);
    virtual void MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X,
                           int Y);
    virtual void MouseUp(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // A handler of the same class serving another document (a table cell's).
    virtual std::unique_ptr<THandler> cloneFor(TQzMiniHtml2* aHtml) const = 0;
};

// Hover highlighting of links and link clicks.
class TNormalHandler : public THandler {
public:
    using THandler::THandler;
    void MouseMove(HtmlControl* Sender, TShiftState Shift, int X, int Y) override;
    void MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X,
                   int Y) override;
    std::unique_ptr<THandler> cloneFor(TQzMiniHtml2* aHtml) const override;
};

// Selection by dragging.
class TBlockHandler : public THandler {
public:
    using THandler::THandler;
    void MouseMove(HtmlControl* Sender, TShiftState Shift, int X, int Y) override;
    void MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X,
                   int Y) override;
    void MouseUp(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X,
                 int Y) override;
    std::unique_ptr<THandler> cloneFor(TQzMiniHtml2* aHtml) const override;
};

// Clicks on input items (check boxes toggle) and user-defined items.
class TFormElementHandler : public THandler {
public:
    using THandler::THandler;
    void MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X,
                   int Y) override;
    std::unique_ptr<THandler> cloneFor(TQzMiniHtml2* aHtml) const override;
};

} // namespace tessellon
