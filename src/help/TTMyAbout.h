// The About window's logic: a borderless, rounded panel painted on one
// picture (Image1) whose navy key colour the window shows as transparent.
// It holds the title that works as a link, the application name shrunk to
// fit, the build line, the link labels, the legal notice or the endless
// credits roll (F3), and the fade-out on closing. The window paints Image1,
// shows the labels, runs the timers and forwards mouse and keys here.
#pragma once

#include "common/ControlModels.h"
#include "common/Platform.h"
#include "html/Canvas.h"

#include <memory>

namespace tessellon {

struct TAboutInfo {
    QString productname;
    QString applicationname;
    QString description;
    QString copyright;
    std::shared_ptr<Picture> picture; // drawn at the top right; may be null
    QString version;                  // replaces the build line when not empty
    bool showauthors = false;
    bool showsolutions = false;
    QString deeplink; // opened by a click on the title; empty: the title is inert
    bool multilang = false;
};

// A text component placed on the panel.
struct AboutLabel : ControlState {
    QString caption;
    QString hint;
    Rect bounds;
    Color color = 0;
};

class TTMyAbout {
public:
    static constexpr int Width = 434;
    static constexpr int Height = 331;
    // The window's colour, shown as transparent.
    static constexpr Color Navy = rgb(0, 0, 128);
    static constexpr Color Cream = rgb(255, 251, 240);
    static constexpr int KeyEscape = 27;
    static constexpr int KeyF3 = 114;

    // `version` is the program's version as major.minor.release.build.
    TTMyAbout(PictureFactory& pictures, Platform& platform, const QString& version);

    // --- Controls --------------------------------------------------------
    std::unique_ptr<Picture> Image1;
    AboutLabel Image2; // logo, top left
    AboutLabel Image3; // the close picture, top right
    AboutLabel Image5; // small logo, bottom right; opens the maker's page
    AboutLabel Label1; // description
    AboutLabel Label2; // build line
    AboutLabel Copyright;
    AboutLabel Label3; // the maker's web address
    AboutLabel Label4; // the maker's e-mail address
    AboutLabel Label5; // a third link, shown with showsolutions
    AboutLabel Label6; // "Show Authors", never shown
    AboutLabel Memo1;  // the legal notice
    QStringList ListBox1;
    QString caption = QStringLiteral("About");

    // --- Window state ----------------------------------------------------
    bool Timer1Enabled = false; // credits, every 55 ms
    bool Timer3Enabled = false; // fade-out, every 20 ms
    bool handCursor = false;
    bool cursorHidden = false;
    bool alphaBlend = false;
    int alphaBlendValue = 255;
    bool released = false; // the fade-out has ended: the window goes
    ModalResult modalResult = ModalResult::None;
    Rect linkrect;
    QString deeplink;
    // The credits picture and how far it has scrolled.
    std::unique_ptr<Picture> bitmap;
    int scrollOffset = 0;

    // --- Operations ------------------------------------------------------
    void FormCreate();
    void FillInfo(const TAboutInfo& info);
    void Image1MouseMove(int x, int y);
    void Image1MouseDown(int x, int y);
    void FormKeyDown(int key);
    void LabelClick(AboutLabel& label);
    void Image5Click();
    // F3 or "Show Authors": the credits roll in place of the notice.
    void ShowAuthors();
    void Timer1Timer();
    void Timer3Timer();
    // Escape, a press outside the title, the close picture.
    void closeWindow();
    void FormShow();
    void FormClose();

    // What a link caption opens: an e-mail address becomes a mailto: address.
    static QString linkTarget(const QString& caption);

private:
    void paintBackground();
    void paintTitle(Color color);
    void paintCredits();
    Color gradientColor(int y) const;

    PictureFactory& pictures_;
    Platform& platform_;
    QString titleText_;
    TextFont titleFont_;
    Color titleColor_ = 0;
    bool closing_ = false;
};

// Shows the About window with the record; true when it closed with OK.
using ShowAbout = std::function<bool(const TAboutInfo& info)>;

} // namespace tessellon
