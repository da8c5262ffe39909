// The "Font" page: the fonts of the one-password text, the plural password text and the
// combination list, each chosen in the toolkit's font dialog.
#pragma once

#include <wx/font.h>

#include "ui/preferences/PreferencePage.h"

class wxButton;
class wxTextCtrl;

class FontPage : public PreferencePage {
  public:
    static constexpr wxWindowID kOnePasswordFontId = 2201;
    static constexpr wxWindowID kPluralPasswordFontId = 2202;
    static constexpr wxWindowID kCombinationListFontId = 2203;

    explicit FontPage(wxWindow* parent);

    bool LoadValues(const MainConfig& settings) override;
    bool CheckValues(wxString& message) override;
    bool SaveValues(MainConfig& settings) override;

  private:
    // "face  size" of a usable font, else nothing.
    static void ShowFontDescription(const wxFont& font, wxTextCtrl* field);

    void OnChooseFont(wxCommandEvent& event);

    // The fonts chosen so far, which reach the settings only when the dialog is accepted.
    wxFont onePasswordFont;
    wxButton* onePasswordButton = nullptr;
    wxTextCtrl* onePasswordField = nullptr;
    wxFont pluralFont;
    wxButton* pluralButton = nullptr;
    wxTextCtrl* pluralField = nullptr;
    wxFont combinationFont;
    wxButton* combinationButton = nullptr;
    wxTextCtrl* combinationField = nullptr;

    wxDECLARE_EVENT_TABLE();
};
