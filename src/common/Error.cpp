#include "common/Error.h"

namespace tessellon {

QString errorMessage(const std::exception& e) {
    if (const auto* ours = dynamic_cast<const Error*>(&e))
        return ours->message();
    return QString::fromUtf8(e.what());
}

} // namespace tessellon
