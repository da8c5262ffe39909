// The test process as one more client of the display: it handles its events while it waits
// for something another program does, finds that program's window and types into it with the
// X server's test extension, as a user's keyboard would.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>
#include <glib.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "support/MainLoopWait.h"

namespace testsupport {

inline Display* XDisplay() {
    return gdk_x11_display_get_xdisplay(gdk_display_get_default());
}

// Handles the display's events until the condition holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    return IterateUntil(done, limit);
}

// The shown top-level windows of the process, in the display's stacking order (the newest on
// top, last).
inline std::vector<Window> ShownWindowsOf(pid_t pid) {
    Display* display = XDisplay();
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    std::vector<Window> found;
    gdk_x11_display_error_trap_push(gdk_display_get_default());  // windows come and go
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(display, children[i], &attributes) ||
                attributes.map_state != IsViewable || attributes.override_redirect) {
                continue;
            }
            Atom type = None;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* value = nullptr;
            if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                   &format, &items, &after, &value) == Success &&
                value != nullptr && format == 32 && items == 1 &&
                static_cast<pid_t>(*reinterpret_cast<unsigned long*>(value)) == pid) {
                found.push_back(children[i]);
            }
            if (value != nullptr) {
                XFree(value);
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    gdk_x11_display_error_trap_pop_ignored(gdk_display_get_default());
    return found;
}

// The shown top-level window of the process, or None while it has none.
inline Window ShownWindowOf(pid_t pid) {
    const std::vector<Window> windows = ShownWindowsOf(pid);
    return windows.empty() ? None : windows.front();
}

// The window's title as the program set it (UTF-8), or "" when it has none.
inline std::string WindowTitle(Window window) {
    Display* display = XDisplay();
    const Atom nameAtom = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8Atom = XInternAtom(display, "UTF8_STRING", False);
    std::string title;
    gdk_x11_display_error_trap_push(gdk_display_get_default());
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* value = nullptr;
    if (XGetWindowProperty(display, window, nameAtom, 0, 1024, False, utf8Atom, &type, &format,
                           &items, &after, &value) == Success &&
        value != nullptr && format == 8) {
        title.assign(reinterpret_cast<const char*>(value), items);
    }
    if (value != nullptr) {
        XFree(value);
    }
    gdk_x11_display_error_trap_pop_ignored(gdk_display_get_default());
    return title;
}

// Waits for a shown window of the process whose title satisfies `wanted`; the newest such
// window, or None when none came in time.
inline Window WaitForWindowOf(pid_t pid, const std::function<bool(const std::string&)>& wanted,
                              std::chrono::milliseconds limit) {
    Window found = None;
    PumpUntil(
        [&] {
            for (const Window window : ShownWindowsOf(pid)) {
                if (wanted(WindowTitle(window))) {
                    found = window;
                }
            }
            return found != None;
        },
        limit);
    return found;
}

// Gives the window the keyboard (there is no window manager to do it) and presses and
// releases the key there.
inline bool PressKeyIn(Window window, KeySym key) {
    Display* display = XDisplay();
    const KeyCode code = XKeysymToKeycode(display, key);
    if (code == 0) {
        return false;
    }
    gdk_x11_display_error_trap_push(gdk_display_get_default());
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XSync(display, False);
    return gdk_x11_display_error_trap_pop(gdk_display_get_default()) == 0;
}

}  // namespace testsupport
