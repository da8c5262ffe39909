// The one top-level window: the two pages on which the user says what a password is made of,
// the buttons that act on them, and the result area that shows one password (single mode) or
// a batch (plural mode). It hands the work to the generator and keeps the window's own
// settings (selected page, mode, masking, the simple-password check, its position).
#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>

#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "framework/window/orlSecretClipboard.h"
#include "ui/main/CombinationPage.h"
#include "ui/main/HelpViewer.h"
#include "ui/main/PasswordText.h"
#include "ui/main/StandardPage.h"

class MainFrame : public wxFrame {
  public:
    static constexpr wxWindowID kFrameId = 2000;
    static constexpr wxWindowID kCopyId = 2001;
    static constexpr wxWindowID kNonShowId = 2002;
    static constexpr wxWindowID kCreateId = 2003;
    static constexpr wxWindowID kModeId = 2004;
    static constexpr wxWindowID kPreferencesId = 2005;
    static constexpr wxWindowID kNotebookId = 2006;
    static constexpr wxWindowID kDeterSimpleId = 2007;
    static constexpr wxWindowID kStrengthId = 2008;

    // Builds the whole window at the position (the stored one, or the toolkit's default when
    // another copy of the program runs). The dictionary must outlive the window.
    explicit MainFrame(const wxPoint& position,
                       const Dictionary& givenDictionary = Dictionary::Get());

    // Fits the window to its content the first time it is shown.
    bool Show(bool show = true) override;

    // Asks the selected page to check its controls.
    bool Validate() override;
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    // Makes the mode-dependent part of the window again (after a mode switch or new
    // preferences) and fits the window to it; the shown result is dropped.
    void Rebuild();

    // What writes the settings after the preferences were accepted (reporting a failure over
    // the window it is given); without one the settings are not written then.
    void SetSettingsSaver(std::function<bool(wxWindow*)> saver);

    // The first character of the password, then one "*" for each further character.
    wxString GetMaskedPassword() const;
    // True in plural mode with a batch shown.
    bool HasResults() const;

  private:
    void BuildControls();
    void BuildResultPanel();
    void UpdateModePicture();
    void UpdateModeButton();
    void FitToContent();
    // After the first drawing: fits the window again when its content then needs another size,
    // and shows the first strength figure.
    void OnFirstPaint(wxPaintEvent& event);
    void ForgetPassword();
    void MakeOne(PasswordGenerator& generator);
    void MakeBatch(PasswordGenerator& generator);
    // Has the strength line worked out again once the events now waiting are handled, so that
    // a burst of changes costs one evaluation, and not before the window is first drawn.
    void ScheduleStrength();
    // Shows how strong the passwords that Create would make now are, from the controls as they
    // stand (the selected page, its values, the simple-password box) and the stored settings.
    void UpdateStrength();

    void OnCreate(wxCommandEvent& event);
    void OnSwitchMode(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnUpdateCopyButton(wxUpdateUIEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnUpdateSaveButton(wxUpdateUIEvent& event);
    void OnExitButton(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnPreferences(wxCommandEvent& event);
    void OnCopySelection(wxCommandEvent& event);
    void OnUpdateCopySelection(wxUpdateUIEvent& event);
    void OnNonShow(wxCommandEvent& event);
    void OnDeterSimple(wxCommandEvent& event);
    void OnNotebookPageChanged(wxBookCtrlEvent& event);
    void OnRecipeChanged(wxCommandEvent& event);
    // Copies the single password, or the part of it from `from` to `to` (-1, -1: the whole),
    // through the hidden control that holds it, or as a secret.
    void CopyHiddenPassword(long from, long to);
    // Copies the shown text, all of it or the selection.
    void CopyShownText(bool all);
    // Whether copies go on the clipboard as secrets to be cleared, as the settings ask.
    static bool CopiesAreSecret();
    void OnCloseWindow(wxCloseEvent& event);
    void OnSizeWindow(wxSizeEvent& event);
    void OnMoveWindow(wxMoveEvent& event);

    const Dictionary& dictionary;
    wxString password;  // the last single password, unmasked
    bool ready = false;
    bool shownOnce = false;
    bool drawn = false;  // the window has been drawn once
    wxPanel* outerPanel = nullptr;
    wxBoxSizer* outerSizer = nullptr;
    wxStaticBitmap* modePicture = nullptr;
    wxPanel* resultPanel = nullptr;
    PasswordText* passwordText = nullptr;
    wxTextCtrl* clipboardText = nullptr;  // hidden; holds the real password for copying
    wxCheckBox* nonShowCheck = nullptr;   // single mode only
    wxButton* createButton = nullptr;
    wxButton* modeButton = nullptr;
    StandardPage* standardPage = nullptr;
    CombinationPage* combinationPage = nullptr;
    wxNotebook* notebook = nullptr;
    wxCheckBox* deterSimpleCheck = nullptr;
    wxStaticText* strengthLabel = nullptr;
    bool strengthPending = false;
    std::function<bool(wxWindow*)> saveSettings;
    HelpViewer helpViewer;               // closes the help window with the main window
    orlSecretClipboard secretClipboard;  // the copies made when the clipboard is to forget

    wxDECLARE_EVENT_TABLE();
};
