// The framework library's own settings, kept beneath a root group of the main settings
// store: the window-geometry registry, and a reserved group of the dialog base that holds
// nothing.
#pragma once

#include <wx/config.h>
#include <wx/string.h>

// Reads the library's settings under `root` ("liborl"); false as soon as a step fails.
bool orlReadLibraryConfig(const wxConfigBase& config, const wxString& root);
// Writes the library's settings under `root`; false as soon as a step fails.
bool orlWriteLibraryConfig(wxConfigBase& config, const wxString& root);
