// Writing the main settings to their store, with a report to the user when that fails.
#pragma once

#include <wx/string.h>
#include <wx/window.h>

// Writes the live main settings to the store the locator names for the initial file and
// flushes it. On failure the user is told "<appName>: The setting cannot be saved": in a
// report naming the settings file when they live in one, else in an error box. A settings file
// that was taken as damaged (and so never read) is never written over, and the report names it
// and says why, wherever it lives. `parent` may be null. True when everything was written.
bool SaveMainSettings(wxWindow* parent, const wxString& appName, const wxString& initialFile);
