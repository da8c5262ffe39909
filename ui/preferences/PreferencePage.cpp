#include "ui/preferences/PreferencePage.h"

#include <wx/sizer.h>

PreferencePage::PreferencePage(wxWindow* parent, int kind_)
    : wxPanel(parent, kPageId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              "panel"),
      kind(kind_),
      canReset(false) {
    auto* outer = new wxBoxSizer(wxVERTICAL);
    auto* inner = new wxBoxSizer(wxVERTICAL);
    switch (kind) {
        case PAGE_PASSWORD:
            BuildPasswordPage(inner);
            break;
        case PAGE_STRENGTH_CHECK:
            BuildStrengthCheckPage(inner);
            break;
        case PAGE_FONT:
            BuildFontPage(inner);
            break;
        case PAGE_DICTIONARY:
            BuildDictionaryPage(inner);
            break;
        case PAGE_VERSION:
            BuildVersionPage(inner);
            break;
        default:
            break;
    }
    outer->Add(inner, 1, wxEXPAND | wxLEFT, 5);

    SetAutoLayout(true);
    SetSizerAndFit(outer);
}

PreferencePage::~PreferencePage() = default;

bool PreferencePage::LoadValues(const MainConfig& settings) {
    switch (kind) {
        case PAGE_PASSWORD:
            LoadPasswordValues(settings);
            break;
        case PAGE_STRENGTH_CHECK:
            LoadStrengthCheckValues(settings);
            break;
        case PAGE_FONT:
            LoadFontValues(settings);
            break;
        case PAGE_DICTIONARY:
            LoadDictionaryValues(settings);
            break;
        default:
            break;
    }
    return true;
}

bool PreferencePage::CheckValues(wxString& message) {
    switch (kind) {
        case PAGE_PASSWORD:
            return CheckPasswordValues(message);
        case PAGE_FONT:
            return CheckFontValues(message);
        default:
            return true;
    }
}

bool PreferencePage::SaveValues(MainConfig& settings) {
    switch (kind) {
        case PAGE_PASSWORD:
            SavePasswordValues(settings);
            break;
        case PAGE_STRENGTH_CHECK:
            SaveStrengthCheckValues(settings);
            break;
        case PAGE_FONT:
            SaveFontValues(settings);
            break;
        default:
            break;
    }
    return true;
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(PreferencePage, wxPanel)
    EVT_BUTTON(PreferencePage::kOnePasswordFontId, PreferencePage::OnChooseFont)
    EVT_BUTTON(PreferencePage::kPluralPasswordFontId, PreferencePage::OnChooseFont)
    EVT_BUTTON(PreferencePage::kCombinationListFontId, PreferencePage::OnChooseFont)
    EVT_BUTTON(PreferencePage::kTestId, PreferencePage::OnTest)
    EVT_BUTTON(PreferencePage::kShowWordsId, PreferencePage::OnShowWords)
wxEND_EVENT_TABLE()
