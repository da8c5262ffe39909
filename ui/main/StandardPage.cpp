#include "ui/main/StandardPage.h"

#include <wx/intl.h>
#include <wx/sizer.h>

#include "settings/MainConfig.h"
#include "ui/main/RecipeChange.h"

StandardPage::StandardPage(wxWindow* parent)
    : wxPanel(parent, kPageId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              "panel") {
    auto* pageSizer = new wxBoxSizer(wxVERTICAL);
    kinds = std::make_unique<CharacterKindControls>(this, kLengthSliderId, kSymbolCheckId);
    pageSizer->Add(kinds->GetLengthSizer(), 0, wxEXPAND | wxALL, 5);
    pageSizer->Add(kinds->GetKindSizer(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);

    SetAutoLayout(true);
    SetSizer(pageSizer);
    // The slider, the boxes and the symbol text, changed by the user or by the program.
    for (const auto& type : {wxEVT_SLIDER, wxEVT_CHECKBOX, wxEVT_TEXT, wxEVT_COMBOBOX}) {
        Bind(type, &StandardPage::OnControlChanged, this);
    }
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

std::optional<UseChar> StandardPage::GetShownUseChar() const {
    UseChar use = MainConfig::Get().StandardUseChar;
    if (!kinds->ReadInto(use)) {
        return std::nullopt;
    }
    return use;
}

void StandardPage::RefreshSymbolList() {
    if (constructed) {
        kinds->RefreshSymbolList();
    }
}

void StandardPage::OnLengthScroll(wxScrollEvent& event) {
    kinds->ShowLength(event.GetPosition());
}

void StandardPage::OnControlChanged(wxCommandEvent& event) {
    event.Skip();  // the page's own handlers still see it
    if (constructed) {
        NotifyRecipeChanged(this);
    }
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
