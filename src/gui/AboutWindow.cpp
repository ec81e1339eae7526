#include "gui/AboutWindow.h"

#include "common/ProgramVersion.h"
#include "gui/OperationGuard.h"
#include "gui/ProductPicture.h"
#include "gui/QPainterCanvas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace tessellon {

namespace {

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// A label or picture that answers a click (with the hand cursor).
class ClickableLabel : public QLabel {
public:
    ClickableLabel(std::function<void()> onClick, QWidget* parent)
        : QLabel(parent), onClick_(std::move(onClick)) {
        if (onClick_)
            setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (onClick_ && event->button() == Qt::LeftButton)
            onClick_();
    }

private:
    std::function<void()> onClick_;
};

// The close picture: a cross in a circle.
QPixmap closePicture(const QSize& size) {
    QPixmap pixmap(size * 2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 60), 3));
    p.setBrush(QColor(255, 251, 240));
    p.drawEllipse(QRectF(2, 2, pixmap.width() - 4, pixmap.height() - 4));
    const qreal m = pixmap.width() * 0.32;
    p.drawLine(QPointF(m, m), QPointF(pixmap.width() - m, pixmap.height() - m));
    p.drawLine(QPointF(pixmap.width() - m, m), QPointF(m, pixmap.height() - m));
    return pixmap;
}

} // namespace

AboutWindow::AboutWindow(Platform& platform, const TAboutInfo& info, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog),
      platform_(platform), about_(QPainterPictureFactory::instance(), platform, programVersion()) {
    setObjectName(QStringLiteral("TTMyAbout"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(TTMyAbout::Width, TTMyAbout::Height);
    setMouseTracking(true);

    about_.FormCreate();
    TAboutInfo shown = info;
    if (!shown.picture)
        shown.picture = std::make_shared<QPainterPicture>(productPicture(QSize(48, 48)).toImage());
    about_.FillInfo(shown);
    setWindowTitle(about_.caption);

    const struct {
        const AboutLabel& model;
        const char* name;
        QPixmap pixmap;
        std::function<void()> onClick;
    } pictures[] = {
        {about_.Image2, "Image2", productPicture(QSize(96, 96)), {}},
        {about_.Image3, "Image3", closePicture(toQRect(about_.Image3.bounds).size()),
         [this] { run([this] { about_.closeWindow(); }); }},
        {about_.Image5, "Image5", productPicture(QSize(48, 48)),
         [this] { run([this] { about_.Image5Click(); }); }},
    };
    for (const auto& picture : pictures) {
        auto* label = new ClickableLabel(picture.onClick, this);
        label->setObjectName(QLatin1String(picture.name));
        label->setPixmap(picture.pixmap);
        label->setScaledContents(true);
        label->setGeometry(toQRect(picture.model.bounds));
        label->setToolTip(picture.model.hint);
    }

    addLabel(about_.Label1, QStringLiteral("Label1"), false)->setWordWrap(true);
    addLabel(about_.Label2, QStringLiteral("Label2"), false);
    addLabel(about_.Copyright, QStringLiteral("Copyright"), false);
    addLabel(about_.Memo1, QStringLiteral("Memo1"), false)->setWordWrap(true);
    for (const auto& [model, name] : {std::pair{&about_.Label3, QStringLiteral("Label3")},
                                      std::pair{&about_.Label4, QStringLiteral("Label4")},
                                      std::pair{&about_.Label5, QStringLiteral("Label5")}})
        addLabel(*model, name, true);

    creditsTimer_.setInterval(55);
    connect(&creditsTimer_, &QTimer::timeout, this,
            [this] { run([this] { about_.Timer1Timer(); }); });
    fadeTimer_.setInterval(20);
    connect(&fadeTimer_, &QTimer::timeout, this, [this] { run([this] { about_.Timer3Timer(); }); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    refreshFromModels();
}

AboutWindow::~AboutWindow() {
    if (cursorOverridden_)
        QApplication::restoreOverrideCursor();
}

QLabel* AboutWindow::addLabel(AboutLabel& model, const QString& name, bool link) {
    // A link label opens its own caption.
    auto* label = new ClickableLabel(link ? std::function<void()>([this, &model] {
                                         run([this, &model] { about_.LabelClick(model); });
                                     })
                                          : std::function<void()>(),
                                     this);
    label->setObjectName(name);
    label->setGeometry(toQRect(model.bounds));
    if (link) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
    }
    labels_.append({label, &model});
    return label;
}

void AboutWindow::run(const std::function<void()>& operation) {
    runGuarded(platform_, operation);
    refreshFromModels();
}

void AboutWindow::refreshFromModels() {
    for (const auto& [label, model] : std::as_const(labels_)) {
        label->setText(model->caption);
        label->setToolTip(model->hint);
        label->setVisible(model->visible);
        label->setGeometry(toQRect(model->bounds));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toQColor(model->color));
        label->setPalette(palette);
    }
    setCursor(about_.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (about_.cursorHidden != cursorOverridden_) {
        if (about_.cursorHidden)
            QApplication::setOverrideCursor(Qt::BlankCursor);
        else
            QApplication::restoreOverrideCursor();
        cursorOverridden_ = about_.cursorHidden;
    }
    setWindowOpacity(about_.alphaBlendValue / 255.0);
    for (const auto& [timer, enabled] : {std::pair{&creditsTimer_, about_.Timer1Enabled},
                                         std::pair{&fadeTimer_, about_.Timer3Enabled}}) {
        if (enabled && !timer->isActive())
            timer->start();
        else if (!enabled)
            timer->stop();
    }
    if (about_.released)
        done(QDialog::Accepted);
    update();
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto& picture = static_cast<const QPainterPicture&>(*about_.Image1);
    painter.drawImage(0, 0, picture.keyedPart(rect(), toQColor(TTMyAbout::Navy).rgb()));
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    run([this, at] { about_.Image1MouseMove(at.x(), at.y()); });
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    run([this, at] { about_.Image1MouseDown(at.x(), at.y()); });
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        run([this] { about_.FormKeyDown(TTMyAbout::KeyEscape); });
    else if (event->key() == Qt::Key_F3)
        run([this] { about_.FormKeyDown(TTMyAbout::KeyF3); });
    else
        QDialog::keyPressEvent(event);
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    run([this] { about_.FormShow(); });
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    run([this] { about_.FormClose(); });
    QDialog::closeEvent(event);
}

} // namespace tessellon
