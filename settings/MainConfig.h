// Every user setting: those of the password (PasswordConfig) and those the windows keep (fonts,
// histories, the main window's position, the strength test's text, beeps), with the key each is
// stored under. The program has one live instance; the preferences dialog edits copies.
#pragma once

#include <wx/arrstr.h>
#include <wx/config.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "settings/PasswordConfig.h"

class MainConfig : public PasswordConfig {
  public:
    // The history limits.
    static constexpr std::size_t kMaxSymbolStrings = 9;
    static constexpr std::size_t kMaxFixedStrings = 10;
    // What the program writes stays far below what its settings reader accepts (a few
    // megabytes at most against the reader's limit): a fixed text takes at most this many
    // characters where it is typed, and the strength test's page keeps at most this many of
    // the text typed into it.
    static constexpr std::size_t kMaxFixedStringLength = 256;
    static constexpr std::size_t kMaxStoredTestValueLength = 64 * 1024;
    // How long a copied password may stay on the clipboard when it is to be cleared.
    static constexpr int kMinClearClipboardSeconds = 5;
    static constexpr int kMaxClearClipboardSeconds = 300;
    static constexpr int kDefaultClearClipboardSeconds = 30;

    MainConfig() = default;  // members only; SetDefaults gives them their values
    ~MainConfig() override = default;
    MainConfig(const MainConfig&) = default;
    MainConfig& operator=(const MainConfig&) = default;

    // The live settings of the program.
    static MainConfig& Get();

    // Sets every field to its default; the sample lines of the strength test take the
    // current user's login and host names now.
    void SetDefaults() override;

    // Reads every key over the current values; a missing or unusable entry leaves the value.
    // False only when the window geometry could not be read.
    bool Load(const wxConfigBase& store) override;
    // Writes every key; false at the first write that fails.
    bool Save(wxConfigBase& store) const;

    virtual bool IsEqual(const MainConfig& other) const;
    bool operator==(const MainConfig& other) const { return IsEqual(other); }
    bool operator!=(const MainConfig& other) const { return !IsEqual(other); }

    // Puts a symbol string at the front of its history (nothing for an empty text).
    void AddSymbolHistory(const wxString& text);
    // Puts a fixed string at the front of its history, once, dropping the oldest of ten.
    void AddFixedHistory(const wxString& text);

    // The default lines the strength test checks, one per line.
    static wxString GetDefaultStrengthCheckTestValue();

    wxPoint MainPosition = wxDefaultPosition;
    bool NonShow = false;
    wxFont OnePasswordFont;
    wxFont PluralPasswordFont;
    wxFont CombinationListFont;
    int PreferencePage = 0;
    wxString StrengthCheckTestValue;
    wxArrayString SymbolStrings;  // newest first
    wxArrayString FixedStrings;   // newest first
    bool BeepOnCreate = false;
    bool BeepOnCopy = false;
    wxString SaveFileName;
    // A copied password is cleared from the clipboard this many seconds later, and at the
    // end, while the clipboard still holds it; copies are marked as secrets for clipboard
    // histories. Off, a copy stays and is handed to the clipboard manager at the end.
    bool ClearClipboard = false;
    int ClearClipboardSeconds = kDefaultClearClipboardSeconds;
};
