#include "ui/preferences/PreferencePage.h"

#include <wx/sizer.h>

#include "ui/preferences/DictionaryPage.h"
#include "ui/preferences/FontPage.h"
#include "ui/preferences/PasswordPage.h"
#include "ui/preferences/StrengthCheckPage.h"
#include "ui/preferences/VersionPage.h"

PreferencePage::PreferencePage(wxWindow* parent, int pageKind, const wxString& pageName,
                               bool resettable)
    : wxPanel(parent, kPageId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              "panel"),
      kind(pageKind),
      name(pageName),
      canReset(resettable) {}

PreferencePage::~PreferencePage() = default;

PreferencePage* PreferencePage::Create(wxWindow* parent, int kind) {
    switch (kind) {
        case PAGE_PASSWORD:
            return new PasswordPage(parent);
        case PAGE_STRENGTH_CHECK:
            return new StrengthCheckPage(parent);
        case PAGE_FONT:
            return new FontPage(parent);
        case PAGE_DICTIONARY:
            return new DictionaryPage(parent);
        case PAGE_VERSION:
            return new VersionPage(parent);
        default:
            return nullptr;
    }
}

void PreferencePage::SetContent(wxSizer* inner) {
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(inner, 1, wxEXPAND | wxLEFT, 5);
    SetAutoLayout(true);
    SetSizerAndFit(outer);
}

bool PreferencePage::LoadValues(const MainConfig&) {
    return true;
}

bool PreferencePage::CheckValues(wxString&) {
    return true;
}

bool PreferencePage::SaveValues(MainConfig&) {
    return true;
}
