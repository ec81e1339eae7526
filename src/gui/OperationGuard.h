// The program's general error report: every operation started from a widget
// runs inside it. An error that escapes the operation is shown in a message
// box, the normal cursor comes back, and the program goes on.
#pragma once

#include <functional>

namespace tessellon {

class Platform;

// Returns false when the operation ended with an error.
bool runGuarded(Platform& platform, const std::function<void()>& operation);

} // namespace tessellon
