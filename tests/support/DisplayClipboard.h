// The display's clipboard as another program sees it: who owns it, what text it holds (read
// through GTK, waiting at most a given time for the owner's answer), and a text the test
// process puts there itself.
#pragma once

#include <gtk/gtk.h>

#include <chrono>
#include <string>

#include "support/DisplayEvents.h"

namespace testsupport {

// The window that owns the named selection, or None when nobody does.
inline Window SelectionOwner(const char* selection) {
    Display* display = XDisplay();
    return XGetSelectionOwner(display, XInternAtom(display, selection, False));
}

inline Window ClipboardOwner() {
    return SelectionOwner("CLIPBOARD");
}

// Presses the key in the window and waits until somebody new owns the clipboard: in a
// program's window that puts a new password straight on the clipboard, Return (Create) shows
// that the window has taken the keyboard and answers keys.
inline bool PressKeyForNewClipboardOwner(Window window, KeySym key,
                                         std::chrono::milliseconds limit) {
    const Window former = ClipboardOwner();
    return PressKeyIn(window, key) && PumpUntil(
                                          [&] {
                                              const Window owner = ClipboardOwner();
                                              return owner != None && owner != former;
                                          },
                                          limit);
}

// The clipboard's text; "<no text>" when nobody owns it or the owner has no text, "<no answer>"
// when the owner did not answer in time.
inline std::string ClipboardText(std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    // Shared with the callback, which may come after the wait has given up.
    struct Request {
        bool answered = false;
        bool abandoned = false;
        std::string text = "<no text>";
    };
    auto* request = new Request;
    gtk_clipboard_request_text(
        gtk_clipboard_get(GDK_SELECTION_CLIPBOARD),
        [](GtkClipboard*, const gchar* text, gpointer data) {
            auto* request = static_cast<Request*>(data);
            if (request->abandoned) {
                delete request;
                return;
            }
            request->answered = true;
            if (text != nullptr) {
                request->text = text;
            }
        },
        request);
    if (!PumpUntil([&] { return request->answered; }, limit)) {
        request->abandoned = true;
        return "<no answer>";
    }
    const std::string text = request->text;
    delete request;
    return text;
}

// Puts the text on the clipboard from the test process; returns the window that owns it now.
inline Window PutOnClipboard(const std::string& text) {
    gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), text.c_str(), -1);
    return ClipboardOwner();
}

}  // namespace testsupport
