// Asks the user, in the toolkit's file dialog, where to save a file.
#pragma once

#include <wx/string.h>
#include <wx/window.h>

// The dialog starts from `path` (its directory, when that still exists, and its file name) and
// offers the filters of `wildcard` ("Text (*.txt)|*.txt", may be empty) followed by all files.
// With overwritePrompt the dialog asks before an existing file is replaced. True when the user
// chose a file: `path` then holds its full path, trimmed and with the platform's separators.
// False, with `path` unchanged, when the user cancelled.
bool orlSelectSaveFile(wxWindow* parent, const wxString& title, wxString& path,
                       const wxString& wildcard, bool overwritePrompt);
