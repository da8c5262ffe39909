// The "Password" page: the characters counted as capital letters, small letters and digits,
// the plural creation, the bells and how long a copied password stays on the clipboard.
#pragma once

#include "ui/preferences/PreferencePage.h"

class wxCheckBox;
class wxSpinCtrl;
class wxTextCtrl;

class PasswordPage : public PreferencePage {
  public:
    // The number of passwords one plural creation may make.
    static constexpr int kMinCreateCount = 1;
    static constexpr int kMaxCreateCount = 1000;

    explicit PasswordPage(wxWindow* parent);

    bool LoadValues(const MainConfig& settings) override;
    bool CheckValues(wxString& message) override;
    bool SaveValues(MainConfig& settings) override;

  private:
    // The count typed into the spin control; false when it is not a whole number.
    bool GetTypedCount(long& count) const;
    // The seconds typed in, when they are a whole number of the allowed range.
    bool GetTypedSeconds(int& seconds) const;

    void OnClearClipboard(wxCommandEvent& event);

    wxTextCtrl* capitalText = nullptr;
    wxTextCtrl* smallText = nullptr;
    wxTextCtrl* numericText = nullptr;
    wxCheckBox* duplicationCheck = nullptr;
    wxSpinCtrl* countSpin = nullptr;
    wxCheckBox* createBellCheck = nullptr;
    wxCheckBox* copyBellCheck = nullptr;
    wxCheckBox* clearClipboardCheck = nullptr;
    wxSpinCtrl* clearSecondsSpin = nullptr;
};
