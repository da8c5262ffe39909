// Waiting for the toolkit to draw a window once. The toolkit styles a control (its theme's
// sizes, its font as the screen renders it) only when it first draws it, so a control measures
// as unstyled, often smaller, until then.
#pragma once

#include <wx/toplevel.h>

#include <functional>

// Calls `done` from the event loop once the shown top-level window has been drawn the next
// time; never when the window is destroyed first. A window the toolkit cannot draw yet (not
// shown) gets the call from the event loop at once.
void orlAfterNextFrame(wxTopLevelWindow* window, std::function<void()> done);
