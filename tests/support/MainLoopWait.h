// The one way the tests wait for something that happens in its own time (a window mapped, a
// text scrolled, another program's answer on the display): GLib's main loop handles events as
// they come, and the wait ends as soon as the condition holds, or when the time is up. A short
// timer only wakes the loop when no event comes at all, so that the time limit is kept.
#pragma once

#include <glib.h>

#include <chrono>
#include <functional>

namespace testsupport {

// True once `done` holds; false when it still did not after `limit`. `afterEach` runs after
// every round of the loop (the toolkit's own pending and idle events, where there is one).
inline bool IterateUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
                         const std::function<void()>& afterEach = {}) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        bool fired = false;
        const guint timer = g_timeout_add(
            10,
            [](gpointer flag) -> gboolean {
                *static_cast<bool*>(flag) = true;
                return G_SOURCE_REMOVE;
            },
            &fired);
        g_main_context_iteration(nullptr, TRUE);  // returns on the next event or the timer
        if (!fired) {
            g_source_remove(timer);
        }
        if (afterEach) {
            afterEach();
        }
    }
    return true;
}

}  // namespace testsupport
