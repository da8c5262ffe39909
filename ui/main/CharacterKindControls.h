// The length slider and the character-kind boxes with the symbol-string combo box, as the
// standard page and the combination item dialog both show them. Not a window itself: the
// controls are children of the window that creates them, which places the two group sizers
// and binds the events of the slider and the "Symbol" box to its own handlers.
#pragma once

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "engine/UseChar.h"

class CharacterKindControls {
  public:
    // Creates the controls as children of `parent`: the "Length" group (the number and the
    // slider, 1 to 20) and the "Use Character" group (the four kind boxes, the symbol combo
    // box, a separator line and "Use all character kind").
    CharacterKindControls(wxWindow* parent, wxWindowID sliderId, wxWindowID symbolCheckId);

    // The two groups, for the owner to place in its own sizer.
    wxStaticBoxSizer* GetLengthSizer() const { return lengthSizer; }
    wxStaticBoxSizer* GetKindSizer() const { return kindSizer; }

    // The number beside the slider.
    void ShowLength(int length) { lengthLabel->SetLabel(wxString::Format("%d", length)); }

    // Moves the length, the kinds and the symbol string of the record into the controls.
    void TransferToWindow(const UseChar& use);
    // Reports a missing kind (in the owner's words) or an unusable symbol text in an error
    // box, with the focus on the control to correct. The symbol text in use is replaced by its
    // filtered form.
    bool Validate(wxWindow* messageParent, const wxString& noKindMessage);
    // Moves the controls into the length, kind and symbol fields of the record and records a
    // usable symbol text at the front of the history; the other fields are left as they are.
    void TransferFromWindow(UseChar& use);
    // Copies the controls into the length, kind and symbol fields of the record as a password
    // would be made from them, touching neither the controls nor the history: the symbol string
    // is the box's text filtered. False, with the record partly filled, when Validate would
    // refuse the controls (no kind chosen, or the symbol box ticked with nothing usable typed).
    bool ReadInto(UseChar& use) const;

    // Refills the symbol list from the current history, keeping the typed text.
    void RefreshSymbolList();

    // Enables or disables every control of the two groups; the symbol combo box is enabled
    // only while "Symbol" is ticked as well.
    void Enable(bool enable);

  private:
    static constexpr int kMinLength = 1;
    static constexpr int kMaxLength = 20;

    static wxCheckBox* NewCheck(wxWindow* parent, const wxString& label, wxWindowID id = wxID_ANY) {
        return new wxCheckBox(parent, id, label, wxDefaultPosition, wxDefaultSize, 0,
                              wxDefaultValidator, "check");
    }

    wxStaticBox* lengthBox = nullptr;
    wxStaticBoxSizer* lengthSizer = nullptr;
    wxStaticText* lengthLabel = nullptr;
    wxSlider* lengthSlider = nullptr;
    wxStaticBox* kindBox = nullptr;
    wxStaticBoxSizer* kindSizer = nullptr;
    wxCheckBox* upperCheck = nullptr;
    wxCheckBox* lowerCheck = nullptr;
    wxCheckBox* digitCheck = nullptr;
    wxCheckBox* symbolCheck = nullptr;
    wxComboBox* symbolCombo = nullptr;
    wxCheckBox* useAllKindCheck = nullptr;
};
