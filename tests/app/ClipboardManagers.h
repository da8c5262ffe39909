// The clipboard managers the tests put on their display. The answering one is the settings
// daemon of one desktop (from the distribution's packages), which implements the clipboard
// manager protocol: asked to save, it copies the clipboard and takes it over. It needs a
// session bus, so it runs under a bus of its own. The silent one lives in the test process: it
// owns the manager's selection and never answers, as some clipboard history tools do.
#pragma once

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/DisplayClipboard.h"
#include "support/DisplayEvents.h"

namespace testsupport {

enum class Manager { Absent, Answering, Silent };

inline void PrintTo(Manager kind, std::ostream* out) {
    *out << (kind == Manager::Absent      ? "no manager"
             : kind == Manager::Answering ? "answering"
                                          : "silent");
}

class ClipboardManagers {
  public:
    ClipboardManagers() = default;
    ClipboardManagers(const ClipboardManagers&) = delete;
    ClipboardManagers& operator=(const ClipboardManagers&) = delete;
    ~ClipboardManagers() { End(); }

    // Starts the kind of manager (nothing for Absent) and waits until it owns its selection.
    void Start(Manager kind, const std::vector<std::string>& environment,
               const std::string& logPath) {
        using namespace std::chrono_literals;
        if (kind == Manager::Answering) {
            ASSERT_TRUE(daemon.Start(
                {"dbus-run-session", "--", "xfsettingsd", "--no-daemon", "--disable-wm-check"},
                environment, logPath))
                << "cannot start the settings daemon";
        } else if (kind == Manager::Silent) {
            silent = gtk_invisible_new();
            gtk_widget_realize(silent);
            ASSERT_TRUE(gdk_selection_owner_set(gtk_widget_get_window(silent),
                                                gdk_atom_intern_static_string("CLIPBOARD_MANAGER"),
                                                GDK_CURRENT_TIME, FALSE));
        } else {
            return;
        }
        ASSERT_TRUE(PumpUntil([] { return SelectionOwner("CLIPBOARD_MANAGER") != None; }, 30s))
            << "the clipboard manager did not start";
    }

    void End() {
        daemon.End();
        if (silent != nullptr) {
            gtk_widget_destroy(silent);
            silent = nullptr;
        }
    }

  private:
    ChildProcess daemon;
    GtkWidget* silent = nullptr;
};

// A test starts on a display where an earlier test's programs, and what they owned, are gone.
inline bool DisplayIsClean() {
    using namespace std::chrono_literals;
    return PumpUntil(
        [] { return ClipboardOwner() == None && SelectionOwner("CLIPBOARD_MANAGER") == None; }, 5s);
}

}  // namespace testsupport
