// The web engine profile every previewed page is shown in. A previewed file
// is untrusted: its scripts do not run, and nothing it names outside this
// computer is fetched (only file: addresses load), so a page can neither run
// code nor tell anyone it was opened.
#pragma once

#include <QByteArray>

class QWebEngineProfile;

namespace tessellon {

// The shared in-memory profile (no cache, cookies or history on disk),
// created on first use. The first call also prepares Chromium's flags.
QWebEngineProfile* untrustedWebProfile();

// Chromium's flags for this process: Chromium will not start its sandbox
// for root, so root needs --no-sandbox; everyone else keeps the sandbox.
QByteArray chromiumFlags(const QByteArray& flags, bool effectiveUserIsRoot);

} // namespace tessellon
