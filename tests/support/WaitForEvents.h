// Waiting in windowed tests for something the toolkit or the X server does in its own time
// (mapping a window, scrolling a text, a native dialog taking a path in): events are handled
// as they come, and the wait ends as soon as the condition holds. A short timer only keeps the
// wait from blocking for good when no event comes at all; the number of rounds bounds it.
#pragma once

#include <glib.h>
#include <wx/app.h>
#include <wx/utils.h>

#include <functional>

namespace testsupport {

inline bool WaitUntil(const std::function<bool()>& done, int rounds = 200) {
    for (int i = 0; i < rounds; ++i) {
        if (done()) {
            return true;
        }
        bool fired = false;
        const guint timer = g_timeout_add(
            20,
            [](gpointer flag) -> gboolean {
                *static_cast<bool*>(flag) = true;
                return G_SOURCE_REMOVE;
            },
            &fired);
        g_main_context_iteration(nullptr, TRUE);  // returns on the next event or the timer
        if (!fired) {
            g_source_remove(timer);
        }
        wxYield();  // the toolkit's own pending and idle events
    }
    return done();
}

}  // namespace testsupport
