#include "settings/MainConfig.h"

#include "engine/SymbolStrings.h"
#include "framework/codes/orlCodeFunctions.h"
#include "framework/config/orlWindowConfig.h"
#include "framework/orlFonts.h"
#include "framework/orlIdentity.h"
#include "framework/orlLibrary.h"
#include "framework/orlProductInfo.h"
#include "framework/window/orlLibraryConfig.h"

namespace {

bool SameList(const wxArrayString& a, const wxArrayString& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

MainConfig& MainConfig::Get() {
    static MainConfig live;
    return live;
}

wxString MainConfig::GetDefaultStrengthCheckTestValue() {
    static const char* const kSamples[] = {
        "12",       "123",       "135",       "134",        "7890123",    "7891234",
        "7612345",  "abcbb",     "abcbc",     "abcbcd",     "abcde",      "ab'cde",
        "xyzabc",   "vqoldf",    "tolmar",    "ramlot",     "q,ZELT",     "tessarin",
        "Password", "#Password", "PasswordT", "-Password-", "Pass--word", "Pa$$w0rd",
    };
    wxString text;
    for (const char* sample : kSamples) {
        text << sample << "\n";
    }
    for (const wxString& name : {orlGetIdentity().GetLoginName(), orlGetIdentity().GetHostName()}) {
        if (!name.empty()) {
            text << name << "\n";
        }
    }
    return text;
}

void MainConfig::SetDefaults() {
    PasswordConfig::SetDefaults();
    MainPosition = wxDefaultPosition;
    NonShow = false;
    // Passwords are shown in a monospaced face, the one password half as large again.
    OnePasswordFont = orlGetMonospaceFont();
    OnePasswordFont.SetPointSize(OnePasswordFont.GetPointSize() * 3 / 2);
    PluralPasswordFont = orlGetMonospaceFont();
    CombinationListFont = orlGetGuiFont();
    PreferencePage = 0;
    StrengthCheckTestValue = GetDefaultStrengthCheckTestValue();
    SymbolStrings.clear();
    FixedStrings.clear();
    BeepOnCreate = true;
    BeepOnCopy = true;
    SaveFileName.clear();
    ClearClipboard = false;
    ClearClipboardSeconds = kDefaultClearClipboardSeconds;
}

bool MainConfig::Load(const wxConfigBase& store) {
    PasswordConfig::Load(store);
    // As stored: the main window fits it to the desktop when it is placed.
    orlWindowConfig::ReadPoint(store, "MainPosition", MainPosition);
    ReadBool(store, "NonShow", NonShow);
    orlWindowConfig::ReadFont(store, "OnePasswordFont", OnePasswordFont);
    orlWindowConfig::ReadFont(store, "PluralPasswordFont", PluralPasswordFont);
    orlWindowConfig::ReadFont(store, "CombinationListFont", CombinationListFont);
    ReadInt(store, "PreferencePage", PreferencePage);
    ReadString(store, "StrengthCheckTestValue", StrengthCheckTestValue);

    wxArrayString loaded;
    ReadStringArray(store, "SymbolStrings", loaded);
    if (!loaded.empty()) {
        SymbolStrings.clear();
        for (const wxString& entry : loaded) {
            if (SymbolStrings.size() >= kMaxSymbolStrings) {
                break;
            }
            ::AddSymbolHistory(SymbolStrings, entry, false);
        }
    }
    loaded.clear();
    ReadStringArray(store, "FixedStrings", loaded);
    if (!loaded.empty()) {
        FixedStrings.clear();
        for (const wxString& entry : loaded) {
            if (FixedStrings.size() >= kMaxFixedStrings) {
                break;
            }
            if (!entry.empty()) {
                FixedStrings.Add(entry);
            }
        }
    }
    ReadBool(store, "BeepOnCreate", BeepOnCreate);
    ReadBool(store, "BeepOnCopy", BeepOnCopy);
    ReadString(store, "SaveFileName", SaveFileName);
    ReadBool(store, "ClearClipboard", ClearClipboard);
    ReadIntRange(store, "ClearClipboardSeconds", ClearClipboardSeconds, kMinClearClipboardSeconds,
                 kMaxClearClipboardSeconds);
    return orlReadLibraryConfig(store, orlLibraryName());
}

bool MainConfig::Save(wxConfigBase& store) const {
    return WriteString(store, "Version", orlGetProductVersion()) &&
           orlWindowConfig::WritePoint(store, "MainPosition", MainPosition) &&
           WriteBool(store, "Standard", Standard) && WriteBool(store, "NonShow", NonShow) &&
           orlWindowConfig::WriteFont(store, "OnePasswordFont", OnePasswordFont) &&
           orlWindowConfig::WriteFont(store, "PluralPasswordFont", PluralPasswordFont) &&
           orlWindowConfig::WriteFont(store, "CombinationListFont", CombinationListFont) &&
           WriteInt(store, "PreferencePage", PreferencePage) &&
           WriteBool(store, "DeterSimplePassword", DeterSimplePassword) &&
           WriteInt(store, "StrengthCheckLevel", StrengthCheckLevel) &&
           WriteString(store, "StrengthCheckTestValue", StrengthCheckTestValue) &&
           WriteBool(store, "PluralCreate", PluralCreate) &&
           WriteInt(store, "PluralCreateCount", PluralCreateCount) &&
           WriteBool(store, "PermitDuplication", PermitDuplication) &&
           WriteString(store, "CapitalLetter", CapitalLetter) &&
           WriteString(store, "SmallLetter", SmallLetter) &&
           WriteString(store, "Numeric", Numeric) &&
           WriteStringArray(store, "SymbolStrings", SymbolStrings) &&
           WriteStringArray(store, "FixedStrings", FixedStrings) &&
           SaveUseChar(store, "StandardUseChar", StandardUseChar) && SaveCombinationList(store) &&
           WriteBool(store, "BeepOnCreate", BeepOnCreate) &&
           WriteBool(store, "BeepOnCopy", BeepOnCopy) &&
           WriteString(store, "SaveFileName", SaveFileName) &&
           WriteBool(store, "ClearClipboard", ClearClipboard) &&
           WriteInt(store, "ClearClipboardSeconds", ClearClipboardSeconds) &&
           orlWriteLibraryConfig(store, orlLibraryName());
}

bool MainConfig::IsEqual(const MainConfig& other) const {
    return HasSamePasswordSettings(other) && MainPosition == other.MainPosition &&
           NonShow == other.NonShow && OnePasswordFont == other.OnePasswordFont &&
           PluralPasswordFont == other.PluralPasswordFont &&
           CombinationListFont == other.CombinationListFont &&
           PreferencePage == other.PreferencePage &&
           StrengthCheckTestValue == other.StrengthCheckTestValue &&
           SameList(SymbolStrings, other.SymbolStrings) &&
           SameList(FixedStrings, other.FixedStrings) && BeepOnCreate == other.BeepOnCreate &&
           BeepOnCopy == other.BeepOnCopy && ClearClipboard == other.ClearClipboard &&
           ClearClipboardSeconds == other.ClearClipboardSeconds &&
           CompareFileNames(SaveFileName, other.SaveFileName) == 0;
}

void MainConfig::AddSymbolHistory(const wxString& text) {
    if (!text.empty()) {
        ::AddSymbolHistory(SymbolStrings, text, true);
    }
}

void MainConfig::AddFixedHistory(const wxString& text) {
    if (text.empty()) {
        return;
    }
    const int found = FixedStrings.Index(text, true);
    if (found != wxNOT_FOUND) {
        FixedStrings.RemoveAt(static_cast<std::size_t>(found));
    } else if (FixedStrings.size() >= kMaxFixedStrings) {
        FixedStrings.RemoveAt(kMaxFixedStrings - 1, FixedStrings.size() - (kMaxFixedStrings - 1));
    }
    FixedStrings.Insert(text, 0);
}
