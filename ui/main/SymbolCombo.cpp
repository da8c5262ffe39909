#include "ui/main/SymbolCombo.h"

#include "engine/SymbolStrings.h"
#include "framework/orlFonts.h"
#include "settings/MainConfig.h"

wxComboBox* CreateSymbolCombo(wxWindow* parent, wxWindowID id) {
    const wxString choices[] = {GetDefaultSymbolString()};
    auto* combo = new wxComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 WXSIZEOF(choices), choices, 0, wxDefaultValidator, "comboBox");
    combo->SetFont(orlGetTextFont());
    return combo;
}

void FillSymbolCombo(wxComboBox* combo, const wxString& text) {
    wxArrayString history = MainConfig::Get().SymbolStrings;
    AddSymbolHistory(history, text, true);
    history.Add(GetDefaultSymbolString());

    combo->Clear();
    combo->Append(history);
    combo->SetValue(FilterCharacters(text));
}
