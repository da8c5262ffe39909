#include "ui/main/StandardPage.h"

#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/statline.h>

#include <algorithm>

#include "engine/SymbolStrings.h"
#include "framework/dialogs/orlShowError.h"
#include "settings/MainConfig.h"
#include "ui/main/SymbolCombo.h"

namespace {

constexpr int kMinLength = 1;
constexpr int kMaxLength = 20;

wxCheckBox* NewCheck(wxWindow* parent, const wxString& label, wxWindowID id = wxID_ANY) {
    return new wxCheckBox(parent, id, label, wxDefaultPosition, wxDefaultSize, 0,
                          wxDefaultValidator, "check");
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(StandardPage, wxPanel)
    EVT_COMMAND_SCROLL(StandardPage::kLengthSliderId, StandardPage::OnLengthScroll)
    EVT_CHECKBOX(StandardPage::kSymbolCheckId, StandardPage::OnSymbolCheck)
wxEND_EVENT_TABLE()
    // clang-format on

    StandardPage::StandardPage(wxWindow* parent)
    : wxPanel(parent, kPageId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              "panel") {
    auto* pageSizer = new wxBoxSizer(wxVERTICAL);

    // The length: the number beside the slider is as wide and high as the widest number.
    auto* lengthBox = new wxStaticBox(this, wxID_ANY, _("Length"), wxDefaultPosition, wxDefaultSize,
                                      0, "groupBox");
    auto* lengthSizer = new wxStaticBoxSizer(lengthBox, wxHORIZONTAL);
    wxSize numberSize;
    for (int n = kMinLength; n <= kMaxLength; ++n) {
        const wxSize extent = GetTextExtent(wxString::Format("%d", n));
        numberSize.x = std::max(numberSize.x, extent.x);
        numberSize.y = std::max(numberSize.y, extent.y);
    }
    lengthLabel = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition, numberSize,
                                   wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE, "staticText");
    lengthSizer->Add(lengthLabel, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 7);
    lengthSlider =
        new wxSlider(this, kLengthSliderId, kMinLength, kMinLength, kMaxLength, wxDefaultPosition,
                     wxDefaultSize, wxSL_HORIZONTAL, wxDefaultValidator, "slider");
    lengthSizer->Add(lengthSlider, 1, wxRIGHT, 5);
    pageSizer->Add(lengthSizer, 0, wxEXPAND | wxALL, 5);

    // The character kinds.
    auto* kindBox = new wxStaticBox(this, wxID_ANY, _("Use Character"), wxDefaultPosition,
                                    wxDefaultSize, 0, "groupBox");
    auto* kindSizer = new wxStaticBoxSizer(kindBox, wxVERTICAL);

    auto* letterRow = new wxBoxSizer(wxHORIZONTAL);
    upperCheck = NewCheck(this, _("A-Z"));
    lowerCheck = NewCheck(this, _("a-z"));
    digitCheck = NewCheck(this, _("0-9"));
    letterRow->Add(upperCheck, 0, wxALIGN_CENTER_VERTICAL);
    letterRow->Add(lowerCheck, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    letterRow->Add(digitCheck, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    kindSizer->Add(letterRow, 0, wxALL, 5);

    auto* symbolRow = new wxBoxSizer(wxHORIZONTAL);
    symbolCheck = NewCheck(this, _("Symbol"), kSymbolCheckId);
    symbolCombo = CreateSymbolCombo(this, wxID_ANY);
    symbolRow->Add(symbolCheck, 0, wxALIGN_CENTER_VERTICAL);
    symbolRow->Add(symbolCombo, 1, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    kindSizer->Add(symbolRow, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);

    kindSizer->Add(new wxStaticLine(this, wxID_STATIC, wxDefaultPosition, wxDefaultSize,
                                    wxLI_HORIZONTAL, "staticLine"),
                   0, wxEXPAND | wxTOP | wxBOTTOM, 5);

    useAllKindCheck = NewCheck(this, _("Use all character kind"));
    kindSizer->Add(useAllKindCheck, 0, wxLEFT | wxRIGHT | wxBOTTOM, 5);
    pageSizer->Add(kindSizer, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);

    SetAutoLayout(true);
    SetSizer(pageSizer);
    constructed = true;
}

bool StandardPage::TransferDataToWindow() {
    const UseChar& use = MainConfig::Get().StandardUseChar;
    ShowLength(static_cast<int>(use.Length));
    lengthSlider->SetValue(static_cast<int>(use.Length));
    upperCheck->SetValue(use.AlphabetUpper);
    lowerCheck->SetValue(use.AlphabetLower);
    digitCheck->SetValue(use.Numeric);
    symbolCheck->SetValue(use.Symbol);
    FillSymbolCombo(symbolCombo, use.SymbolString);
    symbolCombo->Enable(use.Symbol);
    useAllKindCheck->SetValue(use.UseAllKind);
    return true;
}

bool StandardPage::Validate() {
    if (!upperCheck->GetValue() && !lowerCheck->GetValue() && !digitCheck->GetValue() &&
        !symbolCheck->GetValue()) {
        orlShowError(wxGetTopLevelParent(this), _("The use character is not specified"));
        upperCheck->SetFocus();
        return false;
    }
    if (symbolCheck->GetValue()) {
        const wxString symbols = FilterCharacters(symbolCombo->GetValue());
        symbolCombo->SetValue(symbols);
        if (symbols.empty()) {
            orlShowError(wxGetTopLevelParent(this), _("The symbol string is not input"));
            symbolCombo->SetFocus();
            symbolCombo->SelectAll();
            return false;
        }
    }
    return true;
}

bool StandardPage::TransferDataFromWindow() {
    MainConfig& config = MainConfig::Get();
    UseChar& use = config.StandardUseChar;
    use.Length = static_cast<std::uint32_t>(lengthSlider->GetValue());
    use.AlphabetUpper = upperCheck->GetValue();
    use.AlphabetLower = lowerCheck->GetValue();
    use.Numeric = digitCheck->GetValue();
    use.Symbol = symbolCheck->GetValue();
    use.UseAllKind = useAllKindCheck->GetValue();

    const wxString symbols = FilterCharacters(symbolCombo->GetValue());
    if (!symbols.empty()) {
        use.SymbolString = symbols;
        symbolCombo->Freeze();
        FillSymbolCombo(symbolCombo, symbols);
        symbolCombo->Thaw();
        config.AddSymbolHistory(symbols);
    }
    return true;
}

void StandardPage::RefreshSymbolList() {
    if (!constructed) {
        return;
    }
    FillSymbolCombo(symbolCombo, symbolCombo->GetValue());
}

void StandardPage::OnLengthScroll(wxScrollEvent& event) {
    ShowLength(event.GetPosition());
}

void StandardPage::OnSymbolCheck(wxCommandEvent&) {
    symbolCombo->Enable(symbolCheck->GetValue());
}

void StandardPage::ShowLength(int length) {
    lengthLabel->SetLabel(wxString::Format("%d", length));
}
