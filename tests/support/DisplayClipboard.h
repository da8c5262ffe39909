// The display's clipboard as another program sees it: who owns it, and a text the test process
// puts there itself (its text is read with ClipboardText).
#pragma once

#include <chrono>
#include <string>

#include "support/ClipboardText.h"
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

// Puts the text on the clipboard from the test process; returns the window that owns it now.
inline Window PutOnClipboard(const std::string& text) {
    SetClipboardText(wxString::FromUTF8(text));
    return ClipboardOwner();
}

}  // namespace testsupport
