// Every user setting: the standard specification and the combination list, the character
// pools, the generation and check options, fonts, histories and the main window's position,
// with the key each is stored under. The program has one live instance; the preferences
// dialog edits copies.
#pragma once

#include <wx/arrstr.h>
#include <wx/config.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "engine/CharacterPools.h"
#include "engine/GenerationSettings.h"
#include "engine/UseChar.h"
#include "engine/UseCharArray.h"
#include "framework/config/orlConfig.h"

class MainConfig : public orlConfig {
  public:
    // The history limits.
    static constexpr std::size_t kMaxSymbolStrings = 9;
    static constexpr std::size_t kMaxFixedStrings = 10;
    // Loading reads at most this many combination items; any further ones are left out.
    static constexpr std::size_t kMaxCombinationItems = 1000;
    // What the program writes stays far below what its settings reader accepts (a few
    // megabytes at most against the reader's limit): a fixed text takes at most this many
    // characters where it is typed, and the strength test's page keeps at most this many of
    // the text typed into it.
    static constexpr std::size_t kMaxFixedStringLength = 256;
    static constexpr std::size_t kMaxStoredTestValueLength = 64 * 1024;

    MainConfig() = default;  // members only; SetDefaults gives them their values
    ~MainConfig() override = default;
    MainConfig(const MainConfig&) = default;
    MainConfig& operator=(const MainConfig&) = default;

    // The live settings of the program.
    static MainConfig& Get();

    // Sets every field to its default; the sample lines of the strength test take the
    // current user's login and host names now.
    void SetDefaults();

    // Reads every key over the current values; a missing or unusable entry leaves the value.
    // False only when the window geometry could not be read.
    bool Load(const wxConfigBase& store);
    // Writes every key; false at the first write that fails.
    bool Save(wxConfigBase& store) const;

    virtual bool IsEqual(const MainConfig& other) const;
    bool operator==(const MainConfig& other) const { return IsEqual(other); }
    bool operator!=(const MainConfig& other) const { return !IsEqual(other); }

    // The dictionary directory: "dict" in the program directory, as a full path.
    wxString GetDictionaryDirectory() const;
    // The shared pools the generator draws capital letters, small letters and digits from.
    CharacterPools GetPools() const;
    // What the generator works from.
    GenerationSettings GetGenerationSettings() const;

    // Puts a symbol string at the front of its history (nothing for an empty text).
    void AddSymbolHistory(const wxString& text);
    // Puts a fixed string at the front of its history, once, dropping the oldest of ten.
    void AddFixedHistory(const wxString& text);

    // The default lines the strength test checks, one per line.
    static wxString GetDefaultStrengthCheckTestValue();

    wxPoint MainPosition = wxDefaultPosition;
    bool Standard = false;
    bool NonShow = false;
    wxFont OnePasswordFont;
    wxFont PluralPasswordFont;
    wxFont CombinationListFont;
    int PreferencePage = 0;
    bool DeterSimplePassword = false;
    int StrengthCheckLevel = 0;  // 1 standard, 2 high level
    wxString StrengthCheckTestValue;
    bool PluralCreate = false;
    int PluralCreateCount = 0;  // 1 to 1000
    bool PermitDuplication = false;
    wxString CapitalLetter;
    wxString SmallLetter;
    wxString Numeric;
    wxArrayString SymbolStrings;  // newest first
    wxArrayString FixedStrings;   // newest first
    UseChar StandardUseChar;
    UseCharArray CombinationUseChar;
    bool BeepOnCreate = false;
    bool BeepOnCopy = false;
    wxString DictionaryDirectoryName;  // never stored
    wxString SaveFileName;
};
