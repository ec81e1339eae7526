#include "gui/WebPreviewView.h"

#include "gui/UntrustedWebProfile.h"

#include <QWebEnginePage>

namespace tessellon {

namespace {

// A page that goes nowhere but to local files: no link, form, redirect or
// refresh leaves the computer, and no other program is handed an address.
class LocalFilePage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        return url.isLocalFile() || url == QUrl(QStringLiteral("about:blank"));
    }
};

} // namespace

WebPreviewView::WebPreviewView(QWidget* parent) : QWebEngineView(parent) {
    setPage(new LocalFilePage(untrustedWebProfile(), this));
}

void WebPreviewView::showAddress(const QString& address) {
    if (address == address_)
        return;
    address_ = address;
    setUrl(QUrl(address));
}

} // namespace tessellon
