#include "ui/preferences/PreferenceDialog.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statline.h>

#include <algorithm>

#include "framework/dialogs/orlAskQuestion.h"
#include "framework/dialogs/orlShowError.h"
#include "settings/MainConfig.h"
#include "ui/preferences/PreferencePage.h"

PreferenceDialog::PreferenceDialog(wxWindow* parent)
    : orlDialogBase(parent, kDialogId, _("Preferences"), true,
                    wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER, wxString()) {
    auto* dialogSizer = new wxBoxSizer(wxVERTICAL);

    book = new orlListBoxBook(this, kBookId, wxDefaultPosition, wxDefaultSize, wxBK_LEFT);
    // The page shown last, or the first page when the stored number names none; the stored
    // number stays as it is until the user changes page.
    const int stored = MainConfig::Get().PreferencePage;
    int remembered = PreferencePage::PAGE_PASSWORD;
    for (int kind = 0; kind < PreferencePage::kPageCount; ++kind) {
        auto* page = new PreferencePage(book, kind);
        book->AddPage(page, page->name, false);
        if (kind == stored) {
            remembered = kind;
        }
    }
    book->SetSelection(static_cast<size_t>(remembered));
    dialogSizer->Add(book, 1, wxEXPAND | wxALL, 10);

    dialogSizer->Add(new wxStaticLine(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                      wxLI_HORIZONTAL, "staticLine"),
                     0, wxEXPAND, 0);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    auto* okButton = new wxButton(this, wxID_OK, _("OK"));
    okButton->SetDefault();
    buttonRow->Add(okButton, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 10);
    buttonRow->AddStretchSpacer(1);
    buttonRow->Add(new wxButton(this, wxID_REVERT, _("Reset")), 0,
                   wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    buttonRow->Add(new wxButton(this, wxID_CANCEL, _("Cancel")), 0,
                   wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    dialogSizer->Add(buttonRow, 0, wxEXPAND | wxALL, 10);

    SetAutoLayout(true);
    SetSizer(dialogSizer);
    // Fits the dialog and makes the fitted size its minimum; the toolkit does both again once
    // it has styled the controls, when the dialog is first shown.
    dialogSizer->SetSizeHints(this);
    RestoreWindowInfo(this, wxDefaultSize);
    tracking = true;
}

PreferenceDialog::~PreferenceDialog() = default;

PreferencePage* PreferenceDialog::GetPreferencePage(size_t index) const {
    return static_cast<PreferencePage*>(book->GetPage(index));
}

PreferencePage* PreferenceDialog::GetCurrentPage() const {
    const int selection = book->GetSelection();
    return selection == wxNOT_FOUND ? nullptr : GetPreferencePage(static_cast<size_t>(selection));
}

bool PreferenceDialog::TransferDataToWindow() {
    const MainConfig& live = MainConfig::Get();
    bool loaded = true;
    for (size_t i = 0; i < book->GetPageCount(); ++i) {
        loaded = GetPreferencePage(i)->LoadValues(live) && loaded;
    }
    return loaded;
}

bool PreferenceDialog::Validate() {
    for (size_t i = 0; i < book->GetPageCount(); ++i) {
        wxString message;
        if (!GetPreferencePage(i)->CheckValues(message)) {
            book->SetSelection(i);
            orlShowError(this, message);
            return false;
        }
    }
    return true;
}

bool PreferenceDialog::TransferDataFromWindow() {
    MainConfig working;
    working.SetDefaults();
    working = MainConfig::Get();

    bool saved = true;
    for (size_t i = 0; i < book->GetPageCount(); ++i) {
        saved = GetPreferencePage(i)->SaveValues(working) && saved;
    }
    if (saved) {
        MainConfig::Get() = working;
    }
    return saved;
}

void PreferenceDialog::OnIdle(wxIdleEvent& event) {
    event.Skip();
    // A page's controls measure their true size only once the toolkit has styled them, which
    // it does when the page is first shown. A page that then needs more room than the dialog
    // was fitted to enlarges it, and the dialog can no longer be made smaller than that.
    if (!IsShown()) {
        return;
    }
    const wxSize needed = GetSizer()->ComputeFittingWindowSize(this);
    const wxSize minimum = GetMinSize();
    if (needed.x <= minimum.x && needed.y <= minimum.y) {
        return;
    }
    const wxSize grown(std::max(needed.x, minimum.x), std::max(needed.y, minimum.y));
    SetMinSize(grown);
    const wxSize size = GetSize();
    if (size.x < grown.x || size.y < grown.y) {
        SetSize(wxSize(std::max(size.x, grown.x), std::max(size.y, grown.y)));
    }
}

void PreferenceDialog::OnPageChanged(orlListBoxBookEvent& event) {
    // The page changes that building the dialog causes are not the user's choice.
    if (tracking) {
        MainConfig::Get().PreferencePage = event.GetSelection();
    }
    event.Skip();
}

void PreferenceDialog::OnUpdateReset(wxUpdateUIEvent& event) {
    const PreferencePage* page = GetCurrentPage();
    event.Enable(page != nullptr && page->canReset);
}

void PreferenceDialog::OnReset(wxCommandEvent&) {
    PreferencePage* page = GetCurrentPage();
    if (page == nullptr || !page->canReset) {
        return;
    }
    const wxString question =
        wxString::Format(_("Is \"%s\" setting returned to an initial value?"), page->name);
    if (orlAskQuestion(this, question, wxYES_NO) != wxID_YES) {
        return;
    }
    MainConfig defaults;
    defaults.SetDefaults();
    page->LoadValues(defaults);
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(PreferenceDialog, orlDialogBase)
    EVT_ORL_LISTBOXBOOK_PAGE_CHANGED(PreferenceDialog::kBookId, PreferenceDialog::OnPageChanged)
    EVT_BUTTON(wxID_REVERT, PreferenceDialog::OnReset)
    EVT_UPDATE_UI(wxID_REVERT, PreferenceDialog::OnUpdateReset)
    EVT_IDLE(PreferenceDialog::OnIdle)
wxEND_EVENT_TABLE()
