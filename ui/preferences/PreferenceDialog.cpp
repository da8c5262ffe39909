#include "ui/preferences/PreferenceDialog.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statline.h>

#include <algorithm>

#include "framework/dialogs/orlAskQuestion.h"
#include "framework/dialogs/orlShowError.h"
#include "framework/window/orlAfterNextFrame.h"
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
        PreferencePage* page = PreferencePage::Create(book, kind);
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
    // The book is as large as its largest page.
    FitToSizer();
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

bool PreferenceDialog::Show(bool show) {
    const bool changed = orlDialogBase::Show(show);
    if (show && changed && !stylingPages && !stylesMeasured) {
        // The chosen page is styled now that the dialog is shown.
        FitToNeeds();

        // The toolkit styles a page's controls only when it draws them, so until then every
        // page measured smaller than it is on screen, and the dialog was fitted to that. Every
        // page is drawn once, under the chosen one, and the dialog is fitted to the largest.
        // Each page is given twice its room meanwhile, so that no control is squeezed below
        // the size it turns out to need.
        stylingPages = true;
        PreferencePage* current = GetCurrentPage();
        for (size_t i = 0; i < book->GetPageCount(); ++i) {
            wxWindow* page = book->GetPage(i);
            if (page != current) {
                page->SetSize(page->GetSize() * 2);
                page->Show();
            }
        }
        if (current != nullptr) {
            current->Raise();
        }
        orlAfterNextFrame(this, [this] { FitToStyledPages(); });
    }
    return changed;
}

void PreferenceDialog::FitToStyledPages() {
    stylingPages = false;
    stylesMeasured = true;
    const PreferencePage* current = GetCurrentPage();
    for (size_t i = 0; i < book->GetPageCount(); ++i) {
        PreferencePage* page = GetPreferencePage(i);
        if (page != current) {
            page->Hide();
            if (current != nullptr) {
                page->SetSize(current->GetRect());
            }
        }
    }
    FitToNeeds();
}

void PreferenceDialog::FitToNeeds() {
    const wxSize needed = GetSizer()->ComputeFittingClientSize(this);
    const wxSize fitted = GetFittedClientSize();
    const wxSize growth(std::max(needed.x - fitted.x, 0), std::max(needed.y - fitted.y, 0));
    if (growth != wxSize(0, 0)) {
        GrowFittedSize(growth);
    }
}

void PreferenceDialog::OnIdle(wxIdleEvent& event) {
    event.Skip();
    // A page whose controls come to need more room (a larger font chosen) enlarges the dialog,
    // and the dialog can no longer be made smaller than that.
    if (IsShown() && !stylingPages) {
        FitToNeeds();
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
