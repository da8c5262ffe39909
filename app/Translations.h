// The program's message catalogs, for the window and the terminal modes alike.
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

// The user's languages, most wanted first, as the environment names them: those of LANGUAGE
// (unless the locale is C or POSIX, where it does not count), then the locale's (LC_ALL, else
// LC_MESSAGES, else LANG), each followed by its language alone ("ja_JP", "ja"), each once.
// None for the C or POSIX locale.
wxArrayString GetUserLanguages();

// Makes the catalogs under "locale" in the program directory and in the working directory
// known, then loads the catalog named `domain` for the user's language. The texts are written
// in English, so an English user gets no catalog. The toolkit's own catalog is loaded only
// beside a catalog of the program's. Only the user's languages are looked for, never every
// language the system has catalogs for. Without a locale object of the toolkit (the terminal
// modes), the language is the first of the user's that has a catalog of the program's.
void LoadProgramCatalogs(const wxString& programDirectory, const wxString& domain);
