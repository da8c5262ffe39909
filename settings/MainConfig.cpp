#include "settings/MainConfig.h"

#include "engine/SymbolStrings.h"
#include "framework/codes/orlCodeFunctions.h"
#include "framework/orlFileName.h"
#include "framework/orlFonts.h"
#include "framework/orlIdentity.h"
#include "framework/orlLibrary.h"
#include "framework/orlProductInfo.h"
#include "framework/window/orlLibraryConfig.h"
#include "settings/orlSystemConfig.h"

namespace {

const char* const kCombination = "CombinationUseChar";

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

// Reads a record stored under the group; a record without a group is left as it is. The
// reading starts from the defaults, not from the record's current values.
void LoadUseChar(const wxConfigBase& store, const wxString& group, UseChar& record) {
    if (!orlConfig::Exists(store, group)) {
        return;
    }
    UseChar read;
    int length = static_cast<int>(read.Length);
    orlConfig::ReadIntRange(store, group + "/Length", length, 1, 20);
    read.Length = static_cast<std::uint32_t>(length);
    orlConfig::ReadBool(store, group + "/AlphabetUpper", read.AlphabetUpper);
    orlConfig::ReadBool(store, group + "/AlphabetLower", read.AlphabetLower);
    orlConfig::ReadBool(store, group + "/Numeric", read.Numeric);
    orlConfig::ReadBool(store, group + "/Symbol", read.Symbol);
    wxString symbols = read.SymbolString;
    orlConfig::ReadString(store, group + "/SymbolString", symbols);
    // Symbol strings are always filtered; one that filters to nothing keeps the default, so
    // that a chosen symbol kind always has something to draw from.
    symbols = FilterCharacters(symbols);
    if (!symbols.empty()) {
        read.SymbolString = symbols;
    }
    orlConfig::ReadBool(store, group + "/UseAllKind", read.UseAllKind);
    orlConfig::ReadBool(store, group + "/Fixed", read.Fixed);
    orlConfig::ReadString(store, group + "/FixedString", read.FixedString);
    orlConfig::ReadBool(store, group + "/Dictionary", read.Dictionary);
    int minimum = read.DictionaryMin;
    int maximum = read.DictionaryMax;
    orlConfig::ReadInt(store, group + "/DictionaryMin", minimum);
    orlConfig::ReadInt(store, group + "/DictionaryMax", maximum);
    if (minimum > 0 && maximum > 0) {
        read.DictionaryMin = std::min(minimum, maximum);
        read.DictionaryMax = std::max(minimum, maximum);
    }
    record = read;
}

bool SaveUseChar(wxConfigBase& store, const wxString& group, const UseChar& record) {
    return orlConfig::DeleteIfExists(store, group) &&
           orlConfig::WriteInt(store, group + "/Length", static_cast<int>(record.Length)) &&
           orlConfig::WriteBool(store, group + "/AlphabetUpper", record.AlphabetUpper) &&
           orlConfig::WriteBool(store, group + "/AlphabetLower", record.AlphabetLower) &&
           orlConfig::WriteBool(store, group + "/Numeric", record.Numeric) &&
           orlConfig::WriteBool(store, group + "/Symbol", record.Symbol) &&
           orlConfig::WriteString(store, group + "/SymbolString", record.SymbolString) &&
           orlConfig::WriteBool(store, group + "/UseAllKind", record.UseAllKind) &&
           orlConfig::WriteBool(store, group + "/Fixed", record.Fixed) &&
           orlConfig::WriteString(store, group + "/FixedString", record.FixedString) &&
           orlConfig::WriteBool(store, group + "/Dictionary", record.Dictionary) &&
           orlConfig::WriteInt(store, group + "/DictionaryMin", record.DictionaryMin) &&
           orlConfig::WriteInt(store, group + "/DictionaryMax", record.DictionaryMax);
}

// A pool setting is taken only when it keeps something after filtering.
void LoadPool(const wxConfigBase& store, const wxString& key, wxString& pool) {
    wxString text = pool;
    orlConfig::ReadString(store, key, text);
    text = FilterCharacters(text);
    if (!text.empty()) {
        pool = text;
    }
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
    const CharacterPools pools;
    MainPosition = wxDefaultPosition;
    Standard = true;
    NonShow = false;
    OnePasswordFont = orlGetTextFont();
    OnePasswordFont.SetPointSize(OnePasswordFont.GetPointSize() * 3 / 2);
    PluralPasswordFont = orlGetTextFont();
    CombinationListFont = orlGetGuiFont();
    PreferencePage = 0;
    DeterSimplePassword = true;
    StrengthCheckLevel = 2;
    StrengthCheckTestValue = GetDefaultStrengthCheckTestValue();
    PluralCreate = false;
    PluralCreateCount = 100;
    PermitDuplication = false;
    CapitalLetter = pools.CapitalLetter;
    SmallLetter = pools.SmallLetter;
    Numeric = pools.Numeric;
    SymbolStrings.clear();
    FixedStrings.clear();
    StandardUseChar.Reset();
    CombinationUseChar.Clear();
    BeepOnCreate = true;
    BeepOnCopy = true;
    DictionaryDirectoryName = "dict";
    SaveFileName.clear();
}

bool MainConfig::Load(const wxConfigBase& store) {
    // As stored: the main window fits it to the desktop when it is placed.
    ReadPoint(store, "MainPosition", MainPosition);
    ReadBool(store, "Standard", Standard);
    ReadBool(store, "NonShow", NonShow);
    ReadFont(store, "OnePasswordFont", OnePasswordFont);
    ReadFont(store, "PluralPasswordFont", PluralPasswordFont);
    ReadFont(store, "CombinationListFont", CombinationListFont);
    ReadInt(store, "PreferencePage", PreferencePage);
    ReadBool(store, "DeterSimplePassword", DeterSimplePassword);
    ReadIntRange(store, "StrengthCheckLevel", StrengthCheckLevel, 1, 2);
    ReadString(store, "StrengthCheckTestValue", StrengthCheckTestValue);
    ReadBool(store, "PluralCreate", PluralCreate);
    ReadIntRange(store, "PluralCreateCount", PluralCreateCount, 1, 1000);
    ReadBool(store, "PermitDuplication", PermitDuplication);
    LoadPool(store, "CapitalLetter", CapitalLetter);
    LoadPool(store, "SmallLetter", SmallLetter);
    LoadPool(store, "Numeric", Numeric);

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

    LoadUseChar(store, "StandardUseChar", StandardUseChar);
    if (Exists(store, kCombination)) {
        CombinationUseChar.Clear();
        for (int n = 1; CombinationUseChar.GetCount() < kMaxCombinationItems; ++n) {
            const wxString group = NumberedKey(kCombination, n);
            if (!Exists(store, group)) {
                break;
            }
            UseChar record;
            LoadUseChar(store, group, record);
            CombinationUseChar.Add(record);
        }
    }
    ReadBool(store, "BeepOnCreate", BeepOnCreate);
    ReadBool(store, "BeepOnCopy", BeepOnCopy);
    ReadString(store, "SaveFileName", SaveFileName);
    return orlReadLibraryConfig(store, orlLibraryName());
}

bool MainConfig::Save(wxConfigBase& store) const {
    if (!(WriteString(store, "Version", orlGetProductVersion()) &&
          WritePoint(store, "MainPosition", MainPosition) &&
          WriteBool(store, "Standard", Standard) && WriteBool(store, "NonShow", NonShow) &&
          WriteFont(store, "OnePasswordFont", OnePasswordFont) &&
          WriteFont(store, "PluralPasswordFont", PluralPasswordFont) &&
          WriteFont(store, "CombinationListFont", CombinationListFont) &&
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
          SaveUseChar(store, "StandardUseChar", StandardUseChar) &&
          DeleteIfExists(store, kCombination))) {
        return false;
    }
    for (std::size_t i = 0; i < CombinationUseChar.GetCount(); ++i) {
        if (!SaveUseChar(store, NumberedKey(kCombination, static_cast<int>(i + 1)),
                         CombinationUseChar[i])) {
            return false;
        }
    }
    return WriteBool(store, "BeepOnCreate", BeepOnCreate) &&
           WriteBool(store, "BeepOnCopy", BeepOnCopy) &&
           WriteString(store, "SaveFileName", SaveFileName) &&
           orlWriteLibraryConfig(store, orlLibraryName());
}

bool MainConfig::IsEqual(const MainConfig& other) const {
    return MainPosition == other.MainPosition && Standard == other.Standard &&
           NonShow == other.NonShow && OnePasswordFont == other.OnePasswordFont &&
           PluralPasswordFont == other.PluralPasswordFont &&
           CombinationListFont == other.CombinationListFont &&
           PreferencePage == other.PreferencePage &&
           DeterSimplePassword == other.DeterSimplePassword &&
           StrengthCheckLevel == other.StrengthCheckLevel &&
           StrengthCheckTestValue == other.StrengthCheckTestValue &&
           PluralCreate == other.PluralCreate && PluralCreateCount == other.PluralCreateCount &&
           PermitDuplication == other.PermitDuplication && CapitalLetter == other.CapitalLetter &&
           SmallLetter == other.SmallLetter && Numeric == other.Numeric &&
           SameList(SymbolStrings, other.SymbolStrings) &&
           SameList(FixedStrings, other.FixedStrings) && StandardUseChar == other.StandardUseChar &&
           CombinationUseChar == other.CombinationUseChar && BeepOnCreate == other.BeepOnCreate &&
           BeepOnCopy == other.BeepOnCopy &&
           CompareFileNames(DictionaryDirectoryName, other.DictionaryDirectoryName) == 0 &&
           CompareFileNames(SaveFileName, other.SaveFileName) == 0;
}

wxString MainConfig::GetDictionaryDirectory() const {
    orlFileName directory(DictionaryDirectoryName);
    directory.MakeAbsolute(orlSystemConfig::Get().GetProgramDirectory());
    return directory.GetFullPath();
}

CharacterPools MainConfig::GetPools() const {
    CharacterPools pools;
    pools.CapitalLetter = CapitalLetter;
    pools.SmallLetter = SmallLetter;
    pools.Numeric = Numeric;
    return pools;
}

GenerationSettings MainConfig::GetGenerationSettings() const {
    GenerationSettings settings;
    settings.Standard = Standard;
    settings.StandardUseChar = StandardUseChar;
    settings.CombinationUseChar = CombinationUseChar;
    settings.Pools = GetPools();
    settings.DeterSimplePassword = DeterSimplePassword;
    settings.StrengthCheckLevel = StrengthCheckLevel;
    settings.PermitDuplication = PermitDuplication;
    return settings;
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
