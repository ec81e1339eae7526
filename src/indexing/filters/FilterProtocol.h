// How the indexer and the filter helper process talk: the indexer starts
// `tessellon-filter <kind>` and writes the file's raw path bytes to its
// standard input; the helper answers on standard output with one encoded
// FilterResult and exits 0. Anything else (a crash, a kill, garbage) means
// the filter failed.
#pragma once

#include "indexing/filters/FilterResult.h"

#include <QByteArray>
#include <optional>

namespace tessellon::FilterProtocol {

QByteArray encode(const FilterResult& result);
// Nothing when the bytes are not one complete answer.
std::optional<FilterResult> decode(const QByteArray& bytes);

} // namespace tessellon::FilterProtocol
