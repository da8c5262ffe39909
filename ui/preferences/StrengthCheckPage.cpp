#include "ui/preferences/StrengthCheckPage.h"

#include <wx/accel.h>
#include <wx/intl.h>
#include <wx/radiobut.h>
#include <wx/utils.h>

#include "engine/PasswordGenerator.h"
#include "engine/StrengthTest.h"
#include "framework/dialogs/orlLogDialog.h"
#include "framework/dialogs/orlShowError.h"
#include "framework/orlFonts.h"
#include "ui/preferences/PageLayout.h"

using namespace pagelayout;

namespace {

constexpr int kStandardLevel = 1;
constexpr int kHighLevel = 2;

wxRadioButton* NewRadio(wxWindow* parent, const wxString& label, long style = 0) {
    return new wxRadioButton(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, style,
                             wxDefaultValidator, "radioButton");
}

}  // namespace

StrengthCheckPage::StrengthCheckPage(wxWindow* parent)
    : PreferencePage(parent, PAGE_STRENGTH_CHECK, _("Strength Check"), true) {
    auto* inner = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* level = NewGroup(this, _("Password Strength Check Level"), wxHORIZONTAL);
    wxStaticBox* levelBox = level->GetStaticBox();
    level->Add(NewLabel(levelBox, _("Check Level:")), 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    standardRadio = NewRadio(levelBox, _("Standard"), wxRB_GROUP);
    level->Add(standardRadio, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    highRadio = NewRadio(levelBox, _("High level"));
    level->Add(highRadio, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    AddGroup(inner, level);

    wxStaticBoxSizer* test = NewGroup(this, _("Test"));
    wxStaticBox* testBox = test->GetStaticBox();
    auto* column = new wxBoxSizer(wxVERTICAL);
    testText =
        new wxTextCtrl(testBox, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(100, 100),
                       wxTE_MULTILINE | wxTE_PROCESS_TAB | wxHSCROLL, wxDefaultValidator, "text");
    const wxFont font = orlGetTextFont();
    if (font.IsOk()) {
        testText->SetFont(font);
    }
    // Ctrl+A selects the whole text.
    wxAcceleratorEntry selectAll(wxACCEL_CTRL, 'A', wxID_SELECTALL);
    testText->SetAcceleratorTable(wxAcceleratorTable(1, &selectAll));
    column->Add(testText, 1, wxEXPAND | wxBOTTOM, 5);
    column->Add(NewButton(testBox, kTestId, _("Test"), _("Test strength of the input password")), 0,
                wxALIGN_RIGHT, 0);
    test->Add(column, 1, wxEXPAND | wxALL, 5);
    inner->Add(test, 1, wxEXPAND, 0);
    SetContent(inner);
}

bool StrengthCheckPage::LoadValues(const MainConfig& settings) {
    if (settings.StrengthCheckLevel == kStandardLevel) {
        standardRadio->SetValue(true);
    } else {
        highRadio->SetValue(true);
    }
    testText->SetValue(settings.StrengthCheckTestValue);
    testText->SetInsertionPoint(0);
    testText->ShowPosition(0);
    return true;
}

bool StrengthCheckPage::SaveValues(MainConfig& settings) {
    settings.StrengthCheckLevel = standardRadio->GetValue() ? kStandardLevel : kHighLevel;
    settings.StrengthCheckTestValue =
        testText->GetValue().Left(MainConfig::kMaxStoredTestValueLength);
    return true;
}

void StrengthCheckPage::ReadTestLines(wxArrayString& lines) {
    lines.clear();
    const wxString text = testText->GetValue();
    MainConfig::Get().StrengthCheckTestValue = text.Left(MainConfig::kMaxStoredTestValueLength);
    lines = ::ReadTestLines(text);
}

void StrengthCheckPage::OnTest(wxCommandEvent&) {
    wxBusyCursor busy;
    wxWindow* top = wxGetTopLevelParent(this);

    wxArrayString lines;
    ReadTestLines(lines);
    if (lines.empty()) {
        orlShowError(top, _("Please input the tested character string"));
        testText->SetFocus();
        return;
    }

    // The level chosen here counts, even before the dialog is accepted.
    const int level = standardRadio->GetValue() ? kStandardLevel : kHighLevel;
    PasswordGenerator generator;
    generator.Seed();
    const StrengthReport result = RunStrengthTest(generator, lines, level);

    orlLogDialog dialog(top, result.GetSummary());
    dialog.SetTitle(_("Result"));
    dialog.AddText(result.report, false);
    dialog.ShowModal();
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(StrengthCheckPage, PreferencePage)
    EVT_BUTTON(StrengthCheckPage::kTestId, StrengthCheckPage::OnTest)
wxEND_EVENT_TABLE()
