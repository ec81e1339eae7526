#include "gui/WebPreviewWindow.h"

#include "gui/WebPreviewView.h"
#include "search/TKorvaneTessellonPreview.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace tessellon {

WebPreviewWindow::WebPreviewWindow(TKorvaneTessellonPreview1& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    setObjectName(QStringLiteral("TKorvaneTessellonPreview1"));
    resize(870, 640);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new WebPreviewView(this);
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    layout->addWidget(view_);
}

void WebPreviewWindow::refreshFromModel() {
    setWindowTitle(model_.caption);
    view_->showAddress(model_.address);
    if (!model_.visible)
        hide();
}

void WebPreviewWindow::present() {
    refreshFromModel();
    show();
    raise();
    activateWindow();
}

void WebPreviewWindow::closeEvent(QCloseEvent* event) {
    model_.visible = false;
    event->accept();
}

} // namespace tessellon
