// The three character pools that every record shares: the user's capital letters, small
// letters and digits. The settings own them; the engine only reads them.
#pragma once

#include <wx/string.h>

struct CharacterPools {
    wxString CapitalLetter = wxS("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    wxString SmallLetter = wxS("abcdefghijklmnopqrstuvwxyz");
    wxString Numeric = wxS("0123456789");

    bool operator==(const CharacterPools&) const = default;
};
