// The preview pane at the right of the result list: which of its three views
// shows the selected hit, the text view's content with the spans of the
// highlighted words, and the pane's place beside the list. The window paints
// these models; the picture and the web page are loaded there from the path
// and address set here.
#pragma once

#include "common/ControlModels.h"

#include <QVector>
#include <array>
#include <cstdint>

namespace tessellon {

class TKorvaneTessellonMain;
struct TKorvaneTessellonPreview1;

// One word to colour in the text preview; `zahl` is unused by the pane.
struct TItem {
    QString wort;
    std::int32_t zahl = 0;
};

// A stretch of the text view shown bold in highlightcolors[colorIndex].
struct HighlightSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    int colorIndex = 0;
    bool operator==(const HighlightSpan&) const = default;
};

// The read-only rich text view: its text and the coloured stretches in it,
// painted in order (a later span wins where two overlap).
struct RichEditModel : MemoModel {
    QVector<HighlightSpan> highlights;
    void clear() {
        text.clear();
        highlights.clear();
    }
};

struct WebBrowserModel : ControlState {
    QString address = QStringLiteral("about:blank");
};

// The picture view (Panel6 with Image4): the picture file it shows.
struct PictureViewModel : ControlState {
    QString path;
};

// The widths that decide the result list's share of the window when the pane
// is shown again.
struct PreviewLayout {
    int windowWidth = 0;
    int listWidth = 0;
    double listRatio = 0.0; // the list's share when the pane was hidden
    bool splitterVisible = true;
};

class PreviewPane {
public:
    explicit PreviewPane(TKorvaneTessellonMain& main);

    // The text preview reads at most this many bytes of a file.
    static constexpr qsizetype PreviewBytes = 8192;
    // Colours as 0xRRGGBB, chosen by the word's position modulo 16.
    static const std::array<std::uint32_t, 16> highlightcolors;

    void setPreviewWindow(TKorvaneTessellonPreview1* window) { preview1_ = window; }

    // --- Controls --------------------------------------------------------
    ControlState pane;
    RichEditModel RichEdit1;
    WebBrowserModel WebBrowser1;
    PictureViewModel Image4;
    MenuItemModel Preview2; // View > Preview
    PreviewLayout layout;

    QVector<TItem> highlightwords;

    // --- Operations ------------------------------------------------------
    // A selection change in the result list, for the row whose state changed.
    void ListView1SelectItem(int row);
    // Rebuilds highlightwords from the words box and the preview option.
    void fillhighlightwords();
    // The result popup menu's Preview: the selected row in a separate window.
    void preview1Click();
    // Opens the row's file in the web preview window or its default program.
    void previewinwindow(int row);
    // View > Preview: hides or shows the pane; the list keeps its share.
    void Preview2Click();

private:
    void showOnly(ControlState* view);
    void showText(const QString& path);
    void highlight();

    TKorvaneTessellonMain& main_;
    TKorvaneTessellonPreview1* preview1_ = nullptr;
};

} // namespace tessellon
