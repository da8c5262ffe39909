// Handing the clipboard to the desktop's clipboard manager when the program ends, so that a
// password the program copied stays available to the other programs after it has gone, without
// the end ever waiting long for a manager that does not answer.
#pragma once

#include <chrono>

enum class HandOverResult {
    NotOurs,      // the program does not own the clipboard (nothing, or another program's)
    NoManager,    // nobody keeps clipboards on this display: the copy ends with the program
    Answered,     // the manager has answered: it has copied the clipboard, if it could
    NoAnswer,     // the manager did not answer within the limit (or ignored the toolkit's ask)
    NotSupported  // a window system without the protocol: the toolkit's own flush was used
};

// Asks the clipboard manager to copy the clipboard, when the program owns the clipboard and the
// display has a manager, and waits at most `limit` for its answer while still serving the
// clipboard to it. Never touches a clipboard that another program owns, and does not ask a
// manager that has just let the toolkit's own request go unanswered.
HandOverResult HandClipboardToManager(std::chrono::milliseconds limit);

// GTK itself hands its clipboard to the manager when its main loop ends (text copied from a
// text control asks for that) and then waits up to ten seconds for the manager's answer.
// Called just before the main loop is told to end, this cuts that wait to about `limit`.
void LimitToolkitClipboardWait(std::chrono::milliseconds limit);
