// Waiting in windowed tests for something the toolkit or the X server does in its own time
// (mapping a window, scrolling a text, a native dialog taking a path in): the display's events
// and the toolkit's own pending and idle events are handled as they come, and the wait ends as
// soon as the condition holds, or when the time is up.
#pragma once

#include <wx/app.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>

#include "support/MainLoopWait.h"

namespace testsupport {

inline bool WaitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    return IterateUntil(done, limit, [] { wxYield(); });
}

}  // namespace testsupport
