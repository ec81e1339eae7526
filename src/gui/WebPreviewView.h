// A web view for previewed files, in the untrusted profile: no scripts, and
// only local files load.
#pragma once

#include <QWebEngineView>

namespace tessellon {

class WebPreviewView : public QWebEngineView {
    Q_OBJECT
public:
    explicit WebPreviewView(QWidget* parent = nullptr);

    // Goes to the address unless it is already the one shown, so showing the
    // same models again does not reload the page.
    void showAddress(const QString& address);

private:
    QString address_;
};

} // namespace tessellon
