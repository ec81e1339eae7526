#include "controls/XpButtonState.h"

namespace tessellon {

XpButtonState::XpButtonState(XpButtonHost* host) : host_(host) {}

void XpButtonState::repaint() {
    if (host_)
        host_->repaint();
}

void XpButtonState::invalidate() {
    if (host_)
        host_->invalidate();
}

void XpButtonState::setCaption(const QString& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    const qsizetype amp = caption.indexOf(u'&');
    FHotKey = amp >= 0 && amp < caption.size() - 1 ? caption[amp + 1].toUpper() : QChar();
    repaint();
}

QString XpButtonState::shownCaption() const {
    QString shown = FCaption;
    const qsizetype amp = shown.indexOf(u'&');
    if (amp >= 0)
        shown.remove(amp, 1);
    return shown;
}

int XpButtonState::acceleratorIndex() const {
    const qsizetype amp = FCaption.indexOf(u'&');
    return amp >= 0 && amp < FCaption.size() - 1 ? int(amp) : -1;
}

void XpButtonState::setFont(const TextFont& font, Color color) {
    FFont = font;
    FFontColor = color;
    repaint();
}

void XpButtonState::Click() {
    if (FOnClick)
        FOnClick();
    if (FModalResult != 0 && host_)
        host_->setOwnerModalResult(FModalResult);
}

void XpButtonState::mouseEnter() {
    if (FActive)
        return;
    FActive = true;
    repaint();
}

void XpButtonState::mouseLeave() {
    if (!FActive)
        return;
    FActive = false;
    repaint();
}

void XpButtonState::leftButtonDown() {
    if (FDowned)
        return;
    FDowned = true;
    if (!FFocused && Enabled && host_)
        host_->takeFocus();
    repaint();
}

void XpButtonState::leftButtonUp() {
    if (!FDowned)
        return;
    // Wherever the pointer is now: a release outside still clicks.
    FDowned = false;
    repaint();
    Click();
}

void XpButtonState::leftButtonDoubleClick() {
    Click();
}

void XpButtonState::keyDown(int key) {
    if (FDowned || (key != KeyReturn && key != KeySpace))
        return;
    FDowned = true;
    invalidate();
}

void XpButtonState::keyUp(int) {
    if (!FDowned)
        return;
    FDowned = false;
    invalidate();
    Click();
}

bool XpButtonState::dialogKey(int key) {
    if (!Enabled)
        return false;
    if ((FCancel && key == KeyEscape) || (FDefault && key == KeyReturn)) {
        Click();
        return true;
    }
    return false;
}

bool XpButtonState::dialogChar(QChar ch) {
    if (FHotKey.isNull() || ch.toUpper() != FHotKey)
        return false;
    Click();
    return true;
}

void XpButtonState::focusGained() {
    if (FFocused)
        return;
    FFocused = true;
    invalidate();
}

void XpButtonState::focusLost() {
    if (!FFocused)
        return;
    FFocused = false;
    invalidate();
}

void XpButtonState::enter() {
    if (FOnEnter)
        FOnEnter();
}

void XpButtonState::exit() {
    if (FOnExit)
        FOnExit();
}

} // namespace tessellon
