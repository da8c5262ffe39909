// Where the help file for a language lies: in "docs/<language>/" beside the program, one
// subdirectory per two-letter language code.
#pragma once

#include <wx/string.h>

// How the platform writes a help file's path: its path separator and the extension of its
// help books.
struct orlHelpFileLayout {
    wxString separator;
    wxString extension;  // without the dot
};

// This platform's layout: "/" and the toolkit's HTML help books (".htb").
orlHelpFileLayout orlGetPlatformHelpFileLayout();

// directory/docs/<lang>/name.<ext>, where lang is the locale name's first two characters (fewer
// when it is shorter) in small letters. An empty locale name leaves the language directory empty
// (directory/docs//name.htb). The directory is taken as it stands.
wxString orlGetHelpFileName(const wxString& directory, const wxString& localeName,
                            const wxString& name);
wxString orlGetHelpFileName(const wxString& directory, const wxString& localeName,
                            const wxString& name, const orlHelpFileLayout& layout);

// The help book to open: the locale's language's book when it exists, otherwise the English
// book when that one exists (the help is written in English first), otherwise the locale's
// path, so that the report names the book the user's language would have.
wxString orlFindHelpFile(const wxString& directory, const wxString& localeName,
                         const wxString& name);
