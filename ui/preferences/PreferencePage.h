// One page of the preferences dialog. The page's kind, fixed when it is made, decides which
// controls it holds and which settings it moves between them and a settings object: the
// character pools and batches, the strength check, the fonts, the dictionary (shown only) and
// the version (shown only).
#pragma once

#include <wx/arrstr.h>
#include <wx/font.h>
#include <wx/panel.h>
#include <wx/string.h>

#include "settings/MainConfig.h"

class wxButton;
class wxCheckBox;
class wxListCtrl;
class wxRadioButton;
class wxSizer;
class wxSpinCtrl;
class wxTextCtrl;

class PreferencePage : public wxPanel {
  public:
    enum Kind {
        PAGE_PASSWORD = 0,
        PAGE_STRENGTH_CHECK = 1,
        PAGE_FONT = 2,
        PAGE_DICTIONARY = 3,
        PAGE_VERSION = 4,
    };
    static constexpr int kPageCount = 5;

    static constexpr wxWindowID kPageId = 2700;
    static constexpr wxWindowID kOnePasswordFontId = 2201;
    static constexpr wxWindowID kPluralPasswordFontId = 2202;
    static constexpr wxWindowID kCombinationListFontId = 2203;
    static constexpr wxWindowID kTestId = 2204;
    static constexpr wxWindowID kFileListId = 2205;
    static constexpr wxWindowID kShowWordsId = 2206;

    // The number of passwords one plural creation may make.
    static constexpr int kMinCreateCount = 1;
    static constexpr int kMaxCreateCount = 1000;

    PreferencePage(wxWindow* parent, int kind);
    ~PreferencePage() override;

    // Fills the controls from the settings; always true.
    bool LoadValues(const MainConfig& settings);
    // False, with the text for the error box in `message` and the focus on the control to
    // correct, when a control holds a value the settings cannot take.
    bool CheckValues(wxString& message);
    // Writes the controls into the settings; always true.
    bool SaveValues(MainConfig& settings);

    int GetKind() const { return kind; }

    const int kind;
    wxString name;  // shown in the dialog's list of pages
    bool canReset;  // the dialog's Reset works on this page

  private:
    // The content of each kind, built into the page's inner sizer.
    void BuildPasswordPage(wxSizer* inner);
    void BuildStrengthCheckPage(wxSizer* inner);
    void BuildFontPage(wxSizer* inner);
    void BuildDictionaryPage(wxSizer* inner);
    void BuildVersionPage(wxSizer* inner);

    void LoadPasswordValues(const MainConfig& settings);
    bool CheckPasswordValues(wxString& message);
    void SavePasswordValues(MainConfig& settings) const;
    // The count typed into the spin control; false when it is not a whole number.
    bool GetTypedCount(long& count) const;

    void LoadStrengthCheckValues(const MainConfig& settings);
    void SaveStrengthCheckValues(MainConfig& settings) const;
    // The lines of the test text worth testing. The text, as typed, becomes the live
    // settings' test text at once, so that it outlives a cancelled dialog.
    void ReadTestLines(wxArrayString& lines);

    void LoadFontValues(const MainConfig& settings);
    bool CheckFontValues(wxString& message);
    void SaveFontValues(MainConfig& settings) const;
    // "face  size" of a usable font, else nothing.
    static void ShowFontDescription(const wxFont& font, wxTextCtrl* field);

    void LoadDictionaryValues(const MainConfig& settings);

    void OnChooseFont(wxCommandEvent& event);
    void OnTest(wxCommandEvent& event);
    void OnShowWords(wxCommandEvent& event);

    // Password.
    wxTextCtrl* capitalText = nullptr;
    wxTextCtrl* smallText = nullptr;
    wxTextCtrl* numericText = nullptr;
    wxCheckBox* duplicationCheck = nullptr;
    wxSpinCtrl* countSpin = nullptr;
    wxCheckBox* createBellCheck = nullptr;
    wxCheckBox* copyBellCheck = nullptr;
    // Strength Check.
    wxRadioButton* standardRadio = nullptr;
    wxRadioButton* highRadio = nullptr;
    wxTextCtrl* testText = nullptr;
    // Font: the fonts chosen so far, which reach the settings only when the dialog is accepted.
    wxFont onePasswordFont;
    wxButton* onePasswordButton = nullptr;
    wxTextCtrl* onePasswordField = nullptr;
    wxFont pluralFont;
    wxButton* pluralButton = nullptr;
    wxTextCtrl* pluralField = nullptr;
    wxFont combinationFont;
    wxButton* combinationButton = nullptr;
    wxTextCtrl* combinationField = nullptr;
    // Dictionary.
    wxTextCtrl* directoryField = nullptr;
    wxListCtrl* fileList = nullptr;

    wxDECLARE_EVENT_TABLE();
};
