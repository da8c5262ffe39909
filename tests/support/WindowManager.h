// A window manager on the test binary's own display, as users run the program: openbox, whose
// frames have a title bar and borders, and which tells the toolkit the frame extents it
// measures windows with. It manages no window but the binary's own.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <string>

#include "support/ChildProcess.h"
#include "support/RunProgram.h"

namespace testsupport {

class WindowManager {
  public:
    // Starts the manager on the display and waits (at most the limit) until it has announced
    // itself on the root window, that is until it manages the screen.
    bool Start(const std::string& display, int limitMilliseconds = 20000) {
        if (!m_manager.Start({"openbox", "--sm-disable"}, EnvironmentWith({{"DISPLAY", display}}),
                             "/dev/null")) {
            return false;
        }
        return WaitForManager(display, limitMilliseconds);
    }

    void Stop() { m_manager.End(); }

  private:
    // The manager sets _NET_SUPPORTING_WM_CHECK on the root window once it manages the screen.
    static bool WaitForManager(const std::string& name, int limitMilliseconds) {
        Display* display = XOpenDisplay(name.c_str());
        if (display == nullptr) {
            return false;
        }
        const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
        bool managed = false;
        for (int waited = 0; !managed && waited < limitMilliseconds; waited += 20) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                   XA_WINDOW, &type, &format, &count, &after, &data) == Success) {
                managed = type == XA_WINDOW && count == 1;
            }
            if (data != nullptr) {
                XFree(data);
            }
            if (!managed) {
                usleep(20 * 1000);  // another program's start-up: nothing to wait on but time
            }
        }
        XCloseDisplay(display);
        return managed;
    }

    ChildProcess m_manager;
};

}  // namespace testsupport
