#include "ui/preferences/FontPage.h"

#include <wx/fontdata.h>
#include <wx/fontdlg.h>
#include <wx/intl.h>

#include "ui/preferences/PageLayout.h"

using namespace pagelayout;

FontPage::FontPage(wxWindow* parent) : PreferencePage(parent, PAGE_FONT, _("Font"), true) {
    auto* inner = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* group = NewGroup(this, _("Font"));
    wxStaticBox* box = group->GetStaticBox();
    wxFlexGridSizer* grid = AddGrid(group, 2);
    auto addRow = [&](wxWindowID id, const wxString& label, const wxString& tooltip,
                      wxButton*& button, wxTextCtrl*& field) {
        button = NewButton(box, id, label, tooltip);
        grid->Add(button, 0, wxEXPAND | wxALIGN_CENTER_VERTICAL);
        field = NewReadOnlyField(box, this);
        grid->Add(field, 1, wxEXPAND | wxALIGN_CENTER_VERTICAL);
    };
    addRow(kOnePasswordFontId, _("One Password Text..."),
           _("Choose the font of the one password text"), onePasswordButton, onePasswordField);
    addRow(kPluralPasswordFontId, _("Plural Password Text..."),
           _("Choose the font of the plural password text"), pluralButton, pluralField);
    addRow(kCombinationListFontId, _("Combination List..."),
           _("Choose the font of the combination list"), combinationButton, combinationField);
    AddGroup(inner, group);
    SetContent(inner);
}

bool FontPage::LoadValues(const MainConfig& settings) {
    onePasswordFont = settings.OnePasswordFont;
    pluralFont = settings.PluralPasswordFont;
    combinationFont = settings.CombinationListFont;
    ShowFontDescription(onePasswordFont, onePasswordField);
    ShowFontDescription(pluralFont, pluralField);
    ShowFontDescription(combinationFont, combinationField);
    return true;
}

bool FontPage::CheckValues(wxString& message) {
    struct Choice {
        const wxFont& font;
        wxButton* button;
        wxString refusal;
    };
    const Choice choices[] = {
        {onePasswordFont, onePasswordButton, _("The font of the one password text is wrong")},
        {pluralFont, pluralButton, _("The font of the plural password text is wrong")},
        {combinationFont, combinationButton, _("The font of the combination list is wrong")},
    };
    for (const Choice& choice : choices) {
        if (!choice.font.IsOk()) {
            message = choice.refusal;
            choice.button->SetFocus();
            return false;
        }
    }
    return true;
}

bool FontPage::SaveValues(MainConfig& settings) {
    settings.OnePasswordFont = onePasswordFont;
    settings.PluralPasswordFont = pluralFont;
    settings.CombinationListFont = combinationFont;
    return true;
}

void FontPage::ShowFontDescription(const wxFont& font, wxTextCtrl* field) {
    if (font.IsOk()) {
        field->SetValue(wxString::Format(_("%s  %d"), font.GetFaceName(), font.GetPointSize()));
    } else {
        field->SetValue(wxEmptyString);
    }
}

void FontPage::OnChooseFont(wxCommandEvent& event) {
    wxFont* font = nullptr;
    wxTextCtrl* field = nullptr;
    switch (event.GetId()) {
        case kOnePasswordFontId:
            font = &onePasswordFont;
            field = onePasswordField;
            break;
        case kPluralPasswordFontId:
            font = &pluralFont;
            field = pluralField;
            break;
        case kCombinationListFontId:
            font = &combinationFont;
            field = combinationField;
            break;
        default:
            return;
    }

    wxFontData data;
    data.SetInitialFont(*font);
    wxFontDialog dialog(this, data);
    if (dialog.ShowModal() == wxID_OK) {
        *font = dialog.GetFontData().GetChosenFont();
        ShowFontDescription(*font, field);
    }
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(FontPage, PreferencePage)
    EVT_BUTTON(FontPage::kOnePasswordFontId, FontPage::OnChooseFont)
    EVT_BUTTON(FontPage::kPluralPasswordFontId, FontPage::OnChooseFont)
    EVT_BUTTON(FontPage::kCombinationListFontId, FontPage::OnChooseFont)
wxEND_EVENT_TABLE()
