#include "framework/window/orlTabOrder.h"

#include <wx/event.h>
#include <wx/window.h>

void orlApplyTabOrder(wxWindow* window) {
    // One idle pass over the window and its children, as the main loop gives them when it has
    // nothing else to do: that pass is where the toolkit passes each container's order on.
    wxIdleEvent idle;
    window->SendIdleEvents(idle);
}
