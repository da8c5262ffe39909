#include "settings/PasswordConfig.h"

#include <algorithm>

#include "engine/SymbolStrings.h"
#include "framework/codes/orlCodeFunctions.h"
#include "framework/config/orlSystemConfig.h"
#include "framework/orlFileName.h"

namespace {

const char* const kCombination = "CombinationUseChar";

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

void PasswordConfig::SetDefaults() {
    const CharacterPools pools;
    Standard = true;
    DeterSimplePassword = true;
    StrengthCheckLevel = 2;
    PluralCreate = false;
    PluralCreateCount = 100;
    PermitDuplication = false;
    CapitalLetter = pools.CapitalLetter;
    SmallLetter = pools.SmallLetter;
    Numeric = pools.Numeric;
    StandardUseChar.Reset();
    CombinationUseChar.Clear();
    DictionaryDirectoryName = "dict";
}

bool PasswordConfig::Load(const wxConfigBase& store) {
    ReadBool(store, "Standard", Standard);
    ReadBool(store, "DeterSimplePassword", DeterSimplePassword);
    ReadIntRange(store, "StrengthCheckLevel", StrengthCheckLevel, 1, 2);
    ReadBool(store, "PluralCreate", PluralCreate);
    ReadIntRange(store, "PluralCreateCount", PluralCreateCount, 1, 1000);
    ReadBool(store, "PermitDuplication", PermitDuplication);
    LoadPool(store, "CapitalLetter", CapitalLetter);
    LoadPool(store, "SmallLetter", SmallLetter);
    LoadPool(store, "Numeric", Numeric);
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
    return true;
}

bool PasswordConfig::SaveUseChar(wxConfigBase& store, const wxString& group,
                                 const UseChar& record) {
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

bool PasswordConfig::SaveCombinationList(wxConfigBase& store) const {
    if (!DeleteIfExists(store, kCombination)) {
        return false;
    }
    for (std::size_t i = 0; i < CombinationUseChar.GetCount(); ++i) {
        if (!SaveUseChar(store, NumberedKey(kCombination, static_cast<int>(i + 1)),
                         CombinationUseChar[i])) {
            return false;
        }
    }
    return true;
}

bool PasswordConfig::HasSamePasswordSettings(const PasswordConfig& other) const {
    return Standard == other.Standard && DeterSimplePassword == other.DeterSimplePassword &&
           StrengthCheckLevel == other.StrengthCheckLevel && PluralCreate == other.PluralCreate &&
           PluralCreateCount == other.PluralCreateCount &&
           PermitDuplication == other.PermitDuplication && CapitalLetter == other.CapitalLetter &&
           SmallLetter == other.SmallLetter && Numeric == other.Numeric &&
           StandardUseChar == other.StandardUseChar &&
           CombinationUseChar == other.CombinationUseChar &&
           CompareFileNames(DictionaryDirectoryName, other.DictionaryDirectoryName) == 0;
}

wxString PasswordConfig::GetDictionaryDirectory() const {
    orlFileName directory(DictionaryDirectoryName);
    directory.MakeAbsolute(orlSystemConfig::Get().GetProgramDirectory());
    return directory.GetFullPath();
}

CharacterPools PasswordConfig::GetPools() const {
    CharacterPools pools;
    pools.CapitalLetter = CapitalLetter;
    pools.SmallLetter = SmallLetter;
    pools.Numeric = Numeric;
    return pools;
}

GenerationSettings PasswordConfig::GetGenerationSettings() const {
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
