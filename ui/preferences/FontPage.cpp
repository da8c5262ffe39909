// The "Font" page: the fonts of the one-password text, the plural password text and the
// combination list, each chosen in the toolkit's font dialog.
#include <wx/fontdata.h>
#include <wx/fontdlg.h>
#include <wx/intl.h>

#include "ui/preferences/PageLayout.h"
#include "ui/preferences/PreferencePage.h"

using namespace pagelayout;

void PreferencePage::BuildFontPage(wxSizer* inner) {
    name = _("Font");

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

    canReset = true;
}

void PreferencePage::LoadFontValues(const MainConfig& settings) {
    onePasswordFont = settings.OnePasswordFont;
    pluralFont = settings.PluralPasswordFont;
    combinationFont = settings.CombinationListFont;
    ShowFontDescription(onePasswordFont, onePasswordField);
    ShowFontDescription(pluralFont, pluralField);
    ShowFontDescription(combinationFont, combinationField);
}

bool PreferencePage::CheckFontValues(wxString& message) {
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

void PreferencePage::SaveFontValues(MainConfig& settings) const {
    settings.OnePasswordFont = onePasswordFont;
    settings.PluralPasswordFont = pluralFont;
    settings.CombinationListFont = combinationFont;
}

void PreferencePage::ShowFontDescription(const wxFont& font, wxTextCtrl* field) {
    if (font.IsOk()) {
        field->SetValue(wxString::Format(_("%s  %d"), font.GetFaceName(), font.GetPointSize()));
    } else {
        field->SetValue(wxEmptyString);
    }
}

void PreferencePage::OnChooseFont(wxCommandEvent& event) {
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
    if (field == nullptr) {
        return;  // not the font page
    }

    wxFontData data;
    data.SetInitialFont(*font);
    wxFontDialog dialog(this, data);
    if (dialog.ShowModal() == wxID_OK) {
        *font = dialog.GetFontData().GetChosenFont();
        ShowFontDescription(*font, field);
    }
}
