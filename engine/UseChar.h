// What one password, or one element of a combination, is made of: a run of random characters
// of chosen kinds, a fixed text, or a dictionary word of a length range.
#pragma once

#include <wx/string.h>

#include <cstdint>

#include "engine/CharacterPools.h"

class UseChar {
  public:
    UseChar() { Reset(); }

    // Sets every field to its default.
    void Reset();

    // The number of chosen kinds (0 to 4); the pool contents are not looked at.
    int GetKindCount() const;

    // The pool of each kind, or the empty text when the kind is not chosen. The first three
    // come from the shared pools, the symbols from the record itself.
    wxString GetUpperPool(const CharacterPools& pools) const;
    wxString GetLowerPool(const CharacterPools& pools) const;
    wxString GetNumericPool(const CharacterPools& pools) const;
    wxString GetSymbolPool() const;

    bool operator==(const UseChar&) const = default;

    std::uint32_t Length;
    bool AlphabetUpper;
    bool AlphabetLower;
    bool Numeric;
    bool Symbol;
    wxString SymbolString;
    bool UseAllKind;
    bool Fixed;
    wxString FixedString;
    bool Dictionary;
    std::int32_t DictionaryMin;
    std::int32_t DictionaryMax;
};
