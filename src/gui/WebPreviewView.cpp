#include "gui/WebPreviewView.h"

#include "gui/UntrustedWebProfile.h"

#include <QWebEnginePage>

namespace tessellon {

WebPreviewView::WebPreviewView(QWidget* parent) : QWebEngineView(parent) {
    setPage(new QWebEnginePage(untrustedWebProfile(), this));
}

void WebPreviewView::showAddress(const QString& address) {
    if (address == address_)
        return;
    address_ = address;
    setUrl(QUrl(address));
}

} // namespace tessellon
