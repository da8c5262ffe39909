// A text put on the clipboard as a secret: marked for the clipboard histories that honour it
// (the "x-kde-passwordManagerHint" target, "secret"), and taken off again after a while, or
// whenever asked, as long as the clipboard still holds it. Once anybody else has put something
// on the clipboard (another program, or a text control of this one), the text is no longer
// there to take off, and the clipboard is left alone.
#pragma once

#include <wx/string.h>
#include <wx/timer.h>

#include <memory>

class orlSecretClipboard : public wxEvtHandler {
  public:
    orlSecretClipboard();
    ~orlSecretClipboard() override;
    orlSecretClipboard(const orlSecretClipboard&) = delete;
    orlSecretClipboard& operator=(const orlSecretClipboard&) = delete;

    // Puts the text on the clipboard, to be taken off `seconds` seconds later (never, for 0 or
    // less). False when the clipboard could not be opened.
    bool Put(const wxString& text, int seconds);

    // Whether the clipboard still holds the text put last.
    bool HoldsText() const;
    // Whether the text put last is still to be taken off when its time comes.
    bool IsClearPending() const { return clearTimer.IsRunning(); }
    // The time the text put last was given on the clipboard, in milliseconds.
    int GetClearInterval() const { return clearTimer.GetInterval(); }

    // Takes the text put last off the clipboard, when the clipboard still holds it; the
    // clipboard is then empty. Nothing is to be taken off afterwards.
    void Clear();

  private:
    void OnClearTime(wxTimerEvent& event);

    // Whether the clipboard still offers the text put last: the toolkit lets the text go when
    // somebody else takes the clipboard, or when it is cleared.
    std::shared_ptr<bool> held;
    wxTimer clearTimer;
};
