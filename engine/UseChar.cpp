#include "engine/UseChar.h"

#include "engine/SymbolStrings.h"

void UseChar::Reset() {
    Length = 10;
    AlphabetUpper = true;
    AlphabetLower = true;
    Numeric = true;
    Symbol = true;
    SymbolString = GetDefaultSymbolString();
    UseAllKind = true;
    Fixed = false;
    FixedString.clear();
    Dictionary = false;
    DictionaryMin = 5;
    DictionaryMax = 8;
}

int UseChar::GetKindCount() const {
    return int(AlphabetUpper) + int(AlphabetLower) + int(Numeric) + int(Symbol);
}

wxString UseChar::GetUpperPool(const CharacterPools& pools) const {
    return AlphabetUpper ? pools.CapitalLetter : wxString();
}

wxString UseChar::GetLowerPool(const CharacterPools& pools) const {
    return AlphabetLower ? pools.SmallLetter : wxString();
}

wxString UseChar::GetNumericPool(const CharacterPools& pools) const {
    return Numeric ? pools.Numeric : wxString();
}

wxString UseChar::GetSymbolPool() const {
    return Symbol ? SymbolString : wxString();
}
