// The two texts a row of the combination list shows for one item: what kind of element it
// makes and how long that element is.
#pragma once

#include <wx/string.h>

#include "engine/UseChar.h"

struct CombinationRowText {
    wxString kind;
    wxString length;
};

// "Fixed (text)" and its character count; "Dictionary Word" and its length range ("5" or
// "4-7"); otherwise the chosen kinds joined by "," (ending in "All kind" when every one of two
// or more kinds must appear) and the length.
CombinationRowText GetCombinationRowText(const UseChar& item);
