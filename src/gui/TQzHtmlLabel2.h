// A label whose caption is mini-HTML: it owns a document, parses it only when
// the source, the size or dynamic content changed, and otherwise repaints by
// copying the document's cached picture. Links in the caption highlight under
// the mouse and open when clicked.
#pragma once

#include "html/MiniHtml.h"

#include <QLabel>
#include <memory>

namespace tessellon {

class TQzHtmlLabel2 : public QLabel {
    Q_OBJECT

public:
    explicit TQzHtmlLabel2(QWidget* parent = nullptr);
    ~TQzHtmlLabel2() override;

    // The formatted caption (the Html property).
    void setHtml(const QString& value);
    const QString& Html() const { return Input; }
    void setCaption(const QString& value) { setHtml(value); }
    const QString& Caption() const { return Input; }

    // The document's source record, brought up to date first.
    TQzHtmlRec& HtmlEditor();
    void setHtmlEditor(const TQzHtmlRec& record);

    bool AutoHeight() const { return AutoHt; }
    void setAutoHeight(bool value);

    // Replaces the label's own handler, which shows the placeholders.
    void setOnDynamicUpdate(TDynamicUpdateEvent handler);
    // Asked first when a link is clicked; setting Handled keeps the shell
    // from opening it. The signal linkClicked follows either way.
    void setOnLinkClicked(TLinkClickedEvent handler);
    void setOnFormElementClicked(TFormElementClickedEvent handler);
    void setOnUserDefinedUpdate(TUserDefinedUpdateEvent handler);
    void setOnUserDefinedDraw(TUserDefinedDrawEvent handler);

    TQzMiniHtml2& document() { return *QzMiniHtml2; }
    void updatecaption() { update(); }

    // The caption's natural size on one line, so that layouts give the
    // label room; the plain label's size when there is no HTML.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void linkClicked(const QString& href);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    class Control;

    void OnHtmlUpdate(const QString& newHtml);
    void NullDynamicUpdate();
    void UpdateMiniHtml();

    TQzHtmlRec* InputHtml = nullptr;
    QString Input;
    bool NeedUpdateDyna = false;
    bool modified = true;
    bool AutoHt = false;
    std::unique_ptr<Control> control_;
    std::unique_ptr<TQzMiniHtml2> QzMiniHtml2;
    TLinkClickedEvent onLinkClicked_;
    mutable QString hintSource_;
    mutable QSize hint_;
};

} // namespace tessellon
