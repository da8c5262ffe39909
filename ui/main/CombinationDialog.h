// The dialog in which the user edits one item of the combination list: a run of random
// characters of chosen kinds, a fixed text, or one dictionary word of a length range. It
// writes into the item only when the user confirms valid input, keeps the symbol-string and
// fixed-string histories of the main settings, and remembers its position and width.
#pragma once

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <memory>

#include "engine/Dictionary.h"
#include "engine/UseChar.h"
#include "framework/window/orlDialogBase.h"
#include "ui/main/CharacterKindControls.h"

class CombinationDialog : public orlDialogBase {
  public:
    static constexpr wxWindowID kDialogId = 2100;
    static constexpr wxWindowID kVariableRadioId = 2101;
    static constexpr wxWindowID kFixedRadioId = 2102;
    static constexpr wxWindowID kSymbolCheckId = 2103;
    static constexpr wxWindowID kLengthSliderId = 2104;
    static constexpr wxWindowID kDictionaryRadioId = 2105;
    static constexpr wxWindowID kMinSpinId = 2106;
    static constexpr wxWindowID kMaxSpinId = 2107;

    // `item` belongs to the caller and must outlive the dialog; so must the dictionary, whose
    // word lengths and counts the dictionary controls show.
    CombinationDialog(UseChar* item, wxWindow* parent,
                      const Dictionary& dictionary = Dictionary::Get());
    ~CombinationDialog() override;

    bool TransferDataToWindow() override;
    // Reports the first fault in an error box, with the focus on the control to correct.
    bool Validate() override;
    bool TransferDataFromWindow() override;

  private:
    void OnModeChanged(wxCommandEvent& event);
    void OnLengthScroll(wxScrollEvent& event);
    void OnRangeChanged(wxCommandEvent& event);

    // Enables the controls of the selected kind of item and disables the others.
    void UpdateEnabling();
    // Shows how many dictionary words the two lengths offer (once the dialog is tracking).
    void UpdateWordCount();
    // Reports a spin control whose typed length lies outside its range.
    bool ValidateLength(wxSpinCtrl* spin);

    UseChar* item;
    const Dictionary& dictionary;

    wxRadioButton* variableRadio = nullptr;
    std::unique_ptr<CharacterKindControls> kinds;
    wxRadioButton* fixedRadio = nullptr;
    wxComboBox* fixedCombo = nullptr;
    wxRadioButton* dictionaryRadio = nullptr;
    wxStaticText* dictionaryLengthLabel = nullptr;
    wxSpinCtrl* minSpin = nullptr;
    wxSpinCtrl* maxSpin = nullptr;
    wxStaticText* wordCountLabel = nullptr;

    wxDECLARE_EVENT_TABLE();
};
