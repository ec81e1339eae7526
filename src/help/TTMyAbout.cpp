#include "help/TTMyAbout.h"

#include "common/ProgramVersion.h"
#include "help/CreditTitles.h"
#include "help/ProductAddresses.h"
#include "html/ColorNames.h"

#include <cmath>

namespace tessellon {

namespace {

constexpr Color clSilver = rgb(192, 192, 192);
constexpr Color clYellow = rgb(255, 255, 0);
constexpr Color clAqua = rgb(0, 255, 255);
constexpr Color clBtnShadow = 0xFF000010;
constexpr Color GradientTop = rgb(255, 221, 187);
constexpr int CreditsWidth = 195;
constexpr int CreditsRowHeight = 30;
constexpr int CreditsShownHeight = 120;

TextFont arial(int size, bool bold) {
    TextFont font;
    font.name = QStringLiteral("Arial");
    font.size = size;
    font.style.bold = bold;
    return font;
}

// How far a rounded corner of radius r cuts into row `y` of a shape `h`
// rows high.
int cornerInset(int y, int h, int r) {
    double dy = 0;
    if (y < r)
        dy = r - (y + 0.5);
    else if (y >= h - r)
        dy = (y + 0.5) - (h - r);
    else
        return 0;
    return int(std::lround(r - std::sqrt(std::max(0.0, double(r) * r - dy * dy))));
}

bool contains(const Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

AboutLabel label(const Rect& bounds, const QString& caption = {}) {
    AboutLabel l;
    l.bounds = bounds;
    l.caption = caption;
    return l;
}

// "0.1.0" as major.minor.release.build.
QString fourPartVersion(const QString& version) {
    QStringList numbers;
    for (const unsigned part : versionParts(version))
        numbers << QString::number(part);
    return numbers.join(u'.');
}

} // namespace

TTMyAbout::TTMyAbout(PictureFactory& pictures, Platform& platform, const QString& version)
    : pictures_(pictures), platform_(platform) {
    const int w = Width;
    const int h = Height;
    Image2 = label({20, 20, 68, 68});
    Image3 = label({w - 30, 12, w - 14, 28});
    Image3.hint = QStringLiteral("Close Window");
    Image5 = label({w - 46, h - 46, w - 22, h - 22});
    Label1 = label({20, 176, w - 20, 208});
    Label2 = label({20, 210, w - 20, 226}, QStringLiteral("Build: ") + fourPartVersion(version));
    Memo1 = label({20, 228, w - 20, 278},
                  QStringLiteral("Tessellon Local is provided as it is, without warranty of any "
                                 "kind. It reads your files only to build its indexes on this "
                                 "computer, and the indexes stay where you keep them."));
    Label3 = label({24, 280, 204, 296}, MakerWebAddress);
    Label4 = label({210, 280, 390, 296}, MakerMailAddress);
    Label5 = label({24, 296, 300, 312}, MakerSolutionsPage);
    Label5.visible = false;
    Label6 = label({300, 296, 400, 312}, QStringLiteral("Show Authors"));
    Label6.visible = false;
    for (AboutLabel* link : {&Label3, &Label4, &Label5})
        link->color = clBlue;
    Copyright = label({24, 312, 380, 328});
    ListBox1 = creditTitles();
    Image1 = pictures_.createPicture(w, h);
}

Color TTMyAbout::gradientColor(int y) const {
    const int rows = Height - 1;
    const auto blend = [&](int top, int bottom) { return top + (bottom - top) * y / (rows - 1); };
    return rgb(blend(redOf(GradientTop), redOf(Cream)), blend(greenOf(GradientTop), greenOf(Cream)),
               blend(blueOf(GradientTop), blueOf(Cream)));
}

void TTMyAbout::paintBackground() {
    Canvas& c = Image1->canvas();
    c.setBrush({Navy, BrushStyle::Solid});
    c.fillRect({-1, -1, Width + 1, Height + 1});
    c.setPen({clBtnShadow, 1, PenStyle::Solid});
    c.setBrush({clBtnShadow, BrushStyle::Solid});
    c.roundRect({1, 1, Width, Height}, 30, 30);
    // The gradient inside the rounded shape (0, 0, width - 1, height - 1).
    const int w = Width - 1;
    const int h = Height - 1;
    for (int y = 0; y < h; ++y) {
        const int inset = cornerInset(y, h, 15);
        c.setBrush({gradientColor(y), BrushStyle::Solid});
        c.fillRect({inset, y, w - inset, y + 1});
    }
}

void TTMyAbout::FormCreate() {
    paintBackground();
    bitmap = pictures_.createPicture(CreditsWidth, CreditsRowHeight * int(ListBox1.size()));
    Canvas& c = bitmap->canvas();
    c.setBrush({Cream, BrushStyle::Solid});
    c.fillRect({0, 0, bitmap->width(), bitmap->height()});
    c.setBrush({Cream, BrushStyle::Clear});
    c.setTextColor(clBlack);
    for (int i = int(ListBox1.size()) - 1; i >= 0; --i) {
        c.setFont(arial(9, true));
        c.textOut(5, CreditsRowHeight * i, ListBox1[i] + u':');
        c.setFont(arial(9, false));
        c.textOut(30, CreditsRowHeight * i + 15, CreditAuthor);
    }
}

void TTMyAbout::paintTitle(Color color) {
    Canvas& c = Image1->canvas();
    c.setFont(titleFont_);
    c.setTextColor(color);
    c.setBrush({clBlack, BrushStyle::Solid});
    c.textOut(linkrect.left, 85, titleText_);
    titleColor_ = color;
}

void TTMyAbout::FillInfo(const TAboutInfo& info) {
    Canvas& c = Image1->canvas();
    if (info.picture) {
        const int pw = info.picture->width();
        const int ph = info.picture->height();
        c.drawPicture({Width - pw - 20, 60, Width - 20, 60 + ph}, *info.picture, {0, 0, pw, ph},
                      std::nullopt);
    }

    caption = u' ' + info.productname + u' ';
    titleText_ = caption;
    titleFont_ = arial(28, true);
    c.setFont(titleFont_);
    const int tw = c.textWidth(titleText_);
    const int th = c.textHeight(titleText_);
    c.setPen({clSilver, 1, PenStyle::Solid});
    c.setBrush({clSilver, BrushStyle::Solid});
    c.roundRect({(Width - tw) / 2 - 3, 82, (Width + tw) / 2 + 3, th + 88}, 10, 10);
    linkrect = {(Width - tw) / 2, 82, (Width + tw) / 2, th + 88};
    paintTitle(clYellow);
    const int labelWidth = Label2.bounds.width();
    Label2.bounds.left = (Width - tw) / 2;
    Label2.bounds.right = Label2.bounds.left + labelWidth;

    // One point smaller until the name fits (a name too long for any size
    // stops at one point).
    int size = 24;
    do {
        c.setFont(arial(--size, false));
    } while (c.textWidth(info.applicationname) >= Width && size > 1);
    c.setTextColor(clBlack);
    c.setBrush({clBlack, BrushStyle::Clear});
    c.textOut((Width - c.textWidth(info.applicationname)) / 2, 135, info.applicationname);

    Copyright.caption = info.copyright;
    Label1.caption = info.description;
    if (!info.version.isEmpty())
        Label2.caption = info.version;
    Label5.visible = info.showsolutions;
    Timer1Enabled = info.showauthors;
    Memo1.visible = !info.showauthors;
    deeplink = info.deeplink;
}

void TTMyAbout::Image1MouseMove(int x, int y) {
    const bool overLink = !deeplink.isEmpty() && contains(linkrect, x, y);
    handCursor = overLink;
    const Color color = overLink ? clAqua : clYellow;
    if (color != titleColor_)
        paintTitle(color);
}

void TTMyAbout::Image1MouseDown(int x, int y) {
    if (!deeplink.isEmpty() && contains(linkrect, x, y))
        platform_.shellOpen(deeplink);
    else
        closeWindow();
}

void TTMyAbout::FormKeyDown(int key) {
    if (key == KeyEscape)
        closeWindow();
    else if (key == KeyF3)
        ShowAuthors();
}

QString TTMyAbout::linkTarget(const QString& caption) {
    if (caption.contains(u'@') && !caption.contains(u':'))
        return QStringLiteral("mailto:") + caption;
    return caption;
}

void TTMyAbout::LabelClick(AboutLabel& label) {
    label.color = clRed;
    platform_.processPendingEvents();
    platform_.shellOpen(linkTarget(label.caption));
    label.color = clPurple;
}

void TTMyAbout::Image5Click() {
    platform_.shellOpen(MakerWebAddress);
}

void TTMyAbout::ShowAuthors() {
    Memo1.visible = false;
    Timer1Enabled = true;
    Label6.visible = false;
}

void TTMyAbout::Timer1Timer() {
    if (--scrollOffset < 1)
        scrollOffset = bitmap->height();
    paintCredits();
}

// Two copies of the roll, the second below the first, so it scrolls upward
// without end; clipped to the notice's rounded bounds.
void TTMyAbout::paintCredits() {
    Canvas& c = Image1->canvas();
    const Rect& notice = Memo1.bounds;
    const int total = bitmap->height();
    const int first = std::min(CreditsShownHeight, scrollOffset);
    c.setClipRect(notice);
    c.drawPicture({notice.left, notice.top, notice.left + CreditsWidth, notice.top + first},
                  *bitmap, {0, total - scrollOffset, CreditsWidth, total - scrollOffset + first},
                  std::nullopt);
    const int top = notice.top + scrollOffset;
    c.drawPicture({notice.left, top, notice.left + CreditsWidth, top + CreditsShownHeight}, *bitmap,
                  {0, 0, CreditsWidth, CreditsShownHeight}, std::nullopt);
    c.setClipRect(std::nullopt);
    // The rounded corners (radius 5) show the panel again.
    constexpr int r = 5;
    for (int dy = 0; dy < r; ++dy) {
        const int inset = cornerInset(dy, notice.height(), r);
        for (int dx = 0; dx < inset; ++dx) {
            for (const int y : {notice.top + dy, notice.bottom - 1 - dy}) {
                c.setPixel(notice.left + dx, y, gradientColor(y));
                c.setPixel(notice.right - 1 - dx, y, gradientColor(y));
            }
        }
    }
}

void TTMyAbout::closeWindow() {
    if (closing_)
        return; // the fade-out runs once
    closing_ = true;
    cursorHidden = true;
    alphaBlend = true;
    modalResult = ModalResult::Ok;
    Timer3Enabled = true;
}

void TTMyAbout::Timer3Timer() {
    alphaBlendValue = std::max(0, alphaBlendValue - 5);
    if (alphaBlendValue == 0) {
        Timer3Enabled = false;
        released = true;
    }
}

void TTMyAbout::FormShow() {
    Timer3Enabled = false;
}

void TTMyAbout::FormClose() {
    cursorHidden = false;
    modalResult = ModalResult::Ok;
}

} // namespace tessellon
