// Mouse clicks and key presses made through the X server's test extension, as a user's mouse
// and keyboard make them: GTK and the toolkit see device events, with every default reaction
// they bring. Each call returns once the windows have handled what it caused. The events go to
// whatever window of the display is under the mouse or has the keyboard focus, so the binary
// needs a display of its own (OWN_DISPLAY in the test build).
#pragma once

#include <gdk/gdk.h>
#include <glib.h>
#include <wx/app.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include "support/WaitForEvents.h"

namespace testsupport {

// Shows the window, waits until it is on the screen, and gives it the keyboard focus of the X
// server (there is no window manager to do so). True once the window is active.
inline bool ShowAndActivate(wxTopLevelWindow* window) {
    window->Show();
    if (!WaitUntil([&] { return window->IsShownOnScreen(); })) {
        return false;
    }
    window->Raise();
    return WaitUntil([&] { return window->IsActive(); });
}

class UserInput {
  public:
    // Clicks the left button at the point (client coordinates of the window), with the
    // modifier keys (wxMOD_SHIFT, wxMOD_CONTROL) held down.
    void Click(wxWindow* window, const wxPoint& point, int modifiers = wxMOD_NONE) {
        simulator.MouseMove(window->ClientToScreen(point));
        Settle();
        HoldModifiers(modifiers, true);
        simulator.MouseClick();
        HoldModifiers(modifiers, false);
        Settle();
    }

    // Clicks the middle of the window.
    void Click(wxWindow* window) {
        const wxSize size = window->GetClientSize();
        Click(window, wxPoint(size.x / 2, size.y / 2));
    }

    // Presses and releases the key (a wxKeyCode or a capital letter) with the modifiers.
    void Press(int key, int modifiers = wxMOD_NONE) {
        simulator.Char(key, modifiers);
        Settle();
    }

  private:
    void HoldModifiers(int modifiers, bool down) {
        for (const auto& [flag, key] :
             {std::pair{wxMOD_SHIFT, WXK_SHIFT}, std::pair{wxMOD_CONTROL, WXK_CONTROL}}) {
            if ((modifiers & flag) != 0) {
                down ? simulator.KeyDown(key) : simulator.KeyUp(key);
            }
        }
    }

    // The server has made the events once a round trip to it returns; then everything they
    // caused, down to the toolkit's own queued events, is handled.
    static void Settle() {
        gdk_display_sync(gdk_display_get_default());
        IterateUntil([] { return !g_main_context_pending(nullptr); }, std::chrono::seconds(5));
        wxYield();
    }

    wxUIActionSimulator simulator;
};

}  // namespace testsupport
