#include "framework/dialogs/orlMessageCommonDialog.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "framework/dialogs/orlBell.h"
#include "framework/dialogs/orlEndWithCancelOnClose.h"

wxIMPLEMENT_CLASS(orlMessageCommonDialog, wxDialog);

namespace {

struct ButtonKind {
    long styleBit;
    wxWindowID id;
    const char* label;
    int flags;
    int border;
};

// In the order the buttons stand, left to right.
const ButtonKind ButtonKinds[] = {
    {wxYES, wxID_YES, wxTRANSLATE("Yes"), wxALIGN_CENTER_VERTICAL, 0},
    {wxOK, wxID_OK, wxTRANSLATE("OK"), wxALIGN_CENTER_VERTICAL, 0},
    {wxNO, wxID_NO, wxTRANSLATE("No"), wxALIGN_CENTER_VERTICAL | wxLEFT, 10},
    {wxCANCEL, wxID_CANCEL, wxTRANSLATE("Cancel"), wxALIGN_CENTER_VERTICAL | wxLEFT, 10},
};

}  // namespace

orlMessageCommonDialog::orlMessageCommonDialog(wxWindow* parent, const wxString& caption,
                                               const wxString& message, const wxBitmap& picture,
                                               long style)
    : wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "dialog") {
    orlEndWithCancelOnClose(*this);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);

    auto* messageSizer = new wxBoxSizer(wxHORIZONTAL);
    messageSizer->Add(new wxStaticBitmap(this, wxID_ANY, picture, wxDefaultPosition, wxDefaultSize,
                                         0, "staticBitmap"),
                      0, wxALIGN_CENTER_VERTICAL, 0);
    messageSizer->Add(new wxStaticText(this, wxID_ANY, message, wxDefaultPosition, wxDefaultSize, 0,
                                       "staticText"),
                      0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    // (Vertical alignment means nothing in the vertical top sizer, and the toolkit rejects it.)
    topSizer->Add(messageSizer, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 10);

    auto* buttonSizer = new wxBoxSizer(wxHORIZONTAL);
    wxButton* first = nullptr;
    for (const ButtonKind& kind : ButtonKinds) {
        if ((style & kind.styleBit) == 0) {
            continue;
        }
        auto* button = new wxButton(this, kind.id, wxGetTranslation(kind.label), wxDefaultPosition,
                                    wxDefaultSize, 0, wxDefaultValidator, "button");
        buttonSizer->Add(button, 0, kind.flags, kind.border);
        if (first == nullptr) {
            first = button;
        }
    }
    if (first != nullptr) {
        first->SetDefault();
        first->SetFocus();
    }
    topSizer->Add(buttonSizer, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 10);

    SetAutoLayout(true);
    SetSizer(topSizer);
    topSizer->Fit(this);

    Centre();  // on the parent, or on the screen when there is none
    orlBell();
}

void orlMessageCommonDialog::OnYes(wxCommandEvent&) {
    EndDialog(wxID_YES);
}

void orlMessageCommonDialog::OnNo(wxCommandEvent&) {
    EndDialog(wxID_NO);
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(orlMessageCommonDialog, wxDialog)
    EVT_BUTTON(wxID_YES, orlMessageCommonDialog::OnYes)
    EVT_BUTTON(wxID_NO, orlMessageCommonDialog::OnNo)
wxEND_EVENT_TABLE()
