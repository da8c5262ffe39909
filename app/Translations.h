// The program's message catalogs, for the window and the terminal modes alike.
#pragma once

#include <wx/string.h>

// Makes the catalogs under "locale" in the program directory and in the working directory
// known, then loads the catalog named `domain` for the current locale's language. The texts
// are written in English, so an English user gets no catalog. The toolkit's own catalog is
// loaded only beside a catalog of the program's.
void LoadProgramCatalogs(const wxString& programDirectory, const wxString& domain);
