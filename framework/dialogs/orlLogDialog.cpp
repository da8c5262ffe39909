#include "framework/dialogs/orlLogDialog.h"

#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "framework/dialogs/orlBell.h"
#include "framework/dialogs/orlEndWithCancelOnClose.h"
#include "framework/dialogs/orlMessagePictures.h"
#include "framework/orlFonts.h"

wxIMPLEMENT_CLASS(orlLogDialog, wxDialog);

orlLogDialog::orlLogDialog(wxWindow* parent, const wxString& message)
    : wxDialog(parent, wxID_ANY, _("Error"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER, "dialog") {
    orlEndWithCancelOnClose(*this);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);

    auto* messageSizer = new wxBoxSizer(wxHORIZONTAL);
    messageSizer->Add(new wxStaticBitmap(this, wxID_ANY, orlGetErrorBitmap(), wxDefaultPosition,
                                         wxDefaultSize, 0, "staticBitmap"),
                      0, wxALIGN_CENTER_VERTICAL, 0);
    messageSizer->Add(new wxStaticText(this, wxID_ANY, message, wxDefaultPosition, wxDefaultSize, 0,
                                       "staticText"),
                      0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    topSizer->Add(messageSizer, 0, wxALL, 10);

    // Long lines are not wrapped, and the selection stays visible while OK has the focus.
    report = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE | wxTE_READONLY | wxTE_NOHIDESEL | wxHSCROLL,
                            wxDefaultValidator, "text");
    const wxFont font = orlGetTextFont();
    if (font.IsOk()) {
        report->SetFont(font);
    }
    report->SetMinSize(wxSize(350, 100));
    topSizer->Add(report, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);

    okButton = new wxButton(this, wxID_OK, _("OK"), wxDefaultPosition, wxDefaultSize, 0,
                            wxDefaultValidator, "button");
    okButton->SetDefault();
    okButton->SetFocus();
    topSizer->Add(okButton, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 10);

    // The dialog may grow (the report area takes the room) but not shrink below its fit.
    SetAutoLayout(true);
    SetSizer(topSizer);
    topSizer->SetSizeHints(this);

    Centre();  // on the parent, or on the screen when there is none
}

void orlLogDialog::AddText(const wxString& text, bool lineFeedFirst) {
    if (lineFeedFirst && report->GetLastPosition() > 0) {
        report->AppendText("\n");
    }
    report->AppendText(text);
}

int orlLogDialog::ShowModal() {
    // Show the report from its first line, with nothing selected.
    report->SetFocus();
    report->SetSelection(0, 0);
    report->SetInsertionPoint(0);
    report->ShowPosition(0);

    okButton->SetFocus();
    orlBell();
    return wxDialog::ShowModal();
}
