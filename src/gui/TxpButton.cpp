#include "gui/TxpButton.h"

#include "controls/XpButtonPainter.h"
#include "gui/QPainterCanvas.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tessellon {

namespace {

int keyCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return XpButtonState::KeyReturn;
    case Qt::Key_Escape:
        return XpButtonState::KeyEscape;
    case Qt::Key_Space:
        return XpButtonState::KeySpace;
    default:
        return event->key();
    }
}

// A widget that takes typed characters for itself.
bool takesText(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
        qobject_cast<const QPlainTextEdit*>(widget) ||
        qobject_cast<const QAbstractSpinBox*>(widget))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(widget);
    return combo && combo->isEditable();
}

} // namespace

TxpButton::TxpButton(QWidget* parent) : QWidget(parent), state_(this) {
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    state_.setFont(fromQFont(font()), 0);
    state_.FOnClick = [this] { Q_EMIT clicked(); };
    qApp->installEventFilter(this);
}

TxpButton::~TxpButton() {
    qApp->removeEventFilter(this);
}

void TxpButton::setButtonFont(const QFont& font, const QColor& color) {
    state_.setFont(fromQFont(font), fromQColor(color));
}

bool TxpButton::setOwnerModalResult(int result) {
    auto* dialog = qobject_cast<QDialog*>(window());
    if (!dialog)
        return false;
    dialog->done(result);
    return true;
}

void TxpButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    paintXpButton(canvas, state_, width(), height());
}

void TxpButton::enterEvent(QEnterEvent*) {
    state_.mouseEnter();
}

void TxpButton::leaveEvent(QEvent*) {
    state_.mouseLeave();
}

void TxpButton::mousePressEvent(QMouseEvent* event) {
    // The right button does nothing at all.
    if (event->button() == Qt::LeftButton)
        state_.leftButtonDown();
    event->accept();
}

void TxpButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        state_.leftButtonUp();
    event->accept();
}

void TxpButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        state_.leftButtonDoubleClick();
    event->accept();
}

void TxpButton::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        state_.keyDown(keyCode(event));
    QWidget::keyPressEvent(event);
}

void TxpButton::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        state_.keyUp(keyCode(event));
    QWidget::keyReleaseEvent(event);
}

void TxpButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    state_.focusGained();
    state_.enter();
}

void TxpButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    state_.focusLost();
    state_.exit();
}

void TxpButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        state_.Enabled = isEnabled();
        update();
    }
    QWidget::changeEvent(event);
}

bool TxpButton::dialogKeyPress(QWidget* receiver, QKeyEvent* event) {
    const int key = keyCode(event);
    if (key == XpButtonState::KeyReturn || key == XpButtonState::KeyEscape)
        return state_.dialogKey(key);
    // With Alt held the event may carry no text; the key names the letter.
    const bool letterKey =
        (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z);
    if (!letterKey)
        return false;
    // A plain letter is the accelerator only where no text is typed.
    if (!event->modifiers().testFlag(Qt::AltModifier) && takesText(receiver))
        return false;
    return state_.dialogChar(QChar(key));
}

bool TxpButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched == this || !isVisible())
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window() != window())
        return false;
    return dialogKeyPress(receiver, static_cast<QKeyEvent*>(event));
}

} // namespace tessellon
