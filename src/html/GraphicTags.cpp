#include "html/GraphicTags.h"

#include "html/ColorNames.h"
#include "html/DummyPrinter.h"
#include "html/HtmlValues.h"
#include "html/MiniHtml.h"
#include "html/PicturePath.h"

namespace tessellon {

namespace {

// The natural size of a picture that cannot be loaded.
constexpr int MissingPictureSize = 105;

} // namespace

void aPicture::SetHtml(const AttributeList& commands) {
    PictureURL = commands.value(QStringLiteral("src"));
}

QString aPicture::GetHtml() const {
    return TagWriter(*this)
        .attribute(QStringLiteral("src"), PictureURL)
        .number(QStringLiteral("width"), Width)
        .number(QStringLiteral("height"), Height)
        .text();
}

void aPicture::load(const QString& path) {
    if (path == Cache && Graphic)
        return;
    Cache = path;
    Graphic = path.isEmpty()
                  ? nullptr
                  : aHtml->pictures().loadPicture(isResource() ? resourcePicturePath(path) : path);
}

void aPicture::Update() {
    aVisTag::Update();
    PictureURL = variables.value(QStringLiteral("src"));
    const PictureSource source = resolvePicturePath(PictureURL, aHtml->ProgramFolder);
    Protocol = source.protocol;
    load(source.path);
    ActualWidth = Graphic ? Graphic->width() : MissingPictureSize;
    ActualHeight = Graphic ? Graphic->height() : MissingPictureSize;
    if (!Visible) {
        Width = Height = 0;
        return;
    }
    Height = variables.has(QStringLiteral("height"))
                 ? parseIntegerOr(variables.value(QStringLiteral("height")), ActualHeight)
                 : ActualHeight;
    Width = variables.has(QStringLiteral("width"))
                ? parseIntegerOr(variables.value(QStringLiteral("width")), ActualWidth)
                : ActualWidth;
}

void aPicture::Draw(Canvas& c) {
    if (!Visible || Cache.isEmpty() || !Graphic)
        return;
    const Rect whole{0, 0, Graphic->width(), Graphic->height()};
    if (isResource()) {
        c.drawPicture(Rect{Left, Top, Left + whole.right, Top + whole.bottom}, *Graphic, whole,
                      std::nullopt);
        return;
    }
    const Rect dest{Left, Top, Left + Width, Top + Height};
    const bool sized =
        variables.has(QStringLiteral("width")) || variables.has(QStringLiteral("height"));
    // White is the usual background of picture files; let the caption's show.
    c.drawPicture(dest, *Graphic, sized ? whole : Rect{0, 0, Width, Height}, clWhite);
}

void aPicture::Print() {
    if (TDummyPrinter* printer = aHtml->HtmlPrinter)
        printer->PicOut(Left, Top, Cache, Graphic.get(), Height, Width);
}

void aHorizontalRule::SetHtml(const AttributeList& commands) {
    size = parseIntegerOr(commands.value(QStringLiteral("size")), 4);
    const int documentWidth = aHtml->width;
    rwidth =
        commands.has(QStringLiteral("width"))
            ? htmlLength(commands.value(QStringLiteral("width")), documentWidth, documentWidth - 10)
            : documentWidth - 10;
    noshade = commands.has(QStringLiteral("noshade"));
}

QString aHorizontalRule::GetHtml() const {
    TagWriter writer(*this);
    if (variables.has(QStringLiteral("size")))
        writer.number(QStringLiteral("size"), size);
    if (variables.has(QStringLiteral("width")))
        writer.number(QStringLiteral("width"), rwidth);
    if (noshade)
        writer.word(QStringLiteral("noshade"));
    return writer.text();
}

void aHorizontalRule::Update() {
    aVisTag::Update();
    Height = size + 20;
    Width = aHtml->width;
}

Rect aHorizontalRule::ruleBox() const {
    const int documentWidth = aHtml->width;
    const int x = (documentWidth - rwidth) / 2;
    return Rect{x, Top + 5, documentWidth + Left - x - 5, Top + 5 + size};
}

void aHorizontalRule::Draw(Canvas& c) {
    c.setBrush(Brush{Selected ? clActiveCaption : shownBackground()});
    c.fillRect(lineBox());
    c.setPen(Pen{clBlack});
    c.setBrush(Brush{noshade ? clGray : shownBackground()});
    c.rectangle(ruleBox());
}

void aHorizontalRule::Print() {
    TDummyPrinter* printer = aHtml->HtmlPrinter;
    if (!printer)
        return;
    const Rect box = ruleBox();
    printer->SetPenColor(clBlack);
    printer->SetBrushColor(noshade ? clGray : shownBackground());
    printer->Rectangle(box.left, box.top, box.right, box.bottom, 1);
}

} // namespace tessellon
