// Previewed web pages in the real web engine: the pane and the separate
// preview window show the page, its scripts never run, and nothing it names
// on a server is fetched. A local server counts every connection made to it.
#include "GuiFixture.h"

#include <QDir>
#include <QImage>
#include <QTableView>
#include <QTcpServer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

using namespace tessellon;

namespace {

class WebPreviewTest : public GuiFixture {
protected:
    WebPreviewTest() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] { ++connections; });
        QImage dot(4, 4, QImage::Format_RGB32);
        dot.fill(Qt::red);
        dot.save(temp.filePath(u"dot.png"_qs));
    }

    // A page that tries to run a script and to reach the local server in
    // every way a page can, and that shows a local picture.
    QString writePage(const QString& name) {
        const QString server = u"http://127.0.0.1:%1/"_qs.arg(this->server.serverPort());
        const QString page = uR"(<html><head><title>Quarterly report</title>
<script>document.title = "script ran";</script>
<script src="%1script.js"></script>
<link rel="stylesheet" href="%1style.css">
<link rel="preconnect" href="%1">
<link rel="prefetch" href="%1next.html">
<meta http-equiv="refresh" content="0; url=%1refresh.html">
<style>body { font-family: sans-serif; background: url(%1background.png); }</style>
</head><body><h1>Quarterly report</h1><p>Sales rose in every region.</p>
<img id="local" src="dot.png" width="40" height="40">
<img id="remote" src="%1pixel">
<iframe src="%1frame.html"></iframe>
</body></html>)"_qs.arg(server);
        return temp.write(name, page.toUtf8());
    }

    void searchAndSelectFirstHit(const QString& path) {
        provider.rows = {{QFileInfo(path).fileName(), std::int64_t(1), QString(), QString(), path}};
        start();
        click(mainWidget<QAbstractButton>(u"Button1"_qs));
        auto& list = mainWidget<QTableView>(u"ListView1"_qs);
        list.setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Home);
    }

    // Runs a script in the page's own isolated world (not the page's scripts,
    // which are off) and waits for its value.
    static QVariant evaluate(QWebEngineView& view, const QString& script) {
        QVariant value;
        bool done = false;
        view.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                   [&](const QVariant& result) {
                                       value = result;
                                       done = true;
                                   });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000)) << script.toStdString();
        return value;
    }

    // Waits until the view shows `path` fully loaded, then lets a moment
    // pass for any late request. The view takes the new address before its
    // page has the new document, and the empty document before it is
    // complete too: the document's own address tells them apart.
    static void waitForPage(QWebEngineView& view, const QString& path) {
        const QUrl url = QUrl::fromLocalFile(path);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view.url() == url; }, 10000));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return QUrl(evaluate(view,
                                     u"document.readyState == 'complete' ? document.URL : ''"_qs)
                                .toString()) == url;
            },
            30000));
        QTest::qWait(300);
    }

    void expectShownSafely(QWebEngineView& view) {
        EXPECT_EQ(view.title(), u"Quarterly report"_qs); // the page's script did not run
        EXPECT_EQ(evaluate(view, u"document.getElementById('local').naturalWidth"_qs).toInt(), 4);
        EXPECT_EQ(evaluate(view, u"document.getElementById('remote').naturalWidth"_qs).toInt(), 0);
        EXPECT_EQ(connections, 0) << "the page reached the server";
    }

    QTcpServer server;
    int connections = 0;
};

TEST_F(WebPreviewTest, PaneShowsThePageWithoutScriptsOrRequestsToServers) {
    const QString page = writePage(u"report.html"_qs);
    searchAndSelectFirstHit(page);

    auto& view = mainWidget<QWebEngineView>(u"WebBrowser1"_qs);
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(mainWidget<QWidget>(u"RichEdit1"_qs).isVisible());
    waitForPage(view, page);
    expectShownSafely(view);

    const QString folder = qEnvironmentVariable("TESSELLON_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(window->screen()
                        ->grabWindow(window->winId())
                        .save(QDir(folder).filePath(u"preview-html.png"_qs)));
    }
}

TEST_F(WebPreviewTest, PopupPreviewShowsThePageInItsOwnWindowUntilClosed) {
    const QString page = writePage(u"report.htm"_qs);
    searchAndSelectFirstHit(page);

    QStringList offered;
    whenPopupChoose(u"Preview"_qs, offered);
    auto& list = mainWidget<QTableView>(u"ListView1"_qs);
    const QPoint row =
        list.viewport()->mapTo(window.get(), list.visualRect(list.model()->index(0, 0)).center());
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, row);

    auto& preview = findIn<QWidget>(window.get(), u"TKorvaneTessellonPreview1"_qs);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    EXPECT_EQ(preview.windowTitle(), u"Preview - "_qs + page);
    EXPECT_EQ(preview.size(), QSize(870, 640));
    auto& view = findIn<QWebEngineView>(&preview, u"WebBrowser1"_qs);
    waitForPage(view, page);
    expectShownSafely(view);

    preview.close();
    EXPECT_FALSE(app->webPreview().visible);
    EXPECT_TRUE(platform.opened.isEmpty()) << platform.opened.join(u' ').toStdString();
}

} // namespace
