#include "ui/preferences/PasswordPage.h"

#include <wx/checkbox.h>
#include <wx/intl.h>
#include <wx/spinctrl.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "engine/SymbolStrings.h"
#include "framework/window/orlTypedSpin.h"
#include "ui/preferences/PageLayout.h"

using namespace pagelayout;

namespace {

wxCheckBox* NewCheck(wxWindow* parent, const wxString& label) {
    return new wxCheckBox(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0,
                          wxDefaultValidator, "check");
}

// Gives the labels the width of the widest, so that the columns they head line up.
void AlignLabels(std::initializer_list<wxStaticText*> labels) {
    int widest = 0;
    for (wxStaticText* label : labels) {
        widest = std::max(widest, label->GetEffectiveMinSize().GetWidth());
    }
    for (wxStaticText* label : labels) {
        label->SetMinSize(wxSize(widest, label->GetMinSize().GetHeight()));
    }
}

// An empty field, or one that holds nothing usable, is refused with the message; the field
// is then focused with all of its text selected.
bool CheckPool(wxTextCtrl* field, const wxString& refusal, wxString& message) {
    if (!FilterCharacters(field->GetValue()).empty()) {
        return true;
    }
    message = refusal;
    field->SetFocus();
    field->SelectAll();
    return false;
}

}  // namespace

PasswordPage::PasswordPage(wxWindow* parent)
    : PreferencePage(parent, PAGE_PASSWORD, _("Password"), true) {
    auto* inner = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* characters = NewGroup(this, _("Use Character"));
    wxStaticBox* charactersBox = characters->GetStaticBox();
    wxFlexGridSizer* characterGrid = AddGrid(characters, 3);
    auto addPoolRow = [&](const wxString& label, const wxString& hint) {
        wxStaticText* text = NewLabel(charactersBox, label);
        characterGrid->Add(text, 0, wxALIGN_CENTER_VERTICAL);
        wxTextCtrl* field = NewEditField(charactersBox);
        characterGrid->Add(field, 0, wxEXPAND | wxALIGN_CENTER_VERTICAL);
        characterGrid->Add(NewLabel(charactersBox, hint), 0, wxALIGN_CENTER_VERTICAL);
        return std::make_pair(text, field);
    };
    const auto [capitalLabel, capital] = addPoolRow(_("Capital Letter:"), _("(A-Z)"));
    const auto [smallLabel, small] = addPoolRow(_("Small Letter:"), _("(a-z)"));
    const auto [numericLabel, numeric] = addPoolRow(_("Numeric:"), _("(0-9)"));
    capitalText = capital;
    smallText = small;
    numericText = numeric;
    AddGroup(inner, characters);

    wxStaticBoxSizer* plural = NewGroup(this, _("Plural Creation"));
    wxStaticBox* pluralBox = plural->GetStaticBox();
    wxFlexGridSizer* pluralGrid = AddGrid(plural, 2);
    wxStaticText* duplicationLabel = NewLabel(pluralBox, _("Dupulication:"));
    pluralGrid->Add(duplicationLabel, 0, wxALIGN_CENTER_VERTICAL);
    duplicationCheck = NewCheck(pluralBox, _("Permit dupulication"));
    pluralGrid->Add(duplicationCheck, 0, wxALIGN_CENTER_VERTICAL);
    wxStaticText* countLabel = NewLabel(pluralBox, _("Create Count:"));
    pluralGrid->Add(countLabel, 0, wxALIGN_CENTER_VERTICAL);
    auto* countRow = new wxBoxSizer(wxHORIZONTAL);
    countSpin = new wxSpinCtrl(pluralBox, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxSP_ARROW_KEYS, kMinCreateCount, kMaxCreateCount, 0, "wxSpinCtrl");
    // At least 80 pixels, and wide enough for four digits beside the arrow buttons.
    const int digitsWidth = countSpin->GetTextExtent(wxString::Format("%d", kMaxCreateCount)).x;
    countSpin->SetMinSize(
        wxSize(std::max(80, countSpin->GetSizeFromTextSize(digitsWidth).GetWidth()), -1));
    countRow->Add(countSpin, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    // What the user types stays there until OK judges it.
    orlKeepTypedText(countSpin);
    countRow->Add(
        NewLabel(pluralBox, wxString::Format(_("(%u-%u)"), kMinCreateCount, kMaxCreateCount)), 0,
        wxALIGN_CENTER_VERTICAL);
    pluralGrid->Add(countRow, 0, wxALIGN_CENTER_VERTICAL);
    AddGroup(inner, plural);

    wxStaticBoxSizer* bells = NewGroup(this, _("Beep Sound"));
    wxStaticBox* bellsBox = bells->GetStaticBox();
    createBellCheck = NewCheck(bellsBox, _("Ring the bell when create the password"));
    bells->Add(createBellCheck, 0, wxALL, 5);
    copyBellCheck = NewCheck(bellsBox, _("Ring the bell when copy the password"));
    bells->Add(copyBellCheck, 0, wxLEFT | wxRIGHT | wxBOTTOM, 5);
    AddGroup(inner, bells);

    wxStaticBoxSizer* clipboard = NewGroup(this, _("Clipboard"));
    wxStaticBox* clipboardBox = clipboard->GetStaticBox();
    auto* clearRow = new wxBoxSizer(wxHORIZONTAL);
    clearClipboardCheck = NewCheck(clipboardBox, _("Clear the clipboard after"));
    clearClipboardCheck->SetToolTip(
        _("Take a copied password off the clipboard after the time, and when the program "
          "ends, and keep it out of clipboard histories"));
    clearClipboardCheck->Bind(wxEVT_CHECKBOX, &PasswordPage::OnClearClipboard, this);
    clearRow->Add(clearClipboardCheck, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    clearSecondsSpin = new wxSpinCtrl(
        clipboardBox, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
        MainConfig::kMinClearClipboardSeconds, MainConfig::kMaxClearClipboardSeconds,
        MainConfig::kDefaultClearClipboardSeconds, "wxSpinCtrl");
    clearSecondsSpin->SetMinSize(countSpin->GetMinSize());
    orlKeepTypedText(clearSecondsSpin);
    clearRow->Add(clearSecondsSpin, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    clearRow->Add(NewLabel(clipboardBox, wxString::Format(_("seconds (%d-%d)"),
                                                          MainConfig::kMinClearClipboardSeconds,
                                                          MainConfig::kMaxClearClipboardSeconds)),
                  0, wxALIGN_CENTER_VERTICAL);
    clipboard->Add(clearRow, 0, wxALL, 5);
    AddGroup(inner, clipboard);

    AlignLabels({capitalLabel, smallLabel, numericLabel, duplicationLabel, countLabel});
    SetContent(inner);
}

bool PasswordPage::LoadValues(const MainConfig& settings) {
    capitalText->SetValue(settings.CapitalLetter);
    smallText->SetValue(settings.SmallLetter);
    numericText->SetValue(settings.Numeric);
    countSpin->SetValue(settings.PluralCreateCount);
    duplicationCheck->SetValue(settings.PermitDuplication);
    createBellCheck->SetValue(settings.BeepOnCreate);
    copyBellCheck->SetValue(settings.BeepOnCopy);
    clearClipboardCheck->SetValue(settings.ClearClipboard);
    clearSecondsSpin->SetValue(settings.ClearClipboardSeconds);
    clearSecondsSpin->Enable(settings.ClearClipboard);
    return true;
}

bool PasswordPage::GetTypedSeconds(int& seconds) const {
    long typed = 0;
    if (!orlGetTypedValue(clearSecondsSpin, typed) ||
        typed < MainConfig::kMinClearClipboardSeconds ||
        typed > MainConfig::kMaxClearClipboardSeconds) {
        return false;
    }
    seconds = static_cast<int>(typed);
    return true;
}

void PasswordPage::OnClearClipboard(wxCommandEvent& event) {
    clearSecondsSpin->Enable(event.IsChecked());
}

bool PasswordPage::GetTypedCount(long& count) const {
    return orlGetTypedValue(countSpin, count);
}

bool PasswordPage::CheckValues(wxString& message) {
    if (!CheckPool(capitalText, _("The capital letter is not input"), message) ||
        !CheckPool(smallText, _("The small letter is not input"), message) ||
        !CheckPool(numericText, _("The numeric is not input"), message)) {
        return false;
    }
    // The typed text is judged, not the spin control's value, which the toolkit keeps within
    // the range and would quietly replace an out-of-range number by the nearest limit.
    long count = 0;
    if (!GetTypedCount(count) || count < kMinCreateCount || count > kMaxCreateCount) {
        message = wxString::Format(_("Specify the create count between from %u to %u"),
                                   kMinCreateCount, kMaxCreateCount);
        countSpin->SetFocus();
        countSpin->SetSelection(-1, -1);
        return false;
    }
    // The time only counts while the clipboard is to be cleared.
    int seconds = 0;
    if (clearClipboardCheck->GetValue() && !GetTypedSeconds(seconds)) {
        message = wxString::Format(_("Specify the seconds between from %d to %d"),
                                   MainConfig::kMinClearClipboardSeconds,
                                   MainConfig::kMaxClearClipboardSeconds);
        clearSecondsSpin->SetFocus();
        clearSecondsSpin->SetSelection(-1, -1);
        return false;
    }
    return true;
}

bool PasswordPage::SaveValues(MainConfig& settings) {
    settings.CapitalLetter = FilterCharacters(capitalText->GetValue());
    settings.SmallLetter = FilterCharacters(smallText->GetValue());
    settings.Numeric = FilterCharacters(numericText->GetValue());
    long count = 0;
    settings.PluralCreateCount =
        GetTypedCount(count) && count >= kMinCreateCount && count <= kMaxCreateCount
            ? static_cast<int>(count)
            : countSpin->GetValue();
    settings.PermitDuplication = duplicationCheck->GetValue();
    settings.BeepOnCreate = createBellCheck->GetValue();
    settings.BeepOnCopy = copyBellCheck->GetValue();
    settings.ClearClipboard = clearClipboardCheck->GetValue();
    int seconds = 0;
    if (GetTypedSeconds(seconds)) {
        settings.ClearClipboardSeconds = seconds;
    }
    return true;
}
