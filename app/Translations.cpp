#include "app/Translations.h"

#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <cstdlib>

namespace {

// Where catalogs are looked for, as the toolkit's file loader looks: the directories the
// program adds, then the system's.
wxArrayString& CatalogDirectories() {
    static wxArrayString directories = [] {
        wxArrayString system;
        system.Add(wxStandardPaths::Get().GetInstallPrefix() + "/share/locale");
        system.Add("/usr/share/locale");
        system.Add("/usr/local/share/locale");
        return system;
    }();
    return directories;
}

// The catalogs are looked for under "locale" in the directory.
void AddCatalogDirectory(const wxString& directory) {
    if (!directory.empty()) {
        const wxString catalogs = directory + wxFILE_SEP_PATH + "locale";
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(catalogs);
        CatalogDirectories().Insert(catalogs, 0);
    }
}

wxString Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? wxString(value) : wxString();
}

bool IsCLocale(const wxString& name) {
    return name.empty() || name == "C" || name == "POSIX" || name.StartsWith("C.");
}

bool HasCatalog(const wxString& domain, const wxString& language) {
    for (const wxString& directory : CatalogDirectories()) {
        for (const wxString& path : {directory + "/" + language + "/LC_MESSAGES/" + domain + ".mo",
                                     directory + "/" + language + "/" + domain + ".mo"}) {
            if (wxFileName::FileExists(path)) {
                return true;
            }
        }
    }
    return false;
}

// The file loader, told to offer only the user's languages for which the catalog is there:
// the toolkit would otherwise look into the directory of every language the system knows.
class UserLanguagesLoader : public wxFileTranslationsLoader {
  public:
    wxArrayString GetAvailableTranslations(const wxString& domain) const override {
        wxArrayString available;
        for (const wxString& language : GetUserLanguages()) {
            if (HasCatalog(domain, language)) {
                available.Add(language);
            }
        }
        return available;
    }
};

}  // namespace

wxArrayString GetUserLanguages() {
    wxArrayString languages;
    const auto add = [&languages](wxString name) {
        name = name.BeforeFirst('.').BeforeFirst('@');
        if (IsCLocale(name)) {
            return;
        }
        for (const wxString& form : {name, name.BeforeFirst('_')}) {
            if (languages.Index(form) == wxNOT_FOUND) {
                languages.Add(form);
            }
        }
    };
    wxString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Environment(name);
        if (!locale.empty()) {
            break;
        }
    }
    if (IsCLocale(locale.BeforeFirst('.'))) {
        return languages;
    }
    for (const wxString& name : wxSplit(Environment("LANGUAGE"), ':', '\0')) {
        add(name);
    }
    add(locale);
    return languages;
}

void LoadProgramCatalogs(const wxString& programDirectory, const wxString& domain) {
    AddCatalogDirectory(programDirectory);
    AddCatalogDirectory(wxFileName::GetCwd());
    wxTranslations* translations = wxTranslations::Get();
    if (translations == nullptr) {
        translations = new wxTranslations;
        wxTranslations::Set(translations);
        wxString chosen = "en_US";
        for (const wxString& language : GetUserLanguages()) {
            if (HasCatalog(domain, language)) {
                chosen = language;
                break;
            }
        }
        translations->SetLanguage(chosen);
    }
    translations->SetLoader(new UserLanguagesLoader);
    translations->AddCatalog(domain, wxLANGUAGE_ENGLISH_US);
    // The toolkit's own texts (stock buttons, the command line's usage) only in a language the
    // program speaks too, so that a window never mixes two languages: in English, and in a
    // language without a catalog of the program's, they stay English.
    if (translations->IsLoaded(domain)) {
        translations->AddStdCatalog();
    }
}
