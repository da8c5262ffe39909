// The base of every dialog of the system: the dialog remembers where it stood and how large
// it was, and comes back there the next time it is opened.
//
// A derived dialog's constructor passes its identifier and translated title, true for
// centreIfNew and a resizable style; builds its controls into a sizer and calls FitToSizer,
// which fits the dialog to it and makes the fitted size the minimum; then calls
// RestoreWindowInfo(this, wxDefaultSize) and finally sets `tracking`, so that only the user's
// moves and resizes are recorded.
#pragma once

#include <wx/dialog.h>

#include "framework/window/orlTopLevelWindowBase.h"

class orlDialogBase : public wxDialog, public orlTopLevelWindowBase {
  public:
    // `parent` is required: the dialog is placed relative to its top-level window.
    orlDialogBase(wxWindow* parent, wxWindowID id, const wxString& title, bool centreIfNew,
                  long style = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER,
                  const wxString& keywordPrefix = wxString());
    ~orlDialogBase() override;

  protected:
    // Fits the dialog to its sizer and makes the fitted size its smallest, and with
    // `fixedHeight` also its only height. The limits hold for the client area, whatever frame
    // the window manager turns out to put around the dialog once it is shown.
    void FitToSizer(bool fixedHeight = false);
    // Enlarges the fitted size by `growth`, for content that has come to need more room, and
    // the dialog with it where it is smaller than that now.
    void GrowFittedSize(const wxSize& growth);
    // The client size the dialog was fitted to, with what it has grown by since.
    wxSize GetFittedClientSize() const { return minClientSize; }

  private:
    // Moves and resizes alike record the dialog's geometry.
    void OnGeometryChanged(wxEvent& event);
    // Sets the size limits for the client area within the frame the dialog now has.
    void ApplyClientLimits();

    wxSize minClientSize = wxDefaultSize;
    wxSize maxClientSize = wxDefaultSize;
    wxSize limitedFrame;  // the frame the size limits were set for

    wxDECLARE_CLASS(orlDialogBase);
    wxDECLARE_EVENT_TABLE();
};
