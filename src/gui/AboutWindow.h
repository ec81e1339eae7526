// The About window on the desktop: borderless and translucent, so only the
// rounded panel that TTMyAbout paints shows; its labels, the close picture
// and the logos lie on top. Mouse and keys go to the logic, its timers run
// here, and the fade-out is the window's opacity.
#pragma once

#include "help/TTMyAbout.h"

#include <QDialog>
#include <QTimer>

class QLabel;

namespace tessellon {

class QPainterPicture;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(Platform& platform, const TAboutInfo& info, QWidget* parent = nullptr);
    ~AboutWindow() override;

    TTMyAbout& about() { return about_; }
    // Shows the models again.
    void refreshFromModels();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* addLabel(AboutLabel& model, const QString& name, bool link);
    void run(const std::function<void()>& operation);

    Platform& platform_;
    TTMyAbout about_;
    QTimer creditsTimer_;
    QTimer fadeTimer_;
    QList<std::pair<QLabel*, const AboutLabel*>> labels_;
    bool cursorOverridden_ = false;
};

} // namespace tessellon
