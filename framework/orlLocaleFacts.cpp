#include "framework/orlLocaleFacts.h"

#include <wx/intl.h>
#include <wx/uilocale.h>

namespace {

struct FactsState {
    std::unique_ptr<orlLocaleFacts> facts = std::make_unique<orlLocaleFacts>();
    unsigned generation = 0;
};

FactsState& TheFacts() {
    static FactsState state;
    return state;
}

}  // namespace

wxString orlLocaleFacts::GetSystemLanguageName() const {
    const wxLanguageInfo* info = wxUILocale::GetLanguageInfo(wxUILocale::GetSystemLanguage());
    return info ? info->Description : wxString();
}

wxString orlLocaleFacts::GetDecimalPoint() const {
    // The user's default locale, asked without making it the program's own. A locale the
    // system cannot name or does not have counts as the C locale.
    const wxLocaleIdent id = wxUILocale::GetSystemLocaleId();
    if (id.IsEmpty()) {
        return ".";
    }
    const wxUILocale locale(id);
    const wxString point =
        locale.IsSupported() ? locale.GetInfo(wxLOCALE_DECIMAL_POINT, wxLOCALE_CAT_NUMBER) : "";
    return point.empty() ? wxString(".") : point;
}

const orlLocaleFacts& orlGetLocaleFacts() {
    return *TheFacts().facts;
}

void orlSetLocaleFacts(std::unique_ptr<orlLocaleFacts> facts) {
    FactsState& state = TheFacts();
    state.facts = facts ? std::move(facts) : std::make_unique<orlLocaleFacts>();
    ++state.generation;
}

unsigned orlGetLocaleFactsGeneration() {
    return TheFacts().generation;
}

bool orlIsJapaneseLanguage(const wxString& description) {
    wxString language = description.BeforeFirst('(');
    language.Trim();
    return language.CmpNoCase("japanese") == 0;
}
