// The "Strength Check" page: the level of the simple-password check and the hand test of
// typed candidates against it.
#pragma once

#include <wx/arrstr.h>

#include "ui/preferences/PreferencePage.h"

class wxRadioButton;
class wxTextCtrl;

class StrengthCheckPage : public PreferencePage {
  public:
    static constexpr wxWindowID kTestId = 2204;

    explicit StrengthCheckPage(wxWindow* parent);

    bool LoadValues(const MainConfig& settings) override;
    bool SaveValues(MainConfig& settings) override;

  private:
    // The lines of the test text worth testing. The text, as typed, becomes the live
    // settings' test text at once, so that it outlives a cancelled dialog.
    void ReadTestLines(wxArrayString& lines);

    void OnTest(wxCommandEvent& event);

    wxRadioButton* standardRadio = nullptr;
    wxRadioButton* highRadio = nullptr;
    wxTextCtrl* testText = nullptr;

    wxDECLARE_EVENT_TABLE();
};
