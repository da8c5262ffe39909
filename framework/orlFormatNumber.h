// Numbers with thousands separators, for counts shown to the user.
#pragma once

#include <wx/string.h>

#include <cstdint>

// The decimal digits grouped in threes from the right: "1,234,567" where the user's locale
// writes the decimal point as ".", "1 234 567" otherwise. The separator is decided at the
// first call and kept.
wxString orlFormatNumber(std::uint32_t number);
