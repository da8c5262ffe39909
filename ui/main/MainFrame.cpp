#include "ui/main/MainFrame.h"

#include <wx/gbsizer.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include <optional>

#include "engine/PasswordGenerator.h"
#include "engine/RecipeEntropy.h"
#include "framework/config/orlSystemConfig.h"
#include "framework/dialogs/orlBell.h"
#include "framework/dialogs/orlSelectSaveFile.h"
#include "framework/dialogs/orlShowError.h"
#include "framework/orlHelpFile.h"
#include "framework/orlPrivateFile.h"
#include "framework/window/orlDisplayFit.h"
#include "framework/window/orlTabOrder.h"
#include "settings/MainConfig.h"
#include "ui/main/ApplicationIcon.h"
#include "ui/main/EnterPressesDefault.h"
#include "ui/main/ModePictures.h"
#include "ui/main/RecipeChange.h"
#include "ui/preferences/PreferenceDialog.h"

namespace {

// Every control under the window measures itself again the next time it is asked, and every
// panel takes the size its sizer then needs (the toolkit fixed it when the panel was fitted).
void MeasureAgain(wxWindow* window) {
    for (wxWindow* child : window->GetChildren()) {
        MeasureAgain(child);
    }
    window->InvalidateBestSize();
    if (wxSizer* sizer = window->GetSizer()) {
        window->SetMinSize(sizer->GetMinSize());
    }
}

// A position stored on a larger desktop, or on one that is gone, is brought onto this one.
wxPoint FittedToDesktop(wxPoint position) {
    orlFitPositionToDesktop(position);
    return position;
}

// The generator's complaints about the settings, shown in error boxes over the window.
class ErrorBoxReporter : public GenerationReporter {
  public:
    explicit ErrorBoxReporter(wxWindow* window) : parent(window) {}
    void ShowError(const wxString& message) override { orlShowError(parent, message); }

  private:
    wxWindow* parent;
};

wxButton* NewButton(wxWindow* parent, wxWindowID id, const wxString& label,
                    const wxString& tooltip) {
    auto* button = new wxButton(parent, id, label);
    button->SetToolTip(tooltip);
    return button;
}

// Puts the text into the control, selects the range and copies it with the control's own copy
// operation.
void CopyRange(wxTextCtrl* control, const wxString& text, long from, long to) {
    control->ChangeValue(text);
    control->SetSelection(from, to);
    if (control->CanCopy()) {
        control->Copy();
    }
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(MainFrame, wxFrame)
    EVT_BUTTON(MainFrame::kCreateId, MainFrame::OnCreate)
    EVT_BUTTON(MainFrame::kModeId, MainFrame::OnSwitchMode)
    EVT_BUTTON(MainFrame::kCopyId, MainFrame::OnCopy)
    EVT_UPDATE_UI(MainFrame::kCopyId, MainFrame::OnUpdateCopyButton)
    EVT_BUTTON(wxID_SAVEAS, MainFrame::OnSave)
    EVT_UPDATE_UI(wxID_SAVEAS, MainFrame::OnUpdateSaveButton)
    EVT_BUTTON(wxID_CLOSE, MainFrame::OnExitButton)
    EVT_BUTTON(wxID_HELP, MainFrame::OnHelp)
    EVT_BUTTON(MainFrame::kPreferencesId, MainFrame::OnPreferences)
    EVT_MENU(PasswordText::kCopySelectionId, MainFrame::OnCopySelection)
    EVT_UPDATE_UI(PasswordText::kCopySelectionId, MainFrame::OnUpdateCopySelection)
    EVT_PASSWORD_COPY_COMMAND(PasswordText::kPasswordCopyId, MainFrame::OnCopySelection)
    EVT_CHECKBOX(MainFrame::kNonShowId, MainFrame::OnNonShow)
    EVT_CHECKBOX(MainFrame::kDeterSimpleId, MainFrame::OnDeterSimple)
    EVT_NOTEBOOK_PAGE_CHANGED(MainFrame::kNotebookId, MainFrame::OnNotebookPageChanged)
    EVT_CLOSE(MainFrame::OnCloseWindow)
    EVT_MOVE(MainFrame::OnMoveWindow)
wxEND_EVENT_TABLE()
    // clang-format on

    MainFrame::MainFrame(const wxPoint& position, const Dictionary& givenDictionary)
    : wxFrame(nullptr, kFrameId, _("tessarin"), FittedToDesktop(position), wxDefaultSize,
              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX, "frame"),
      dictionary(givenDictionary) {
    Bind(EVT_RECIPE_CHANGED, &MainFrame::OnRecipeChanged, this);
    Bind(wxEVT_SIZE, &MainFrame::OnSizeWindow, this);
    BuildControls();
    TransferDataToWindow();
    createButton->SetFocus();
    ready = true;
}

void MainFrame::BuildControls() {
    const MainConfig& config = MainConfig::Get();
    auto* frameSizer = new wxBoxSizer(wxHORIZONTAL);
    outerPanel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             wxTAB_TRAVERSAL | wxNO_BORDER, "panel");
    frameSizer->Add(outerPanel, 1, wxEXPAND, 0);

    outerSizer = new wxBoxSizer(wxHORIZONTAL);
    modePicture = new wxStaticBitmap(outerPanel, wxID_STATIC, wxNullBitmap, wxDefaultPosition,
                                     wxDefaultSize, 0, "staticBitmap");
    UpdateModePicture();
    outerSizer->Add(modePicture, 0, wxALIGN_CENTER_VERTICAL | wxALL, 10);

    auto* column = new wxBoxSizer(wxVERTICAL);
    outerSizer->Add(column, 0, wxALIGN_CENTER_VERTICAL | wxTOP | wxBOTTOM | wxRIGHT, 10);

    resultPanel = new wxPanel(outerPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                              wxTAB_TRAVERSAL | wxNO_BORDER, "panel");
    BuildResultPanel();
    column->Add(resultPanel, 1, wxEXPAND | wxBOTTOM, 4);

    // The buttons: Create takes two rows on the left, the other four stand beside it.
    auto* grid = new wxGridBagSizer(4, 4);
    createButton = NewButton(outerPanel, kCreateId, _("Create"), _("Generate the password"));
    SetDefaultItem(createButton);
    PressDefaultButtonOnEnter(this);
    wxFont createFont = createButton->GetFont();
    createFont.SetPointSize(createFont.GetPointSize() * 3 / 2);
    if (createFont.IsOk()) {
        createButton->SetFont(createFont);
    }
    modeButton = NewButton(outerPanel, kModeId, wxEmptyString, wxEmptyString);
    UpdateModeButton();
    grid->Add(createButton, wxGBPosition(0, 0), wxGBSpan(2, 1), wxEXPAND, 0);
    grid->Add(modeButton, wxGBPosition(0, 1), wxDefaultSpan, wxEXPAND, 0);
    grid->Add(NewButton(outerPanel, kPreferencesId, _("Preferences"), _("Change the settings")),
              wxGBPosition(0, 2), wxDefaultSpan, wxEXPAND, 0);
    grid->Add(NewButton(outerPanel, wxID_HELP, _("Help"), _("Show the help")), wxGBPosition(1, 1),
              wxDefaultSpan, wxEXPAND, 0);
    grid->Add(NewButton(outerPanel, wxID_CLOSE, _("Exit"), _("Exit the program")),
              wxGBPosition(1, 2), wxDefaultSpan, wxEXPAND, 0);
    for (int col = 0; col < 3; ++col) {
        grid->AddGrowableCol(col, 1);
    }
    column->Add(grid, 0, wxEXPAND | wxBOTTOM, 8);

    notebook = new wxNotebook(outerPanel, kNotebookId, wxDefaultPosition, wxDefaultSize,
                              wxNB_FIXEDWIDTH | wxNB_NOPAGETHEME, "notebook");
    standardPage = new StandardPage(notebook);
    combinationPage = new CombinationPage(notebook);
    notebook->AddPage(standardPage, _(" Standard "), false);
    notebook->AddPage(combinationPage, _("Combination"), false);
    notebook->SetSelection(config.Standard ? 0 : 1);
    column->Add(notebook, 0, wxEXPAND | wxBOTTOM, 4);

    deterSimpleCheck =
        new wxCheckBox(outerPanel, kDeterSimpleId, _("Don't generate a simple password"),
                       wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator, "check");
    column->Add(deterSimpleCheck, 0, 0, 0);

    // One line that follows the window's width and never sets it: a text too long for it is
    // cut with an ellipsis.
    strengthLabel =
        new wxStaticText(outerPanel, kStrengthId, _("Strength:"), wxDefaultPosition, wxDefaultSize,
                         wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END, "staticText");
    strengthLabel->SetToolTip(
        _("The entropy of the passwords that Create makes with these settings: weak below 50 "
          "bits, fair below 80 bits, strong from 80 bits"));
    strengthLabel->SetMinSize(wxSize(0, strengthLabel->GetBestSize().y));
    column->Add(strengthLabel, 0, wxEXPAND | wxTOP, 4);

    outerPanel->SetSizerAndFit(outerSizer);
    SetSizerAndFit(frameSizer);
}

void MainFrame::UpdateModePicture() {
    modePicture->SetBitmap(CreateModePicture(MainConfig::Get().PluralCreate));
}

void MainFrame::UpdateModeButton() {
    if (MainConfig::Get().PluralCreate) {
        modeButton->SetLabel(_("Only One"));
        modeButton->SetToolTip(_("Switch to the single creation mode"));
    } else {
        modeButton->SetLabel(_("Plurality"));
        modeButton->SetToolTip(_("Switch to the plural creation mode"));
    }
}

void MainFrame::BuildResultPanel() {
    const MainConfig& config = MainConfig::Get();
    ForgetPassword();
    resultPanel->SetSizer(nullptr);
    resultPanel->DestroyChildren();
    passwordText = nullptr;
    clipboardText = nullptr;
    nonShowCheck = nullptr;

    // Never shown: it only hands the real password to the clipboard.
    clipboardText = new wxTextCtrl(resultPanel, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                   wxDefaultSize, 0, wxDefaultValidator, "text");
    clipboardText->Hide();

    auto* panelSizer = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    const bool plural = config.PluralCreate;
    if (plural) {
        passwordText =
            new PasswordText(resultPanel, wxTE_MULTILINE | wxTE_PROCESS_TAB | wxTE_DONTWRAP);
        if (config.PluralPasswordFont.IsOk()) {
            passwordText->SetFont(config.PluralPasswordFont);
        }
        const wxSize size(passwordText->GetSize().x, 200);
        passwordText->SetSize(size);
        passwordText->SetMinSize(size);
        row->Add(passwordText, 1, wxEXPAND, 0);
        auto* buttons = new wxBoxSizer(wxVERTICAL);
        buttons->Add(NewButton(resultPanel, kCopyId, _("Copy"),
                               _("Copy selected characters into the clipboard")),
                     0, wxEXPAND | wxBOTTOM, 4);
        buttons->Add(
            NewButton(resultPanel, wxID_SAVEAS, _("Save"), _("Save the password into the file")), 0,
            wxEXPAND, 0);
        row->Add(buttons, 0, wxLEFT, 4);
    } else {
        passwordText = new PasswordText(resultPanel, 0);
        if (config.OnePasswordFont.IsOk()) {
            passwordText->SetFont(config.OnePasswordFont);
        }
        // GTK measures a new field before its font reaches it, and measures it again with the
        // font later, after the window has been fitted, when the field would take the room of
        // the box below it. Its height comes from the font instead: the hidden field's, which
        // has the default font, less the default font's line, plus the line of its own font.
        passwordText->SetMinSize(wxSize(wxDefaultCoord, clipboardText->GetBestSize().y -
                                                            clipboardText->GetCharHeight() +
                                                            passwordText->GetCharHeight()));
        // Stretched to the row's height, which centres it beside the button.
        row->Add(passwordText, 1, wxEXPAND, 0);
        row->Add(
            NewButton(resultPanel, kCopyId, _("Copy"), _("Copy the password into the clipboard")),
            0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
    }
    panelSizer->Add(row, 0, wxEXPAND | wxBOTTOM, 4);

    if (!plural) {
        nonShowCheck = new wxCheckBox(
            resultPanel, kNonShowId, _("Don't show password, copy it onto the clipboard"),
            wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator, "check");
        panelSizer->Add(nonShowCheck, 0, wxBOTTOM, 4);
    }
    resultPanel->SetSizerAndFit(panelSizer);
}

void MainFrame::Rebuild() {
    Freeze();
    UpdateModePicture();
    BuildResultPanel();
    UpdateModeButton();
    if (nonShowCheck != nullptr) {
        nonShowCheck->SetValue(MainConfig::Get().NonShow);
    }
    if (shownOnce) {
        MeasureAgain(outerPanel);
    }
    FitToContent();
    Thaw();
    Refresh();
    Update();
}

bool MainFrame::Show(bool show) {
    const bool changed = wxFrame::Show(show);
    if (show && !shownOnce) {
        // GTK measures controls fully only once the window exists on the screen (the notebook's
        // tabs; check boxes, whose marks it makes a few pixels taller; the password field,
        // which measures taller when made before). The result area is made again and
        // everything else measured again now, before anything is drawn, and the panels take
        // the room their controls now need: GTK is never asked to draw a control smaller than
        // it can, and the first layout is the one every later rebuild makes.
        shownOnce = true;
        Rebuild();
        // On a busy machine GTK may not have measured everything yet; once the window is drawn
        // it has, and the window is fitted again if its content then needs another size.
        outerPanel->Bind(wxEVT_PAINT, &MainFrame::OnFirstPaint, this);
        // The icons are drawn once the window is up: the window manager takes them when they
        // come, and the window appears a few milliseconds sooner.
        CallAfter([this] { SetIcons(CreateApplicationIcons()); });
    }
    if (show) {
        orlApplyTabOrder(this);
    }
    return changed;
}

void MainFrame::OnFirstPaint(wxPaintEvent& event) {
    event.Skip();
    outerPanel->Unbind(wxEVT_PAINT, &MainFrame::OnFirstPaint, this);
    CallAfter([this] {
        MeasureAgain(outerPanel);
        if (outerSizer->GetMinSize() != outerPanel->GetClientSize()) {
            FitToContent();
        }
        drawn = true;
        if (strengthPending) {
            UpdateStrength();
        }
    });
}

void MainFrame::FitToContent() {
    outerSizer->Layout();
    GetSizer()->Layout();
    // The old minimum would keep the window from shrinking to the new content.
    SetMinSize(wxDefaultSize);
    outerPanel->SetMinSize(outerSizer->GetMinSize());
    SetClientSize(outerSizer->GetMinSize());
    const wxSize size = ClientToWindowSize(GetClientSize());
    SetMinSize(size);
    SetSize(size);
}

bool MainFrame::Validate() {
    switch (notebook->GetSelection()) {
        case 0:
            return standardPage->Validate();
        case 1:
            return combinationPage->Validate();
        default:
            orlShowError(this, _("Can't get selection page of notebook"));
            notebook->SetFocus();
            return false;
    }
}

bool MainFrame::TransferDataToWindow() {
    const MainConfig& config = MainConfig::Get();
    passwordText->Clear();
    if (nonShowCheck != nullptr) {
        nonShowCheck->SetValue(config.NonShow);
    }
    standardPage->TransferDataToWindow();
    combinationPage->TransferDataToWindow();
    notebook->SetSelection(config.Standard ? 0 : 1);
    deterSimpleCheck->SetValue(config.DeterSimplePassword);
    ScheduleStrength();
    return true;
}

bool MainFrame::TransferDataFromWindow() {
    standardPage->TransferDataFromWindow();
    combinationPage->TransferDataFromWindow();
    MainConfig::Get().Standard = notebook->GetSelection() == 0;
    return true;
}

wxString MainFrame::GetMaskedPassword() const {
    if (password.empty()) {
        return wxString();
    }
    return password.Left(1) + wxString('*', password.length() - 1);
}

bool MainFrame::HasResults() const {
    return MainConfig::Get().PluralCreate && passwordText->GetLastPosition() > 0;
}

void MainFrame::ForgetPassword() {
    password.clear();
    password.Shrink();
}

void MainFrame::OnCreate(wxCommandEvent&) {
    if (!Validate()) {
        return;
    }
    TransferDataFromWindow();
    const GenerationSettings settings = MainConfig::Get().GetGenerationSettings();
    PasswordGenerator generator(settings, dictionary);
    generator.Seed();
    ErrorBoxReporter reporter(this);
    if (!generator.CheckSetting(reporter)) {
        return;
    }
    if (MainConfig::Get().PluralCreate) {
        MakeBatch(generator);
    } else {
        MakeOne(generator);
    }
}

void MainFrame::ScheduleStrength() {
    if (strengthPending) {
        return;
    }
    strengthPending = true;
    // The first figure waits for the window's first drawing: it may load the dictionary.
    if (drawn) {
        CallAfter(&MainFrame::UpdateStrength);
    }
}

void MainFrame::UpdateStrength() {
    strengthPending = false;
    GenerationSettings settings = MainConfig::Get().GetGenerationSettings();
    settings.Standard = notebook->GetSelection() == 0;
    settings.DeterSimplePassword = deterSimpleCheck->GetValue();
    RecipeEntropy entropy;  // none while the page holds what Create would refuse
    if (settings.Standard) {
        if (const std::optional<UseChar> use = standardPage->GetShownUseChar()) {
            settings.StandardUseChar = *use;
            entropy = ComputeRecipeEntropy(settings, dictionary);
        }
    } else {
        settings.CombinationUseChar = combinationPage->GetShownItems();
        entropy = ComputeRecipeEntropy(settings, dictionary);
    }
    const wxString text =
        entropy.valid
            // TRANSLATORS: the line under the pages: "Strength: 64.7 bits, fair".
            ? wxString::Format(_("Strength: %s"),
                               GetEntropyText(entropy.bits, EntropyNumber::kLocale))
            : _("Strength: none, the settings make no password");
    if (strengthLabel->GetLabel() != text) {
        strengthLabel->SetLabel(text);
    }
}

void MainFrame::MakeOne(PasswordGenerator& generator) {
    const MainConfig& config = MainConfig::Get();
    password = generator.MakePassword();
    if (password.empty()) {
        orlShowError(this, _("Password generation error!\nPlease reconsider the setting"));
    }
    if (config.NonShow) {
        passwordText->ChangeValue(GetMaskedPassword());
        CopyHiddenPassword(-1, -1);
    } else {
        passwordText->ChangeValue(password);
    }
    if (config.BeepOnCreate && !password.empty()) {
        orlBell();
    }
}

void MainFrame::MakeBatch(PasswordGenerator& generator) {
    const MainConfig& config = MainConfig::Get();
    wxBusyCursor busy;
    wxArrayString batch;
    if (!generator.MakePasswords(batch, static_cast<std::uint32_t>(config.PluralCreateCount))) {
        orlShowError(this, _("Give up!.\nPlease reconsider the setting"));
        passwordText->Clear();
        return;
    }
    // The whole batch goes in at once, so the area is drawn once.
    wxString text;
    for (const wxString& line : batch) {
        text << line << '\n';
    }
    passwordText->Freeze();
    passwordText->ChangeValue(text);
    passwordText->DiscardEdits();
    passwordText->ShowPosition(0);
    passwordText->SetInsertionPoint(0);
    passwordText->Thaw();
    if (config.BeepOnCreate) {
        orlBell();
    }
}

void MainFrame::OnCopy(wxCommandEvent&) {
    const MainConfig& config = MainConfig::Get();
    passwordText->SetFocus();
    if (!config.PluralCreate && config.NonShow) {
        CopyHiddenPassword(-1, -1);
        passwordText->SetFocus();
        passwordText->ChangeValue(GetMaskedPassword());
        passwordText->SelectAll();
    } else {
        passwordText->SelectAll();
        if (passwordText->CanCopy()) {
            CopyShownText(true);
        }
    }
    if (config.BeepOnCopy) {
        orlBell();
    }
}

void MainFrame::OnCopySelection(wxCommandEvent&) {
    const MainConfig& config = MainConfig::Get();
    if (!passwordText->CanCopy()) {
        return;
    }
    if (config.PluralCreate || !config.NonShow) {
        CopyShownText(false);
    } else {
        long from = 0;
        long to = 0;
        passwordText->GetSelection(&from, &to);
        CopyHiddenPassword(from, to);
    }
    if (config.BeepOnCopy) {
        orlBell();
    }
}

bool MainFrame::CopiesAreSecret() {
    return MainConfig::Get().ClearClipboard;
}

void MainFrame::CopyHiddenPassword(long from, long to) {
    if (!CopiesAreSecret()) {
        CopyRange(clipboardText, password, from, to);
        return;
    }
    const wxString text = from == -1 && to == -1 ? password
                                                 : password.Mid(static_cast<size_t>(from),
                                                                static_cast<size_t>(to - from));
    if (!text.empty()) {
        secretClipboard.Put(text, MainConfig::Get().ClearClipboardSeconds);
    }
}

void MainFrame::CopyShownText(bool all) {
    if (!CopiesAreSecret()) {
        passwordText->Copy();
        return;
    }
    const wxString text = all ? passwordText->GetValue() : passwordText->GetStringSelection();
    if (!text.empty()) {
        secretClipboard.Put(text, MainConfig::Get().ClearClipboardSeconds);
    }
}

void MainFrame::OnUpdateCopyButton(wxUpdateUIEvent& event) {
    const MainConfig& config = MainConfig::Get();
    if (!config.PluralCreate && config.NonShow) {
        event.Enable(!password.empty());
    } else {
        event.Enable(passwordText->GetLastPosition() > 0);
    }
}

void MainFrame::OnUpdateSaveButton(wxUpdateUIEvent& event) {
    event.Enable(HasResults());
}

void MainFrame::OnUpdateCopySelection(wxUpdateUIEvent& event) {
    event.Enable(passwordText->CanCopy());
}

void MainFrame::OnSave(wxCommandEvent&) {
    if (!HasResults()) {
        return;
    }
    MainConfig& config = MainConfig::Get();
    wxString path = config.SaveFileName;
    if (!orlSelectSaveFile(this, _("Save As"), path, wxEmptyString, true)) {
        return;
    }
    config.SaveFileName = path;
    if (!orlWritePrivateFile(path, passwordText->GetValue().utf8_string())) {
        orlShowError(this, _("Couldn't save the file"));
    }
}

void MainFrame::OnSwitchMode(wxCommandEvent&) {
    MainConfig::Get().PluralCreate = !MainConfig::Get().PluralCreate;
    Rebuild();
}

void MainFrame::OnExitButton(wxCommandEvent&) {
    Close(true);
}

void MainFrame::SetSettingsSaver(std::function<bool(wxWindow*)> saver) {
    saveSettings = std::move(saver);
}

void MainFrame::OnPreferences(wxCommandEvent&) {
    PreferenceDialog dialog(this);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    // The accepted settings are written at once; a failure has been reported, and the window
    // takes the new settings all the same.
    if (saveSettings) {
        saveSettings(this);
    }
    combinationPage->ApplyListFont();
    Rebuild();
    // The pools, the check's level and the dictionary may have changed.
    ScheduleStrength();
}

void MainFrame::OnHelp(wxCommandEvent&) {
    const wxLocale* locale = wxGetLocale();
    const wxString path =
        orlFindHelpFile(orlSystemConfig::Get().GetProgramDirectory(),
                        locale != nullptr ? locale->GetCanonicalName() : wxString(), "tessarin");
    helpViewer.Show(this, path);
}

void MainFrame::OnNonShow(wxCommandEvent&) {
    if (!ready || nonShowCheck == nullptr) {
        return;
    }
    const bool nonShow = nonShowCheck->GetValue();
    MainConfig::Get().NonShow = nonShow;
    passwordText->ChangeValue(nonShow ? GetMaskedPassword() : password);
}

void MainFrame::OnDeterSimple(wxCommandEvent&) {
    if (ready) {
        MainConfig::Get().DeterSimplePassword = deterSimpleCheck->GetValue();
        ScheduleStrength();
    }
}

void MainFrame::OnNotebookPageChanged(wxBookCtrlEvent& event) {
    if (ready) {
        if (event.GetSelection() == 0) {
            standardPage->RefreshSymbolList();
        }
        ScheduleStrength();
    }
    event.Skip();
}

void MainFrame::OnRecipeChanged(wxCommandEvent&) {
    if (ready) {
        ScheduleStrength();
    }
}

void MainFrame::OnCloseWindow(wxCloseEvent&) {
    TransferDataFromWindow();
    // A password copied to be forgotten does not outlive the program, nor reach the desktop's
    // clipboard manager.
    if (CopiesAreSecret() || secretClipboard.IsClearPending()) {
        secretClipboard.Clear();
    }
    Destroy();
}

void MainFrame::OnSizeWindow(wxSizeEvent& event) {
    // The window manager may still confirm a size asked for before the window was fitted on
    // the screen, smaller than the content now needs; the content is not laid out in it (the
    // fitted size follows), which would squeeze the controls for a moment.
    const wxSize needed = GetMinSize();
    if (event.GetSize().x < needed.x || event.GetSize().y < needed.y) {
        return;
    }
    event.Skip();
}

void MainFrame::OnMoveWindow(wxMoveEvent& event) {
    if (ready && !IsMaximized() && !IsIconized()) {
        MainConfig::Get().MainPosition = GetPosition();
    }
    event.Skip();
}
