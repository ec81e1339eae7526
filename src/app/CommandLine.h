// The command line of batch mode: "/S<query file>", "/F<report file>",
// "/N<limit>", "/Q" (quit), an argument holding ".tsn" (search file), each
// optionally wrapped as "TSSEARCH://...". A value follows its letter
// directly; letters ignore case; the ".tsn" test does not.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tessellon {

struct BatchOptions {
    QString queryFile;
    QString resultFile;
    QString limitText;
    int resultLimit = 100;
    bool quit = false;
    QString searchFile;
};

// Updates the options from one argument. Returns the message to show when the
// argument is bad ("Error: abc not a number."); the options then keep their
// previous values.
std::optional<QString> ParseParam(const QString& argument, BatchOptions& options);

// The options of a whole command line, ignoring messages (used to decide,
// before any window exists, whether the run needs a display).
BatchOptions parseArguments(const QStringList& arguments);

} // namespace tessellon
