#include "gui/UntrustedWebProfile.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <unistd.h>

namespace tessellon {

namespace {

// Blocks every request whose address is not a local file: pages, images,
// scripts, style sheets, fonts and favicons alike.
class LocalFilesOnly : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (!info.requestUrl().isLocalFile())
            info.block(true);
    }
};

QWebEngineProfile* createProfile() {
    const char* const variable = "QTWEBENGINE_CHROMIUM_FLAGS";
    qputenv(variable, chromiumFlags(qgetenv(variable), geteuid() == 0));

    auto* profile = new QWebEngineProfile(QCoreApplication::instance()); // off the record
    profile->setUrlRequestInterceptor(new LocalFilesOnly(profile));
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    return profile;
}

} // namespace

QWebEngineProfile* untrustedWebProfile() {
    static QWebEngineProfile* const profile = createProfile();
    return profile;
}

QByteArray chromiumFlags(const QByteArray& flags, bool effectiveUserIsRoot) {
    static const QByteArray noSandbox = QByteArrayLiteral("--no-sandbox");
    if (!effectiveUserIsRoot || flags.split(' ').contains(noSandbox))
        return flags;
    return flags.isEmpty() ? noSandbox : flags + ' ' + noSandbox;
}

} // namespace tessellon
