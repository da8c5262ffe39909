#include "ui/dictionary/WordDialog.h"

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "framework/orlFonts.h"

WordDialog::WordDialog(wxWindow* parent, std::uint32_t length, const Dictionary& dictionary)
    : orlDialogBase(parent, kDialogId, _("Dictionary Word"), true,
                    wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER, wxString()),
      length(length),
      dictionary(dictionary) {
    auto* dialogSizer = new wxBoxSizer(wxVERTICAL);
    dialogSizer->Add(
        new wxStaticText(this, wxID_STATIC, wxString::Format(_("Digit Number: %d"), length)), 0,
        wxALL, 5);

    wordText =
        new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(200, 300),
                       wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL, wxDefaultValidator, "text");
    wordText->SetFont(orlGetTextFont());
    dialogSizer->Add(wordText, 1, wxEXPAND | wxLEFT | wxRIGHT, 5);

    auto* closeButton = new wxButton(this, wxID_CANCEL, _("Close"));
    closeButton->SetDefault();
    closeButton->SetFocus();
    dialogSizer->Add(closeButton, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 10);

    SetAutoLayout(true);
    SetSizer(dialogSizer);
    FitToSizer();
    RestoreWindowInfo(this, wxDefaultSize);
    tracking = true;
}

bool WordDialog::TransferDataToWindow() {
    wxBusyCursor busy;
    wxArrayString words;
    if (!dictionary.GetWords(length, words)) {
        return true;
    }
    wxString text;
    for (const wxString& word : words) {
        text << word << '\n';
    }
    wordText->ChangeValue(text);
    // Also scrolls the text back to its start.
    wordText->SetInsertionPoint(0);
    return true;
}
