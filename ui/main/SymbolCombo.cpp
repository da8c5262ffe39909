#include "ui/main/SymbolCombo.h"

#include "engine/SymbolStrings.h"
#include "framework/orlFonts.h"
#include "settings/MainConfig.h"

wxComboBox* CreateSymbolCombo(wxWindow* parent, wxWindowID id) {
    const wxString choices[] = {GetDefaultSymbolString()};
    auto* combo = new wxComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 WXSIZEOF(choices), choices, 0, wxDefaultValidator, "comboBox");
    combo->SetFont(orlGetTextFont());
    // It asks for the width the default string needs, whatever the history holds: the toolkit
    // would ask for its longest string, which can be a hundred characters and would widen the
    // window with it. Longer strings scroll inside the box; a wider window still stretches it.
    combo->SetMinSize(wxSize(combo->GetBestSize().x, -1));
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
