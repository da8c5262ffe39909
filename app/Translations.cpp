#include "app/Translations.h"

#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/translation.h>

namespace {

// The catalogs are looked for under "locale" in the directory.
void AddCatalogDirectory(const wxString& directory) {
    if (!directory.empty()) {
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(directory + wxFILE_SEP_PATH +
                                                             "locale");
    }
}

}  // namespace

void LoadProgramCatalogs(const wxString& programDirectory, const wxString& domain) {
    AddCatalogDirectory(programDirectory);
    AddCatalogDirectory(wxFileName::GetCwd());
    if (wxTranslations* translations = wxTranslations::Get()) {
        translations->AddCatalog(domain, wxLANGUAGE_ENGLISH_US);
        // The toolkit's own texts (stock buttons, the command line's usage) only in a
        // language the program speaks too, so that a window never mixes two languages: in
        // English, and in a language without a catalog of the program's, they stay English.
        if (translations->IsLoaded(domain)) {
            translations->AddStdCatalog();
        }
    }
}
