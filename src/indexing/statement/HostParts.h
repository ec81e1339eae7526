// A statement whose catalogs lie on several computers runs in parts, one per
// computer. Each part is the statement's own text with the other computers'
// catalogs and every host prefix blanked out: it reads as a statement over
// that computer's catalogs alone, and every position in it (as messages name
// them) stays where it was in the whole.
#pragma once

#include "indexing/statement/Statement.h"

#include <functional>

namespace tessellon::statement {

struct HostPart {
    QString host;                     // empty for this computer
    std::vector<std::size_t> sources; // the statement's sources it reads, in order
    QString statement;
};

// The parts in the order of their first catalog in the statement; the
// sources of hosts that isLocal accepts form one part of this computer.
std::vector<HostPart> splitByHost(const QString& text, const Statement& parsed,
                                  const std::function<bool(const QString& host)>& isLocal);

} // namespace tessellon::statement
