// The settings that say what a password is and how it is made: the standard specification
// and the combination list, the character pools, the simple-password check and its level, the
// batch and the dictionary's place. They are read without a display, so the terminal modes
// work from them alone; MainConfig adds what the windows keep.
#pragma once

#include <wx/config.h>
#include <wx/string.h>

#include <cstddef>

#include "engine/CharacterPools.h"
#include "engine/GenerationSettings.h"
#include "engine/UseChar.h"
#include "engine/UseCharArray.h"
#include "framework/config/orlConfig.h"

class PasswordConfig : public orlConfig {
  public:
    // Loading reads at most this many combination items; any further ones are left out.
    static constexpr std::size_t kMaxCombinationItems = 1000;

    // Sets every field to its default; the settings of the windows add theirs.
    virtual void SetDefaults();
    // Reads its keys over the current values; a missing or unusable entry leaves the value.
    // The settings of the windows add theirs, and are false when they could not read some.
    virtual bool Load(const wxConfigBase& store);
    // Writes the keys of the combination list (the others are written among the main
    // settings, in their order); false at the first write that fails.
    bool SaveCombinationList(wxConfigBase& store) const;
    // Writes the record under the group, replacing what was there.
    static bool SaveUseChar(wxConfigBase& store, const wxString& group, const UseChar& record);

    bool HasSamePasswordSettings(const PasswordConfig& other) const;

    // The dictionary directory: "dict" in the program directory, as a full path.
    wxString GetDictionaryDirectory() const;
    // The shared pools the generator draws capital letters, small letters and digits from.
    CharacterPools GetPools() const;
    // What the generator works from.
    GenerationSettings GetGenerationSettings() const;

    bool Standard = false;
    bool DeterSimplePassword = false;
    int StrengthCheckLevel = 0;  // 1 standard, 2 high level
    bool PluralCreate = false;
    int PluralCreateCount = 0;  // 1 to 1000
    bool PermitDuplication = false;
    wxString CapitalLetter;
    wxString SmallLetter;
    wxString Numeric;
    UseChar StandardUseChar;
    UseCharArray CombinationUseChar;
    wxString DictionaryDirectoryName;  // never stored
};
