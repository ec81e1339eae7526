// The preview's text view: read-only rich text whose highlighted stretches
// are bold and coloured, as the preview logic computed them.
#pragma once

#include "search/PreviewPane.h"

#include <QTextEdit>

namespace tessellon {

class HighlightedTextView : public QTextEdit {
    Q_OBJECT
public:
    explicit HighlightedTextView(QWidget* parent = nullptr);

    // Shows the model's text and spans; an unchanged model keeps the view
    // (and its scroll position) as it is.
    void showText(const RichEditModel& model);

private:
    QString shownText_;
    QVector<HighlightSpan> shownSpans_;
};

} // namespace tessellon
