// The framework library's own identity: its name, which also names the settings group that
// holds the library's settings, and its version.
#pragma once

#include <wx/string.h>

// "liborl".
wxString orlLibraryName();
// "0.7.1".
wxString orlLibraryVersion();
