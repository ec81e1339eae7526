// The separate web preview window: a previewed page at a size to read it,
// beside the main window. It shows its model and, when the user closes it,
// tells the model it is hidden.
#pragma once

#include <QWidget>

namespace tessellon {

struct TKorvaneTessellonPreview1;
class WebPreviewView;

class WebPreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit WebPreviewWindow(TKorvaneTessellonPreview1& model, QWidget* parent = nullptr);

    // Caption and page as the model has them; hidden when the model is.
    void refreshFromModel();
    // Shown and brought to the front, after the model was given a page.
    void present();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TKorvaneTessellonPreview1& model_;
    WebPreviewView* view_ = nullptr;
};

} // namespace tessellon
