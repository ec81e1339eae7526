#include "gui/TQzHtmlLabel2.h"

#include "gui/QPainterCanvas.h"
#include "html/MouseHandlers.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace tessellon {

// The label as the document's control: the cursor shape.
class TQzHtmlLabel2::Control : public HtmlControl {
public:
    explicit Control(QWidget* widget) : widget_(widget) {}
    TCursor cursor() const override { return shape_; }
    void setCursor(TCursor shape) override {
        shape_ = shape;
        switch (shape) {
        case TCursor::HandPoint:
            widget_->setCursor(Qt::PointingHandCursor);
            break;
        case TCursor::IBeam:
            widget_->setCursor(Qt::IBeamCursor);
            break;
        case TCursor::Default:
            widget_->unsetCursor();
            break;
        }
    }

private:
    QWidget* widget_;
    TCursor shape_ = TCursor::Default;
};

namespace {

TShiftState shiftOf(const QMouseEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return TShiftState{modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::AltModifier),
                       modifiers.testFlag(Qt::ControlModifier)};
}

TMouseButton buttonOf(const QMouseEvent* event) {
    switch (event->button()) {
    case Qt::RightButton:
        return TMouseButton::mbRight;
    case Qt::MiddleButton:
        return TMouseButton::mbMiddle;
    default:
        return TMouseButton::mbLeft;
    }
}

} // namespace

TQzHtmlLabel2::TQzHtmlLabel2(QWidget* parent)
    : QLabel(parent), control_(std::make_unique<Control>(this)),
      QzMiniHtml2(std::make_unique<TQzMiniHtml2>(QPainterPictureFactory::instance())) {
    TQzMiniHtml2& document = *QzMiniHtml2;
    document.MouseKBHandler1 = std::make_unique<TNormalHandler>(&document);
    document.MouseKBHandler2 = std::make_unique<TFormElementHandler>(&document);
    document.Owner = control_.get();
    document.ProgramFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    document.ShellOpen = [](const QString& target) {
        QDesktopServices::openUrl(QUrl::fromUserInput(target));
    };
    document.FLinkClicked = [this](HtmlControl* sender, const QString& href, bool& handled) {
        if (onLinkClicked_)
            onLinkClicked_(sender, href, handled);
        Q_EMIT linkClicked(href);
    };
    modified = true;
    NeedUpdateDyna = false;
    UpdateMiniHtml();
    InputHtml = &document.InputHtml;
    InputHtml->Html = Input;
    InputHtml->FHtmlUpdate = [this](TQzMiniHtml2*, const QString& newHtml, QChar) {
        OnHtmlUpdate(newHtml);
    };
    document.FDynamicUpdate = [this](TQzMiniHtml2*, const QString&, QString&) {
        NullDynamicUpdate();
    };
    setMouseTracking(true);
}

TQzHtmlLabel2::~TQzHtmlLabel2() = default;

void TQzHtmlLabel2::setHtml(const QString& value) {
    Input = value;
    InputHtml->Html = value;
    modified = true;
    updateGeometry();
    update();
}

TQzHtmlRec& TQzHtmlLabel2::HtmlEditor() {
    InputHtml->Html = Input;
    return *InputHtml;
}

void TQzHtmlLabel2::setHtmlEditor(const TQzHtmlRec& record) {
    setHtml(record.Html);
}

void TQzHtmlLabel2::setAutoHeight(bool value) {
    AutoHt = value;
    modified = true;
    update();
}

void TQzHtmlLabel2::setOnDynamicUpdate(TDynamicUpdateEvent handler) {
    QzMiniHtml2->FDynamicUpdate = std::move(handler);
}

void TQzHtmlLabel2::setOnLinkClicked(TLinkClickedEvent handler) {
    onLinkClicked_ = std::move(handler);
}

void TQzHtmlLabel2::setOnFormElementClicked(TFormElementClickedEvent handler) {
    QzMiniHtml2->FFormElementClicked = std::move(handler);
}

void TQzHtmlLabel2::setOnUserDefinedUpdate(TUserDefinedUpdateEvent handler) {
    QzMiniHtml2->FUserDefinedUpdate = std::move(handler);
}

void TQzHtmlLabel2::setOnUserDefinedDraw(TUserDefinedDrawEvent handler) {
    QzMiniHtml2->FUserDefinedDraw = std::move(handler);
}

QSize TQzHtmlLabel2::sizeHint() const {
    if (Input.isEmpty())
        return QLabel::sizeHint();
    if (hintSource_ != Input) {
        // Laid out in a document of its own, so the shown one keeps its state.
        constexpr int WideEnough = 2000;
        TQzMiniHtml2 probe(QPainterPictureFactory::instance());
        probe.width = WideEnough;
        probe.height = 1;
        probe.InputHtml.Html = Input;
        probe.LoadFromCaption();
        hintSource_ = Input;
        hint_ = QSize(probe.MaxWidth + 5, probe.MaxHeight + 5);
    }
    return hint_;
}

QSize TQzHtmlLabel2::minimumSizeHint() const {
    return Input.isEmpty() ? QLabel::minimumSizeHint() : sizeHint();
}

void TQzHtmlLabel2::OnHtmlUpdate(const QString& newHtml) {
    Input = newHtml;
}

void TQzHtmlLabel2::NullDynamicUpdate() {
    // The placeholder stays; the next paint asks again.
    NeedUpdateDyna = true;
}

void TQzHtmlLabel2::UpdateMiniHtml() {
    TQzMiniHtml2& document = *QzMiniHtml2;
    if (document.width != width() || document.height != height())
        modified = true;
    document.width = width();
    document.height = height();
    document.OwnerColor = fromQColor(palette().color(backgroundRole()));
    document.Left = 0;
    document.Top = 0;
}

void TQzHtmlLabel2::paintEvent(QPaintEvent* event) {
    UpdateMiniHtml();
    if (Input.isEmpty()) {
        // Without HTML the label shows its plain caption.
        QLabel::paintEvent(event);
        return;
    }
    TQzMiniHtml2& document = *QzMiniHtml2;
    QPainter painter(this);
    QPainterCanvas target(painter);
    target.setBrush(Brush{document.OwnerColor});
    document.TargetCanvas = &target;
    if (document.CacheBitmap->width() == 0 || modified || NeedUpdateDyna) {
        NeedUpdateDyna = false;
        InputHtml->Html = Input;
        document.LoadFromCaption();
        if (modified && AutoHt && document.CacheBitmap->height() != height())
            setFixedHeight(document.CacheBitmap->height());
        modified = false;
    } else {
        document.ReDraw();
    }
    document.TargetCanvas = nullptr;
}

void TQzHtmlLabel2::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    QzMiniHtml2->MouseMove(control_.get(), shiftOf(event), p.x(), p.y());
    update();
    QLabel::mouseMoveEvent(event);
}

void TQzHtmlLabel2::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    QzMiniHtml2->MouseDown(control_.get(), buttonOf(event), shiftOf(event), p.x(), p.y());
    update();
    QLabel::mousePressEvent(event);
}

void TQzHtmlLabel2::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    QzMiniHtml2->MouseUp(control_.get(), buttonOf(event), shiftOf(event), p.x(), p.y());
    update();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tessellon
