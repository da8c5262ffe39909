// The system's compact message dialog: a picture, the message beside it and a row of buttons
// chosen by the message style bits (wxYES, wxOK, wxNO, wxCANCEL). ShowModal returns the
// identifier of the button that ended it, or wxID_CANCEL when Escape or the close box did.
#pragma once

#include <wx/bitmap.h>
#include <wx/dialog.h>

class orlMessageCommonDialog : public wxDialog {
  public:
    // Sounds the bell once it is built. With none of the four style bits the dialog has no
    // buttons and only Escape or the close box end it.
    orlMessageCommonDialog(wxWindow* parent, const wxString& caption, const wxString& message,
                           const wxBitmap& picture, long style);

  private:
    void OnYes(wxCommandEvent& event);
    void OnNo(wxCommandEvent& event);

    wxDECLARE_CLASS(orlMessageCommonDialog);
    wxDECLARE_EVENT_TABLE();
};
