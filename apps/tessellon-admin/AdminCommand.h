// The shape every tessellon-admin sub-command has: its arguments (without
// the command word), standard output and error; the result is the exit
// status. Errors are thrown: UsageError for a malformed command line, Error
// for everything else; the dispatcher prints them.
#pragma once

#include "common/Error.h"

#include <QStringList>
#include <QTextStream>

namespace tessellon::admin {

using Command = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

class UsageError : public Error {
public:
    using Error::Error;
};

// The one argument a command takes (a catalog name); throws UsageError.
QString singleArgument(const QStringList& args, const QString& what);

int addCatalog(const QStringList& args, QTextStream& out, QTextStream& err);
int removeCatalog(const QStringList& args, QTextStream& out, QTextStream& err);
int startCatalog(const QStringList& args, QTextStream& out, QTextStream& err);
int stopCatalog(const QStringList& args, QTextStream& out, QTextStream& err);
int pauseCatalog(const QStringList& args, QTextStream& out, QTextStream& err);
int resumeCatalog(const QStringList& args, QTextStream& out, QTextStream& err);
int listCatalogs(const QStringList& args, QTextStream& out, QTextStream& err);
int rescanCatalog(const QStringList& args, QTextStream& out, QTextStream& err);
int service(const QStringList& args, QTextStream& out, QTextStream& err);
int remote(const QStringList& args, QTextStream& out, QTextStream& err);
int hosts(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace tessellon::admin
