#include "ui/main/CharacterKindControls.h"

#include <wx/intl.h>
#include <wx/statline.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "engine/SymbolStrings.h"
#include "framework/dialogs/orlShowError.h"
#include "settings/MainConfig.h"
#include "ui/main/SymbolCombo.h"

CharacterKindControls::CharacterKindControls(wxWindow* parent, wxWindowID sliderId,
                                             wxWindowID symbolCheckId) {
    // The number beside the slider is as wide and as high as the widest and highest number.
    wxSize numberSize;
    for (int n = kMinLength; n <= kMaxLength; ++n) {
        const wxSize extent = parent->GetTextExtent(wxString::Format("%d", n));
        numberSize.x = std::max(numberSize.x, extent.x);
        numberSize.y = std::max(numberSize.y, extent.y);
    }
    lengthBox = new wxStaticBox(parent, wxID_ANY, _("Length"), wxDefaultPosition, wxDefaultSize, 0,
                                "groupBox");
    lengthSizer = new wxStaticBoxSizer(lengthBox, wxHORIZONTAL);
    lengthLabel = new wxStaticText(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, numberSize,
                                   wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE, "staticText");
    lengthSizer->Add(lengthLabel, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 7);
    lengthSlider =
        new wxSlider(parent, sliderId, kMinLength, kMinLength, kMaxLength, wxDefaultPosition,
                     wxDefaultSize, wxSL_HORIZONTAL, wxDefaultValidator, "slider");
    lengthSizer->Add(lengthSlider, 1, wxRIGHT, 5);

    kindBox = new wxStaticBox(parent, wxID_ANY, _("Use Character"), wxDefaultPosition,
                              wxDefaultSize, 0, "groupBox");
    kindSizer = new wxStaticBoxSizer(kindBox, wxVERTICAL);

    auto* letterRow = new wxBoxSizer(wxHORIZONTAL);
    upperCheck = NewCheck(parent, _("A-Z"));
    lowerCheck = NewCheck(parent, _("a-z"));
    digitCheck = NewCheck(parent, _("0-9"));
    letterRow->Add(upperCheck, 0, wxALIGN_CENTER_VERTICAL);
    letterRow->Add(lowerCheck, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    letterRow->Add(digitCheck, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    kindSizer->Add(letterRow, 0, wxALL, 5);

    auto* symbolRow = new wxBoxSizer(wxHORIZONTAL);
    symbolCheck = NewCheck(parent, _("Symbol"), symbolCheckId);
    symbolCombo = CreateSymbolCombo(parent, wxID_ANY);
    symbolRow->Add(symbolCheck, 0, wxALIGN_CENTER_VERTICAL);
    symbolRow->Add(symbolCombo, 1, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    kindSizer->Add(symbolRow, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);

    kindSizer->Add(new wxStaticLine(parent, wxID_STATIC, wxDefaultPosition, wxDefaultSize,
                                    wxLI_HORIZONTAL, "staticLine"),
                   0, wxEXPAND | wxTOP | wxBOTTOM, 5);

    useAllKindCheck = NewCheck(parent, _("Use all character kind"));
    kindSizer->Add(useAllKindCheck, 0, wxLEFT | wxRIGHT | wxBOTTOM, 5);
}

void CharacterKindControls::TransferToWindow(const UseChar& use) {
    ShowLength(static_cast<int>(use.Length));
    lengthSlider->SetValue(static_cast<int>(use.Length));
    upperCheck->SetValue(use.AlphabetUpper);
    lowerCheck->SetValue(use.AlphabetLower);
    digitCheck->SetValue(use.Numeric);
    symbolCheck->SetValue(use.Symbol);
    FillSymbolCombo(symbolCombo, use.SymbolString);
    useAllKindCheck->SetValue(use.UseAllKind);
}

bool CharacterKindControls::Validate(wxWindow* messageParent, const wxString& noKindMessage) {
    if (!upperCheck->GetValue() && !lowerCheck->GetValue() && !digitCheck->GetValue() &&
        !symbolCheck->GetValue()) {
        orlShowError(messageParent, noKindMessage);
        upperCheck->SetFocus();
        return false;
    }
    if (symbolCheck->GetValue()) {
        const wxString symbols = FilterCharacters(symbolCombo->GetValue());
        symbolCombo->SetValue(symbols);
        if (symbols.empty()) {
            orlShowError(messageParent, _("The symbol string is not input"));
            symbolCombo->SetFocus();
            symbolCombo->SelectAll();
            return false;
        }
    }
    return true;
}

void CharacterKindControls::TransferFromWindow(UseChar& use) {
    // An erased or unusable symbol text keeps the stored string.
    const wxString stored = use.SymbolString;
    ReadInto(use);  // what Validate refused is taken as it stands
    if (use.SymbolString.empty()) {
        use.SymbolString = stored;
        return;
    }
    symbolCombo->Freeze();
    FillSymbolCombo(symbolCombo, use.SymbolString);
    symbolCombo->Thaw();
    MainConfig::Get().AddSymbolHistory(use.SymbolString);
}

bool CharacterKindControls::ReadInto(UseChar& use) const {
    use.Length = static_cast<std::uint32_t>(lengthSlider->GetValue());
    use.AlphabetUpper = upperCheck->GetValue();
    use.AlphabetLower = lowerCheck->GetValue();
    use.Numeric = digitCheck->GetValue();
    use.Symbol = symbolCheck->GetValue();
    use.UseAllKind = useAllKindCheck->GetValue();
    use.SymbolString = FilterCharacters(symbolCombo->GetValue());
    return use.GetKindCount() > 0 && !(use.Symbol && use.SymbolString.empty());
}

void CharacterKindControls::RefreshSymbolList() {
    FillSymbolCombo(symbolCombo, symbolCombo->GetValue());
}

void CharacterKindControls::Enable(bool enable) {
    for (wxWindow* control :
         std::initializer_list<wxWindow*>{lengthBox, lengthLabel, lengthSlider, kindBox, upperCheck,
                                          lowerCheck, digitCheck, symbolCheck, useAllKindCheck}) {
        control->Enable(enable);
    }
    symbolCombo->Enable(enable && symbolCheck->GetValue());
}
