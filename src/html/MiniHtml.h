// The mini-HTML document: parses a caption into a flat list of items, lays
// them out on lines inside a viewport, paints them into a cached picture and
// copies that picture to a target surface, and answers the mouse.
//
// The parser lives in MiniHtmlParser.cpp, the layout in MiniHtmlLayout.cpp,
// painting and scrolling in MiniHtmlPaint.cpp, mouse input in
// MiniHtmlMouse.cpp and selection editing in MiniHtmlSelection.cpp.
#pragma once

#include "html/AttributeList.h"
#include "html/Canvas.h"
#include "html/ColorNames.h"
#include "html/CurrentState.h"
#include "html/HtmlControl.h"
#include "html/TagTable.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace tessellon {

class atag;
class aUserDefined;
class TDummyPrinter;
class THandler;
class TQzMiniHtml2;

using TDynamicUpdateEvent =
    std::function<void(TQzMiniHtml2* Sender, const QString& dynamicID, QString& Text)>;
using TLinkClickedEvent =
    std::function<void(HtmlControl* Sender, const QString& href, bool& Handled)>;
using TFormElementClickedEvent = std::function<void(
    HtmlControl* Sender, const QString& fmName, const QString& fmMethod, const QString& fmAction,
    const QString& inputName, const QString& inputType, const QString& inputValue)>;
using TUserDefinedUpdateEvent = std::function<void(
    aUserDefined* Sender, const QString& itemID, const QString& ItemType, int& Width, int& Height,
    QString& variable1, QString& variable2, QString& variable3)>;
using TUserDefinedDrawEvent = std::function<void(
    aUserDefined* Sender, const QString& itemID, const QString& ItemType, Canvas& aCanvas,
    const Rect& aRect, QString& variable1, QString& variable2, QString& variable3)>;
using THtmlUpdateEvent =
    std::function<void(TQzMiniHtml2* Sender, const QString& input, QChar HKey)>;

// The source of a document and its accelerator character.
class TQzHtmlRec {
public:
    QString Html;
    QChar Hotkey;
    THtmlUpdateEvent FHtmlUpdate;
    TQzMiniHtml2* Owner = nullptr;

    // Stores both values, reloads the owner and tells FHtmlUpdate.
    void SetHtml(const QString& input, QChar HKey);
};

class TQzMiniHtml2 {
public:
    // Pictures (the cache, picture items) come from `pictures`, which must
    // outlive the document. `parent` is the document of the enclosing table.
    explicit TQzMiniHtml2(PictureFactory& pictures, TQzMiniHtml2* parent = nullptr);
    ~TQzMiniHtml2();
    TQzMiniHtml2(const TQzMiniHtml2&) = delete;
    TQzMiniHtml2& operator=(const TQzMiniHtml2&) = delete;

    TDynamicUpdateEvent FDynamicUpdate;
    TLinkClickedEvent FLinkClicked;
    TFormElementClickedEvent FFormElementClicked;
    TUserDefinedUpdateEvent FUserDefinedUpdate;
    TUserDefinedDrawEvent FUserDefinedDraw;
    TQzHtmlRec InputHtml;
    // Documents of the table cells, by the cells' MiniHtml index.
    std::vector<std::unique_ptr<TQzMiniHtml2>> SubMiniHtml;
    int TotalMiniHtml = 0;
    TCurrentState currentState;
    TCurrentState selectionState;
    int MaxHeight = 0;
    int MaxWidth = 0;
    QStringList Lines;
    atag* MouseOver = nullptr;
    // Where the finished picture is copied to; none while nothing shows it.
    Canvas* TargetCanvas = nullptr;
    std::vector<std::unique_ptr<atag>> TagList;
    int Focused = -1;
    // The background colour of the document's owner.
    Color OwnerColor = clBtnFace;
    HtmlControl* Owner = nullptr;
    std::unique_ptr<Picture> CacheBitmap;
    bool Selecting = false;
    TDummyPrinter* HtmlPrinter = nullptr;
    quint32 LastCheckTime = 0;
    int SelectStartFrom = -1;
    int SelectEndAt = -1;
    std::unique_ptr<THandler> MouseKBHandler1;
    std::unique_ptr<THandler> MouseKBHandler2;
    std::unique_ptr<THandler> MouseKBHandler3;
    int width = 0;
    int height = 0;
    int Left = 0;
    int Top = 0;
    int LineHeight = 0;
    int ScrollLeft = 0;
    int ScrollTop = 0;
    Point LastPos;
    Point StartPos;
    Point EndPos;
    Point CurrentPos;
    THTMLFlags SupportTag = THTMLFlags::defaults();

    // Services of the desktop, set by the owner: opening a link, the
    // millisecond tick count, and the program's folder for "%app%".
    std::function<void(const QString& target)> ShellOpen;
    std::function<quint32()> TickCount;
    QString ProgramFolder;

    TQzMiniHtml2* parentDocument() const { return parent_; }
    PictureFactory& pictures() const { return pictures_; }

    // Parsing and writing back.
    void LoadFromStream(QIODevice& Stream);
    void LoadFromLines();
    void LoadFromCaption();
    // Throws FileError when the file cannot be opened; the document stays.
    void LoadFromFiles(const QString& filename);
    QString GetHtml() const;
    atag* processtag(const AttributeList& variables, const QString& tag);
    static void Readnexttag(const QString& text, QString& beforetag, QString& aftertag,
                            QString& tagname, QString& tagvars);
    static AttributeList Extractvariables(const QString& input);
    void PrintText(const QString& text, bool isURL);
    void SetCaption(const TQzHtmlRec& Value);
    const TQzHtmlRec& GetCaption() const { return InputHtml; }

    // Layout.
    void Update();
    void UpdatePrinter(TDummyPrinter* printer);
    void UpdateItem(int index);
    int GetWidth(const QString& s, const TextFont& FontType);
    int GetHeight(const QString& s, const TextFont& FontType);
    int DrawHtmlOnCanvas(int MiniHtmlIndex, int aLeft, int aTop, int aWidth, const QString& Html);
    int CalcSize(int MiniHtmlIndex, const QString& Html, int defwidth, int& outWidth,
                 int& outHeight);
    int indexOf(const atag* item) const;

    // Painting.
    void Draw();
    void DrawItem(int index);
    void ReDraw();
    void Clear();
    void ClearCache();
    void ClearCache(int aLeft, int aTop, int aBottom, int aRight);
    void Print();
    void ScrollDown(int Pixel);
    void ScrollUp(int Pixel);
    Canvas& pictureCanvas() { return CacheBitmap->canvas(); }

    // Mouse and selection.
    void MouseMove(HtmlControl* Sender, TShiftState Shift, int X, int Y);
    void MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseUp(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpdateSelection(Point aStartPos, Point aEndPos);
    void UnSelectAll();
    int TotalSelected() const;
    void Bold();
    void Underline();
    static QString Bold(const QString& SelectionText, const TCurrentState& SelectionState);

    // The last visible item that contains the point, or -1.
    int itemAt(Point p) const;

private:
    void clearDocument();
    // Parses the whole text as the new document, lays it out and draws it.
    void loadText(QString input);
    void gatherCellContent(atag* cell, QString& input);
    void layoutItems(TDummyPrinter* printer);
    void placeItem(int index, TDummyPrinter* printer);
    void startNewLine(int nextLineStart);
    void alignLine(int first, int last);
    int subDocumentFor(int index);
    quint32 tickCount() const;
    void forwardToCell(int X, int Y, const std::function<void(TQzMiniHtml2&, int, int)>& send);
    void wrapSelection(const QString& startName, const QString& endName);
    // Splits a partly selected word into head, selected middle and tail;
    // returns the middle's index and how many items were added.
    std::pair<int, int> splitPartlySelectedWord(int index);
    void selectWordPart(int index, int fromX, int toX);
    void forEachHandler(const std::function<void(THandler&)>& call);

    PictureFactory& pictures_;
    TQzMiniHtml2* parent_ = nullptr;
    // The layout pass: where the current line starts in TagList, its number.
    int lineStart_ = 0;
    int lineNumber_ = 0;
};

} // namespace tessellon
