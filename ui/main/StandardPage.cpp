#include "ui/main/StandardPage.h"

#include <wx/intl.h>
#include <wx/sizer.h>

#include "settings/MainConfig.h"

StandardPage::StandardPage(wxWindow* parent)
    : wxPanel(parent, kPageId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              "panel") {
    auto* pageSizer = new wxBoxSizer(wxVERTICAL);
    kinds = std::make_unique<CharacterKindControls>(this, kLengthSliderId, kSymbolCheckId);
    pageSizer->Add(kinds->GetLengthSizer(), 0, wxEXPAND | wxALL, 5);
    pageSizer->Add(kinds->GetKindSizer(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);

    SetAutoLayout(true);
    SetSizer(pageSizer);
    constructed = true;
}

StandardPage::~StandardPage() = default;

bool StandardPage::TransferDataToWindow() {
    kinds->TransferToWindow(MainConfig::Get().StandardUseChar);
    kinds->Enable(true);
    return true;
}

bool StandardPage::Validate() {
    return kinds->Validate(wxGetTopLevelParent(this), _("The use character is not specified"));
}

bool StandardPage::TransferDataFromWindow() {
    kinds->TransferFromWindow(MainConfig::Get().StandardUseChar);
    return true;
}

void StandardPage::RefreshSymbolList() {
    if (constructed) {
        kinds->RefreshSymbolList();
    }
}

void StandardPage::OnLengthScroll(wxScrollEvent& event) {
    kinds->ShowLength(event.GetPosition());
}

void StandardPage::OnSymbolCheck(wxCommandEvent&) {
    kinds->Enable(true);
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(StandardPage, wxPanel)
    EVT_COMMAND_SCROLL(StandardPage::kLengthSliderId, StandardPage::OnLengthScroll)
    EVT_CHECKBOX(StandardPage::kSymbolCheckId, StandardPage::OnSymbolCheck)
wxEND_EVENT_TABLE()
