// The system's report dialog: the error picture and a message above a read-only, scrollable
// report area, with an OK button. The caller fills the report with AddText, may retitle the
// dialog (it is titled "Error") and shows it with ShowModal.
#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

class orlLogDialog : public wxDialog {
  public:
    orlLogDialog(wxWindow* parent, const wxString& message);

    // Appends the text (which may hold line feeds) to the report; with lineFeedFirst a line
    // feed goes before it unless the report is still empty.
    void AddText(const wxString& text, bool lineFeedFirst);

    // Shows the report from its first line with the focus on OK and sounds the bell. Returns
    // wxID_OK for OK and wxID_CANCEL for Escape or the close box.
    int ShowModal() override;

  private:
    wxTextCtrl* report = nullptr;
    wxButton* okButton = nullptr;

    wxDECLARE_CLASS(orlLogDialog);
};
