// The editable combo box for a symbol string, shared by the standard page and the combination
// item dialog: its list offers the symbol-string history and the default symbol string.
#pragma once

#include <wx/combobox.h>
#include <wx/string.h>
#include <wx/window.h>

// A new editable combo box (window name "comboBox", empty text) in the shared text font, whose
// list holds the default symbol string; it asks for the width of that string whatever it
// comes to hold.
wxComboBox* CreateSymbolCombo(wxWindow* parent, wxWindowID id);

// Refills the list with the main settings' symbol-string history as it would be with `text`
// recorded at its front, then the default symbol string; the text becomes `text` with its
// unusable and repeated characters dropped. The stored history stays as it is.
void FillSymbolCombo(wxComboBox* combo, const wxString& text);
