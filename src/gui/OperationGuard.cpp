#include "gui/OperationGuard.h"

#include "common/Error.h"
#include "common/Platform.h"

namespace tessellon {

bool runGuarded(Platform& platform, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& e) {
        platform.setNormalCursor();
        platform.showMessage(errorMessage(e));
        return false;
    }
}

} // namespace tessellon
