// The flat, self-drawn push button. Its behaviour lives in XpButtonState and
// its look in paintXpButton; this widget forwards the window's events and
// answers the dialog keys (Return, Escape, the accelerator letter) of the
// window it sits in.
#pragma once

#include "controls/XpButtonState.h"

#include <QWidget>

namespace tessellon {

class TxpButton : public QWidget, private XpButtonHost {
    Q_OBJECT

public:
    explicit TxpButton(QWidget* parent = nullptr);
    ~TxpButton() override;

    void setCaption(const QString& caption) { state_.setCaption(caption); }
    const QString& Caption() const { return state_.caption(); }
    void setButtonFont(const QFont& font, const QColor& color = Qt::black);
    int ModalResult() const { return state_.FModalResult; }
    void setModalResult(int result) { state_.FModalResult = result; }
    bool Cancel() const { return state_.FCancel; }
    void setCancel(bool cancel) { state_.FCancel = cancel; }
    bool Default() const { return state_.FDefault; }
    void setDefault(bool isDefault) { state_.FDefault = isDefault; }
    void setOnEnter(std::function<void()> handler) { state_.FOnEnter = std::move(handler); }
    void setOnExit(std::function<void()> handler) { state_.FOnExit = std::move(handler); }

    const XpButtonState& state() const { return state_; }
    QSize sizeHint() const override { return QSize(75, 25); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void repaint() override { update(); }
    void takeFocus() override { setFocus(Qt::MouseFocusReason); }
    bool setOwnerModalResult(int result) override;
    // A key typed anywhere in this button's window, before its receiver.
    bool dialogKeyPress(QWidget* receiver, QKeyEvent* event);

    XpButtonState state_;
};

} // namespace tessellon
