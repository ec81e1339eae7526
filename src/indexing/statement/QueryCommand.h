// `tessellon-admin query [--max N] STATEMENT`: runs a statement through the
// provider and prints a header line of the selected property names and one
// line per row, values separated by tabs. This is how users and scripts
// query catalogs from a shell.
#pragma once

#include "indexing/registry/CatalogResolver.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

namespace tessellon {

using CatalogResolverFactory = std::function<std::unique_ptr<CatalogResolver>()>;

// args: what follows "query" on the command line; the words of the statement
// may come as one argument or several. Returns the exit status: 0, or 1 with
// the message on `err`. The resolver is created only when a statement runs.
int runQueryCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                    const CatalogResolverFactory& makeResolver);

} // namespace tessellon
