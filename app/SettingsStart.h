// How the window and the terminal modes both begin: the settings' locator is set up for the
// program, the settings are read as the window starts with them, and the dictionary is made
// ready to be read when first used. Nothing is written: a new settings file (and its
// directory) is made when the window ends.
#pragma once

#include <wx/string.h>

#include "framework/config/orlSystemConfig.h"

class PasswordConfig;

// The program's name, which its settings file, catalogs and single-instance name carry.
inline constexpr char kProgramName[] = "tessarin";

// What became of the settings file at `path`: Usable when it was read; otherwise the defaults
// stand, and the state says why (Missing: there is none).
struct SettingsStart {
    orlSettingsFileState state = orlSettingsFileState::Missing;
    wxString path;
};

// The program at programPath (its directory holds the dictionary and the system settings);
// initialFile is the settings file named on the command line, if any.
SettingsStart StartSettings(const wxString& programPath, const wxString& initialFile,
                            PasswordConfig& config);
