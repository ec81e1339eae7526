// The flat button's behaviour without a window: hover, pressed and focus
// states, the accelerator letter, Return/Escape, and the modal result handed
// to the owner form on a click. The widget forwards its events here and
// paints from these fields.
#pragma once

#include "html/Canvas.h"

#include <QString>
#include <functional>

namespace tessellon {

// What the button asks of the window it lives in.
class XpButtonHost {
public:
    virtual ~XpButtonHost() = default;
    virtual void repaint() {}
    virtual void invalidate() { repaint(); }
    virtual void takeFocus() {}
    // Ends a modal showing of the owner form; false when the owner is no form.
    virtual bool setOwnerModalResult(int) { return false; }
};

class XpButtonState {
public:
    static constexpr int KeyReturn = 13;
    static constexpr int KeyEscape = 27;
    static constexpr int KeySpace = 32;

    explicit XpButtonState(XpButtonHost* host = nullptr);

    QString FCaption = QStringLiteral("XP Button");
    bool FActive = false;
    bool FDowned = false;
    TextFont FFont;
    Color FFontColor = 0;
    bool FFocused = false;
    int FModalResult = 0;
    // The upper-case accelerator letter; null when there is none.
    QChar FHotKey;
    bool FCancel = false;
    bool FDefault = false;
    bool Enabled = true;
    std::function<void()> FOnClick;
    std::function<void()> FOnEnter;
    std::function<void()> FOnExit;
    std::function<void(int key)> FOnKeyDown;
    std::function<void(int key)> FOnKeyUp;

    void setCaption(const QString& caption);
    const QString& caption() const { return FCaption; }
    // The caption without its first "&".
    QString shownCaption() const;
    // Index of the accelerator letter in the shown caption, -1 for none.
    int acceleratorIndex() const;
    void setFont(const TextFont& font, Color color);

    void Click();

    void mouseEnter();
    void mouseLeave();
    void leftButtonDown();
    void leftButtonUp();
    void leftButtonDoubleClick();
    void keyDown(int key);
    void keyUp(int key);
    // Return and Escape of the dialog; true when the button took the key.
    bool dialogKey(int key);
    // A character typed in the dialog; true when it was the accelerator.
    bool dialogChar(QChar ch);
    void focusGained();
    void focusLost();
    void enter();
    void exit();

private:
    void repaint();
    void invalidate();

    XpButtonHost* host_;
};

} // namespace tessellon
