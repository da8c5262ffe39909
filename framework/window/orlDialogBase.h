// The base of every dialog of the system: the dialog remembers where it stood and how large
// it was, and comes back there the next time it is opened.
//
// A derived dialog's constructor passes its identifier and translated title, true for
// centreIfNew and a resizable style; builds its controls into a sizer, fits the dialog to it
// and makes the fitted size the minimum; then calls RestoreWindowInfo(this, wxDefaultSize)
// and finally sets `tracking`, so that only the user's moves and resizes are recorded.
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

  private:
    // Moves and resizes alike record the dialog's geometry.
    void OnGeometryChanged(wxEvent& event);

    wxDECLARE_CLASS(orlDialogBase);
    wxDECLARE_EVENT_TABLE();
};
