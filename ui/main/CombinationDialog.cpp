#include "ui/main/CombinationDialog.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statline.h>

#include <algorithm>
#include <cstdint>

#include "framework/dialogs/orlShowError.h"
#include "framework/orlFonts.h"
#include "framework/orlFormatNumber.h"
#include "framework/window/orlTypedSpin.h"
#include "settings/MainConfig.h"

namespace {

// The indent of the controls that belong to one of the three radio buttons.
constexpr int kIndent = 20;

wxRadioButton* NewRadio(wxWindow* parent, wxWindowID id, const wxString& label, long style = 0) {
    return new wxRadioButton(parent, id, label, wxDefaultPosition, wxDefaultSize, style,
                             wxDefaultValidator, "radioButton");
}

// Starts 50 pixels wide, or as wide as the toolkit needs to show three digits beside its
// arrow buttons when that is more (narrower, the buttons would be cut off).
wxSpinCtrl* NewLengthSpin(wxWindow* parent, wxWindowID id) {
    auto* spin = new wxSpinCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(50, -1),
                                wxSP_ARROW_KEYS, 0, 100, 0, "wxSpinCtrl");
    const int width = std::max(50, spin->GetSizeFromTextSize(spin->GetTextExtent("100").x).x);
    spin->SetInitialSize(wxSize(width, -1));
    // What the user types stays there until OK judges it.
    orlKeepTypedText(spin);
    return spin;
}

wxString WordCountText(std::uint32_t count) {
    return wxString::Format(_("(Word Count: %s)"), orlFormatNumber(count));
}

// The length typed into the spin control for counting words: what is typed, never below 0;
// 0 when the text is no number.
std::uint32_t TypedLengthForCount(const wxSpinCtrl* spin) {
    long length = 0;
    if (!orlGetTypedValue(spin, length) || length < 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::min<long>(length, UINT32_MAX));
}

}  // namespace

CombinationDialog::CombinationDialog(UseChar* item, wxWindow* parent, const Dictionary& dictionary)
    : orlDialogBase(parent, kDialogId, _("Use Character"), true,
                    wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER, wxString()),
      item(item),
      dictionary(dictionary) {
    auto* dialogSizer = new wxBoxSizer(wxVERTICAL);
    auto* grid = new wxFlexGridSizer(1, 5, 10);
    grid->AddGrowableCol(0);

    // A run of random characters.
    variableRadio = NewRadio(this, kVariableRadioId, _("Variable"), wxRB_GROUP);
    grid->Add(variableRadio, 0);
    kinds = std::make_unique<CharacterKindControls>(this, kLengthSliderId, kSymbolCheckId);
    grid->Add(kinds->GetLengthSizer(), 0, wxEXPAND | wxLEFT, kIndent);
    grid->Add(kinds->GetKindSizer(), 0, wxEXPAND | wxLEFT, kIndent);

    // A fixed text.
    fixedRadio = NewRadio(this, kFixedRadioId, _("Fixed"));
    grid->Add(fixedRadio, 0, wxTOP, 5);
    fixedCombo = new wxComboBox(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0,
                                nullptr, 0, wxDefaultValidator, "comboBox");
    fixedCombo->SetFont(orlGetTextFont());
    fixedCombo->SetMaxLength(MainConfig::kMaxFixedStringLength);
    grid->Add(fixedCombo, 0, wxEXPAND | wxLEFT, kIndent);

    // A dictionary word of a length range.
    dictionaryRadio = NewRadio(this, kDictionaryRadioId, _("Dictionary Word"));
    grid->Add(dictionaryRadio, 0, wxTOP, 5);
    auto* rangeRow = new wxBoxSizer(wxHORIZONTAL);
    dictionaryLengthLabel = new wxStaticText(this, wxID_STATIC, _("Length:"));
    minSpin = NewLengthSpin(this, kMinSpinId);
    auto* dash = new wxStaticText(this, wxID_STATIC, _("-"));
    maxSpin = NewLengthSpin(this, kMaxSpinId);
    wordCountLabel = new wxStaticText(this, wxID_STATIC, wxEmptyString);
    // Room for the largest count there can be, the whole dictionary, so that no count is cut
    // off in a dialog that cannot grow taller to wrap it.
    wordCountLabel->SetMinSize(GetTextExtent(WordCountText(dictionary.GetCounts())));
    for (wxWindow* control :
         {static_cast<wxWindow*>(dictionaryLengthLabel), static_cast<wxWindow*>(minSpin),
          static_cast<wxWindow*>(dash), static_cast<wxWindow*>(maxSpin)}) {
        rangeRow->Add(control, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    }
    rangeRow->Add(wordCountLabel, 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(rangeRow, 0, wxLEFT, kIndent);

    dialogSizer->Add(grid, 0, wxEXPAND | wxALL, 10);
    dialogSizer->Add(new wxStaticLine(this, wxID_STATIC, wxDefaultPosition, wxDefaultSize,
                                      wxLI_HORIZONTAL, "staticLine"),
                     0, wxEXPAND);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    auto* okButton = new wxButton(this, wxID_OK, _("OK"));
    okButton->SetDefault();
    buttonRow->Add(okButton, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 10);
    buttonRow->AddStretchSpacer(1);
    buttonRow->Add(new wxButton(this, wxID_CANCEL, _("Cancel")), 0,
                   wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    dialogSizer->Add(buttonRow, 0, wxEXPAND | wxALL, 10);

    TransferDataToWindow();
    SetAutoLayout(true);
    SetSizer(dialogSizer);
    // The dialog can be widened, but neither made narrower nor taller or shorter.
    FitToSizer(true);
    RestoreWindowInfo(this, wxDefaultSize);
    tracking = true;
}

CombinationDialog::~CombinationDialog() = default;

bool CombinationDialog::TransferDataToWindow() {
    variableRadio->SetValue(!item->Fixed && !item->Dictionary);
    kinds->TransferToWindow(*item);

    fixedRadio->SetValue(item->Fixed);
    // Opening on a fixed text puts it first in the history the list offers.
    MainConfig& config = MainConfig::Get();
    fixedCombo->Clear();
    config.AddFixedHistory(item->FixedString);
    fixedCombo->Append(config.FixedStrings);
    fixedCombo->SetValue(item->FixedString);

    dictionaryRadio->SetValue(item->Dictionary && !item->Fixed);
    // The lengths the dictionary has, or the item's own range while it has none.
    int low = item->DictionaryMin;
    int high = item->DictionaryMax;
    if (!dictionary.IsEmpty()) {
        low = static_cast<int>(dictionary.GetMinLength());
        high = static_cast<int>(dictionary.GetMaxLength());
    }
    for (wxSpinCtrl* spin : {minSpin, maxSpin}) {
        spin->SetRange(std::min(low, high), std::max(low, high));
    }
    minSpin->SetValue(item->DictionaryMin);
    maxSpin->SetValue(item->DictionaryMax);

    UpdateEnabling();
    UpdateWordCount();
    return true;
}

bool CombinationDialog::Validate() {
    if (variableRadio->GetValue() && !kinds->Validate(this, _("Use character is not specified"))) {
        return false;
    }
    if (fixedRadio->GetValue() && fixedCombo->GetValue().empty()) {
        orlShowError(this, _("The fixed string is not input"));
        fixedCombo->SetFocus();
        return false;
    }
    if (dictionaryRadio->GetValue()) {
        if (dictionary.IsEmpty()) {
            orlShowError(this, _("The dictionary cannot be used"));
            dictionaryRadio->SetFocus();
            return false;
        }
        if (!ValidateLength(minSpin) || !ValidateLength(maxSpin)) {
            return false;
        }
        const auto low = static_cast<std::uint32_t>(minSpin->GetValue());
        const auto high = static_cast<std::uint32_t>(maxSpin->GetValue());
        if (dictionary.CountWords(low, high) == 0) {
            orlShowError(this, _("There are no number of words which can be used"));
            minSpin->SetFocus();
            return false;
        }
    }
    return true;
}

bool CombinationDialog::ValidateLength(wxSpinCtrl* spin) {
    long length = 0;
    if (orlGetTypedValue(spin, length) && length >= spin->GetMin() && length <= spin->GetMax()) {
        return true;
    }
    orlShowError(this,
                 wxString::Format(_("Please specify the length of the dictionary word between "
                                    "from %d to %d"),
                                  spin->GetMin(), spin->GetMax()));
    spin->SetFocus();
    return false;
}

bool CombinationDialog::TransferDataFromWindow() {
    // Every mode's values are taken, so that the item keeps those of the modes not chosen.
    kinds->TransferFromWindow(*item);

    item->Fixed = fixedRadio->GetValue();
    item->FixedString = fixedCombo->GetValue();
    MainConfig::Get().AddFixedHistory(item->FixedString);

    item->Dictionary = dictionaryRadio->GetValue();
    const int low = minSpin->GetValue();
    const int high = maxSpin->GetValue();
    item->DictionaryMin = std::min(low, high);
    item->DictionaryMax = std::max(low, high);
    return true;
}

void CombinationDialog::OnModeChanged(wxCommandEvent&) {
    if (tracking) {
        UpdateEnabling();
    }
}

void CombinationDialog::OnLengthScroll(wxScrollEvent& event) {
    if (tracking) {
        kinds->ShowLength(event.GetPosition());
    }
}

void CombinationDialog::OnRangeChanged(wxCommandEvent&) {
    if (tracking) {
        UpdateWordCount();
    }
}

void CombinationDialog::UpdateEnabling() {
    kinds->Enable(variableRadio->GetValue());
    fixedCombo->Enable(fixedRadio->GetValue());
    const bool dictionaryWord = dictionaryRadio->GetValue();
    for (wxWindow* control :
         {static_cast<wxWindow*>(dictionaryLengthLabel), static_cast<wxWindow*>(minSpin),
          static_cast<wxWindow*>(maxSpin), static_cast<wxWindow*>(wordCountLabel)}) {
        control->Enable(dictionaryWord);
    }
}

void CombinationDialog::UpdateWordCount() {
    if (!tracking) {
        return;
    }
    std::uint32_t count = 0;
    if (!dictionary.IsEmpty()) {
        // The typed texts, as they stand: asking the controls for their values would make
        // them take the texts and bring them into their ranges while the user types.
        count = dictionary.CountWords(TypedLengthForCount(minSpin), TypedLengthForCount(maxSpin));
    }
    wordCountLabel->SetLabel(WordCountText(count));
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(CombinationDialog, orlDialogBase)
    EVT_RADIOBUTTON(CombinationDialog::kVariableRadioId, CombinationDialog::OnModeChanged)
    EVT_RADIOBUTTON(CombinationDialog::kFixedRadioId, CombinationDialog::OnModeChanged)
    EVT_RADIOBUTTON(CombinationDialog::kDictionaryRadioId, CombinationDialog::OnModeChanged)
    EVT_CHECKBOX(CombinationDialog::kSymbolCheckId, CombinationDialog::OnModeChanged)
    EVT_COMMAND_SCROLL(CombinationDialog::kLengthSliderId, CombinationDialog::OnLengthScroll)
    EVT_COMMAND(CombinationDialog::kMinSpinId, wxEVT_SPINCTRL, CombinationDialog::OnRangeChanged)
    EVT_COMMAND(CombinationDialog::kMaxSpinId, wxEVT_SPINCTRL, CombinationDialog::OnRangeChanged)
    EVT_TEXT(CombinationDialog::kMinSpinId, CombinationDialog::OnRangeChanged)
    EVT_TEXT(CombinationDialog::kMaxSpinId, CombinationDialog::OnRangeChanged)
wxEND_EVENT_TABLE()
