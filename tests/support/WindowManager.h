// A window manager on the test binary's own display, as users run the program: openbox, whose
// frames have a title bar and borders, and which tells the toolkit the frame extents it
// measures windows with. It manages no window but the binary's own.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "support/ChildProcess.h"
#include "support/RunProgram.h"

namespace testsupport {

class WindowManager {
  public:
    // Starts the manager on the display and waits (at most the limit) until it has announced
    // itself on the root window, that is until it manages the screen.
    bool Start(const std::string& display, int limitMilliseconds = 20000) {
        if (!manager.Start({"openbox", "--sm-disable"}, EnvironmentWith({{"DISPLAY", display}}),
                           "/dev/null")) {
            return false;
        }
        return WaitForManager(display, limitMilliseconds);
    }

    void Stop() { manager.End(); }

  private:
    // The manager sets _NET_SUPPORTING_WM_CHECK on the root window once it manages the screen;
    // the wait is for the root window's property changes, each checked as it comes.
    static bool WaitForManager(const std::string& name, int limitMilliseconds) {
        Display* display = XOpenDisplay(name.c_str());
        if (display == nullptr) {
            return false;
        }
        const Window root = DefaultRootWindow(display);
        XSelectInput(display, root, PropertyChangeMask);
        const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMilliseconds);
        bool managed = Announced(display, root, check);
        while (!managed && std::chrono::steady_clock::now() < deadline) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (XPending(display) == 0 &&
                poll(&connection, 1, static_cast<int>(std::max<long>(left.count(), 0))) <= 0) {
                continue;
            }
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
            }
            managed = Announced(display, root, check);
        }
        XCloseDisplay(display);
        return managed;
    }

    static bool Announced(Display* display, Window root, Atom check) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        const bool announced =
            XGetWindowProperty(display, root, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                               &after, &data) == Success &&
            type == XA_WINDOW && count == 1;
        if (data != nullptr) {
            XFree(data);
        }
        return announced;
    }

    ChildProcess manager;
};

}  // namespace testsupport
