#include "settings/MainConfig.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/fileconf.h>
#include <wx/log.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>

#include "engine/SymbolStrings.h"
#include "framework/codes/orlCharCode.h"
#include "framework/config/orlSystemConfig.h"
#include "framework/orlFonts.h"
#include "framework/window/orlDisplayList.h"
#include "framework/window/orlLibraryConfig.h"
#include "framework/window/orlTopLevelWindowBase.h"
#include "support/CountingLog.h"
#include "support/FixedIdentity.h"
#include "support/MemoryStore.h"
#include "support/TempDirectory.h"
#include "support/orlWindowTestSupport.h"

namespace {

class MainConfigTest : public testing::Test {
  protected:
    void SetUp() override {
        FixedIdentity::Use("jdoe", "John Doe", "box");
        orlCharCode::Get().Init("English");
        FixedDisplays::Use(OneDisplay());
        orlTopLevelWindowBase::ClearWindowInfoList();
    }
    void TearDown() override {
        orlSetIdentity(nullptr);
        orlSetDisplays(nullptr);
        orlTopLevelWindowBase::ClearWindowInfoList();
    }

    static MainConfig Defaults() {
        MainConfig config;
        config.SetDefaults();
        return config;
    }

    // The settings read from the bytes of a settings file over the defaults.
    static MainConfig LoadedFrom(const std::string& bytes) {
        wxLogNull quiet;  // a damaged file is read without complaint
        auto store = memorystore::FromBytes(bytes);
        MainConfig config = Defaults();
        EXPECT_TRUE(config.Load(*store));
        return config;
    }

    static wxString SavedText(const MainConfig& config) {
        auto store = memorystore::FromText("");
        EXPECT_TRUE(config.Save(*store));
        return memorystore::ToText(*store);
    }
};

// Settings with every field away from its default.
MainConfig FullyPopulated() {
    MainConfig c;
    c.SetDefaults();
    c.MainPosition = wxPoint(120, 80);
    c.Standard = false;
    c.NonShow = true;
    c.OnePasswordFont = wxFont(wxFontInfo(18).Family(wxFONTFAMILY_MODERN).FaceName("Monospace"));
    c.PluralPasswordFont = wxFont(wxFontInfo(12).Family(wxFONTFAMILY_MODERN).FaceName("Monospace"));
    c.CombinationListFont =
        wxFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS).FaceName("Sans").Bold());
    c.PreferencePage = 3;
    c.DeterSimplePassword = false;
    c.StrengthCheckLevel = 1;
    c.StrengthCheckTestValue = "abc\n 123\n";
    c.PluralCreate = true;
    c.PluralCreateCount = 250;
    c.PermitDuplication = true;
    c.CapitalLetter = "ABCDEFGHJKLMNPQRSTUVWXYZ";
    c.SmallLetter = "abcdefghijkmnopqrstuvwxyz";
    c.Numeric = "23456789";
    c.AddSymbolHistory("#$%");
    c.AddSymbolHistory("\\\"=");
    c.AddFixedHistory("-");
    c.AddFixedHistory(" two words ");
    c.StandardUseChar.Length = 16;
    c.StandardUseChar.Symbol = false;
    c.StandardUseChar.SymbolString = "!?";
    UseChar word;
    word.Dictionary = true;
    word.DictionaryMin = 4;
    word.DictionaryMax = 6;
    UseChar dash;
    dash.Fixed = true;
    dash.FixedString = "-";
    UseChar digits;
    digits.Length = 3;
    digits.AlphabetUpper = digits.AlphabetLower = digits.Symbol = false;
    c.CombinationUseChar.Add(word);
    c.CombinationUseChar.Add(dash);
    c.CombinationUseChar.Add(digits);
    c.BeepOnCreate = false;
    c.BeepOnCopy = false;
    c.SaveFileName = "/home/jdoe/passwords.txt";
    c.ClearClipboard = true;
    c.ClearClipboardSeconds = 45;
    return c;
}

wxString ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return wxString::FromUTF8(text.str());
}

}  // namespace

TEST_F(MainConfigTest, DefaultsAreTheDocumentedValues) {
    const MainConfig c = Defaults();
    EXPECT_EQ(c.MainPosition, wxDefaultPosition);
    EXPECT_TRUE(c.Standard);
    EXPECT_FALSE(c.NonShow);
    EXPECT_EQ(c.PreferencePage, 0);
    EXPECT_TRUE(c.DeterSimplePassword);
    EXPECT_EQ(c.StrengthCheckLevel, 2);
    EXPECT_FALSE(c.PluralCreate);
    EXPECT_EQ(c.PluralCreateCount, 100);
    EXPECT_FALSE(c.PermitDuplication);
    EXPECT_EQ(c.CapitalLetter, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(c.SmallLetter, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(c.Numeric, "0123456789");
    EXPECT_TRUE(c.SymbolStrings.empty());
    EXPECT_TRUE(c.FixedStrings.empty());
    EXPECT_EQ(c.StandardUseChar, UseChar());
    EXPECT_EQ(c.CombinationUseChar.GetCount(), 0u);
    EXPECT_TRUE(c.BeepOnCreate);
    EXPECT_TRUE(c.BeepOnCopy);
    EXPECT_EQ(c.DictionaryDirectoryName, "dict");
    EXPECT_TRUE(c.SaveFileName.empty());
    EXPECT_FALSE(c.ClearClipboard);
    EXPECT_EQ(c.ClearClipboardSeconds, 30);
    // Passwords are shown in the monospaced face at the desktop's size, the one password half
    // as large again; the combination list keeps the list font.
    ASSERT_TRUE(c.PluralPasswordFont.IsOk());
    EXPECT_TRUE(c.PluralPasswordFont.IsFixedWidth());
    EXPECT_TRUE(c.OnePasswordFont.IsFixedWidth());
    EXPECT_EQ(c.PluralPasswordFont.GetPointSize(), orlGetGuiFont().GetPointSize());
    EXPECT_EQ(c.OnePasswordFont.GetPointSize(), c.PluralPasswordFont.GetPointSize() * 3 / 2);
    EXPECT_EQ(c.CombinationListFont, orlGetGuiFont());

    EXPECT_EQ(c.StrengthCheckTestValue,
              "12\n123\n135\n134\n7890123\n7891234\n7612345\nabcbb\nabcbc\nabcbcd\nabcde\n"
              "ab'cde\nxyzabc\nvqoldf\ntolmar\nramlot\nq,ZELT\ntessarin\nPassword\n#Password\n"
              "PasswordT\n-Password-\nPass--word\nPa$$w0rd\njdoe\nbox\n");
    // Without names from the platform the sample list simply ends earlier.
    FixedIdentity::Use("", "", "");
    EXPECT_TRUE(MainConfig::GetDefaultStrengthCheckTestValue().EndsWith("Pa$$w0rd\n"));
}

TEST_F(MainConfigTest, StoredLayoutMatchesTheGoldenFile) {
    MainConfig c = FullyPopulated();
    // The golden file also holds the geometry of one dialog.
    orlTopLevelWindowBase::ClearWindowInfoList();
    auto withWindow = memorystore::FromText(
        "[liborl/orlTopLevelWindow/001]\nKeyword=Preferences\nMaximized=0\nIconized=0\n"
        "[liborl/orlTopLevelWindow/001/PosMargin]\nX=40\nY=70\n"
        "[liborl/orlTopLevelWindow/001/Size]\nWidth=520\nHeight=400\n");
    ASSERT_TRUE(orlReadLibraryConfig(*withWindow, "liborl"));
    const wxString saved = SavedText(c);
    if (getenv("TESSARIN_WRITE_GOLDEN")) {  // to renew the file after a deliberate change
        std::ofstream(TESSARIN_SETTINGS_GOLDEN, std::ios::binary) << saved.utf8_string();
        GTEST_SKIP() << "golden file written";
    }
    const wxString golden = ReadTextFile(TESSARIN_SETTINGS_GOLDEN);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(saved, golden);
}

TEST_F(MainConfigTest, SavedSettingsLoadBackEqual) {
    const MainConfig saved = FullyPopulated();
    auto store = memorystore::FromText("");
    ASSERT_TRUE(saved.Save(*store));
    auto reread = memorystore::FromText(memorystore::ToText(*store));
    MainConfig loaded = Defaults();
    ASSERT_TRUE(loaded.Load(*reread));
    EXPECT_TRUE(loaded.IsEqual(saved));
    EXPECT_TRUE(loaded == saved);
    EXPECT_FALSE(loaded != saved);
    EXPECT_EQ(loaded.StrengthCheckTestValue, "abc\n 123\n");
    EXPECT_EQ(loaded.SymbolStrings[0], "\\\"=");
    EXPECT_EQ(loaded.FixedStrings[0], " two words ");

    // The default sample lines hold dollar signs and quotes.
    const MainConfig defaults = Defaults();
    auto again = memorystore::FromText(SavedText(defaults));
    MainConfig reloaded;
    reloaded.SetDefaults();
    reloaded.StrengthCheckTestValue.clear();
    ASSERT_TRUE(reloaded.Load(*again));
    EXPECT_TRUE(reloaded == defaults);
}

TEST_F(MainConfigTest, AStoreWithOneKeyChangesOnlyThatSetting) {
    MainConfig expected = Defaults();
    expected.Standard = false;
    EXPECT_TRUE(LoadedFrom("Standard=0\n") == expected);
    EXPECT_TRUE(LoadedFrom("") == Defaults());
}

TEST_F(MainConfigTest, UnusableValuesLeaveTheDefaults) {
    struct Case {
        const char* what;
        const char* text;
        std::function<void(const MainConfig&)> check;
    };
    const Case cases[] = {
        {"pool filtered", "CapitalLetter=AABC\tD\n",
         [](const MainConfig& c) { EXPECT_EQ(c.CapitalLetter, "ABCD"); }},
        {"pool of tabs only", "CapitalLetter=\t\t\n",
         [](const MainConfig& c) { EXPECT_EQ(c.CapitalLetter, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"); }},
        {"check level out of range", "StrengthCheckLevel=3\n",
         [](const MainConfig& c) { EXPECT_EQ(c.StrengthCheckLevel, 2); }},
        {"batch size out of range", "PluralCreateCount=1001\n",
         [](const MainConfig& c) { EXPECT_EQ(c.PluralCreateCount, 100); }},
        {"batch size beyond 32 bits", "PluralCreateCount=4294967396\n",
         [](const MainConfig& c) { EXPECT_EQ(c.PluralCreateCount, 100); }},
        {"clearing time below five seconds", "ClearClipboard=1\nClearClipboardSeconds=4\n",
         [](const MainConfig& c) {
             EXPECT_TRUE(c.ClearClipboard);
             EXPECT_EQ(c.ClearClipboardSeconds, 30);
         }},
        {"clearing time above five minutes", "ClearClipboardSeconds=301\n",
         [](const MainConfig& c) { EXPECT_EQ(c.ClearClipboardSeconds, 30); }},
        {"length not a number", "[StandardUseChar]\nLength=abc\nNumeric=0\n",
         [](const MainConfig& c) {
             EXPECT_EQ(c.StandardUseChar.Length, 10u);
             EXPECT_FALSE(c.StandardUseChar.Numeric);
         }},
        {"length 25", "[StandardUseChar]\nLength=25\n",
         [](const MainConfig& c) { EXPECT_EQ(c.StandardUseChar.Length, 10u); }},
        {"dictionary range swapped", "[StandardUseChar]\nDictionaryMin=9\nDictionaryMax=4\n",
         [](const MainConfig& c) {
             EXPECT_EQ(c.StandardUseChar.DictionaryMin, 4);
             EXPECT_EQ(c.StandardUseChar.DictionaryMax, 9);
         }},
        {"dictionary minimum 0", "[StandardUseChar]\nDictionaryMin=0\nDictionaryMax=12\n",
         [](const MainConfig& c) {
             EXPECT_EQ(c.StandardUseChar.DictionaryMin, 5);
             EXPECT_EQ(c.StandardUseChar.DictionaryMax, 8);
         }},
        {"symbol string filtered", "[StandardUseChar]\nSymbolString=#\t#\xc3\xa9$\n",
         [](const MainConfig& c) { EXPECT_EQ(c.StandardUseChar.SymbolString, "#$"); }},
        {"symbol string of nothing usable", "[StandardUseChar]\nSymbolString=\t\n",
         [](const MainConfig& c) {
             EXPECT_EQ(c.StandardUseChar.SymbolString, GetDefaultSymbolString());
         }},
        {"a record starts from the defaults", "[StandardUseChar]\nFixed=1\n",
         [](const MainConfig& c) {
             EXPECT_TRUE(c.StandardUseChar.Fixed);
             EXPECT_EQ(c.StandardUseChar.Length, 10u);
         }},
        {"garbage lines and duplicate keys", "this is not a setting\n[[[\nNonShow=1\nNonShow=0\n",
         [](const MainConfig& c) { EXPECT_EQ(c.PluralCreateCount, 100); }},
        {"invalid UTF-8", "SaveFileName=caf\xe9\xff.txt\nBeepOnCopy=0\n",
         [](const MainConfig& c) { EXPECT_FALSE(c.BeepOnCopy); }},
        {"a position off the desktop is kept as stored", "[MainPosition]\nX=5000\nY=-40\n",
         [](const MainConfig& c) { EXPECT_EQ(c.MainPosition, wxPoint(5000, -40)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.check(LoadedFrom(c.text));
    }
}

// Every stored font takes point sizes from 1 to 500 only; any other size leaves the default
// font, as other unusable font values do. (A size in the millions once made the toolkit stop
// the program with an assertion.)
TEST_F(MainConfigTest, StoredFontSizesOutsideOneToFiveHundredLeaveTheDefaultFont) {
    const std::pair<const char*, wxFont MainConfig::*> fonts[] = {
        {"OnePasswordFont", &MainConfig::OnePasswordFont},
        {"PluralPasswordFont", &MainConfig::PluralPasswordFont},
        {"CombinationListFont", &MainConfig::CombinationListFont},
    };
    struct Case {
        const char* size;
        bool kept;
    };
    const Case cases[] = {
        {"0", false}, {"-5", false}, {"501", false}, {"3000000", false}, {"1", true}, {"500", true},
    };
    const MainConfig defaults = Defaults();
    for (const auto& [name, font] : fonts) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(name) + " at " + c.size);
            const MainConfig loaded =
                LoadedFrom(std::string("[") + name + "]\nPointSize=" + c.size +
                           "\nFamily=74\nStyle=90\nWeight=90\nUnderlined=0\nFaceName=Sans\n"
                           "Encoding=0\n");
            if (c.kept) {
                ASSERT_TRUE((loaded.*font).IsOk());
                EXPECT_EQ((loaded.*font).GetPointSize(), std::stoi(c.size));
                EXPECT_EQ((loaded.*font).GetFaceName(), "Sans");
            } else {
                EXPECT_EQ(loaded.*font, defaults.*font);
            }
        }
    }
}

TEST_F(MainConfigTest, CombinationListsAreReadUpToTheFirstGapAndSavedRenumbered) {
    const MainConfig loaded = LoadedFrom(
        "[CombinationUseChar/001]\nLength=4\n[CombinationUseChar/002]\nFixed=1\nFixedString=-\n"
        "[CombinationUseChar/004]\nLength=7\n");
    ASSERT_EQ(loaded.CombinationUseChar.GetCount(), 2u);
    EXPECT_EQ(loaded.CombinationUseChar[0].Length, 4u);
    EXPECT_EQ(loaded.CombinationUseChar[1].FixedString, "-");

    const wxString saved = SavedText(loaded);
    EXPECT_NE(saved.find("[CombinationUseChar/002]"), wxString::npos);
    EXPECT_EQ(saved.find("[CombinationUseChar/003]"), wxString::npos);
    EXPECT_EQ(saved.find("[CombinationUseChar/004]"), wxString::npos);
}

TEST_F(MainConfigTest, HistoriesLoadWithinTheirLimits) {
    wxString text = "[SymbolStrings]\n";
    const char* symbols[] = {"s1", "s2", "s1", "s4",  "s5",  "s6",
                             "s7", "s8", "s9", "s10", "s11", "s12"};
    int n = 1;
    for (const char* s : symbols) {
        text << wxString::Format("%03d=", n++) << s << "\n";
    }
    text << wxString::Format("%03d=", n) << GetDefaultSymbolString() << "\n[FixedStrings]\n";
    for (int i = 1; i <= 12; ++i) {
        text << wxString::Format("%03d=f%d\n", i, i == 3 ? 1 : i);  // f1 twice; repeats are kept
    }
    const MainConfig loaded = LoadedFrom(text.utf8_string());
    ASSERT_EQ(loaded.SymbolStrings.size(), 9u);
    EXPECT_EQ(loaded.SymbolStrings[0], "s2");  // s1 was stored again later: it moves there
    EXPECT_EQ(loaded.SymbolStrings.Index("s1"), 1);
    EXPECT_EQ(loaded.SymbolStrings.Index(GetDefaultSymbolString()), wxNOT_FOUND);
    ASSERT_EQ(loaded.FixedStrings.size(), 10u);
    EXPECT_EQ(loaded.FixedStrings[2], "f1");
}

TEST_F(MainConfigTest, FixedHistoryKeepsTenNewestFirst) {
    MainConfig c = Defaults();
    for (int i = 1; i <= 10; ++i) {
        c.AddFixedHistory(wxString::Format("f%d", i));
    }
    c.AddFixedHistory("");
    ASSERT_EQ(c.FixedStrings.size(), 10u);
    c.AddFixedHistory("f11");
    ASSERT_EQ(c.FixedStrings.size(), 10u);
    EXPECT_EQ(c.FixedStrings[0], "f11");
    EXPECT_EQ(c.FixedStrings.Index("f1"), wxNOT_FOUND);  // the oldest went
    c.AddFixedHistory("f5");
    EXPECT_EQ(c.FixedStrings[0], "f5");
    EXPECT_EQ(c.FixedStrings.size(), 10u);
    c.AddFixedHistory("F5");  // another text: case matters
    EXPECT_EQ(c.FixedStrings[0], "F5");
    EXPECT_EQ(c.FixedStrings[1], "f5");
}

TEST_F(MainConfigTest, EqualityLooksAtEverySettingAndComparesFileNamesIgnoringCase) {
    const MainConfig base = FullyPopulated();
    MainConfig other = base;
    other.SaveFileName = "/HOME/JDOE/Passwords.TXT";
    other.DictionaryDirectoryName = "DICT";
    EXPECT_TRUE(base == other);

    const std::function<void(MainConfig&)> changes[] = {
        [](MainConfig& c) { c.MainPosition.y += 1; },
        [](MainConfig& c) { c.Standard = !c.Standard; },
        [](MainConfig& c) { c.NonShow = !c.NonShow; },
        [](MainConfig& c) { c.OnePasswordFont.SetPointSize(30); },
        [](MainConfig& c) { c.PluralPasswordFont.SetPointSize(30); },
        [](MainConfig& c) { c.CombinationListFont.SetPointSize(30); },
        [](MainConfig& c) { c.PreferencePage = 0; },
        [](MainConfig& c) { c.DeterSimplePassword = !c.DeterSimplePassword; },
        [](MainConfig& c) { c.StrengthCheckLevel = 2; },
        [](MainConfig& c) { c.StrengthCheckTestValue += "x"; },
        [](MainConfig& c) { c.PluralCreate = !c.PluralCreate; },
        [](MainConfig& c) { c.PluralCreateCount = 1; },
        [](MainConfig& c) { c.PermitDuplication = !c.PermitDuplication; },
        [](MainConfig& c) { c.CapitalLetter = "A"; },
        [](MainConfig& c) { c.SmallLetter = "a"; },
        [](MainConfig& c) { c.Numeric = "1"; },
        [](MainConfig& c) { c.SymbolStrings[0] = "x"; },
        [](MainConfig& c) { c.FixedStrings.Add("x"); },
        [](MainConfig& c) { c.StandardUseChar.Length = 5; },
        [](MainConfig& c) { c.CombinationUseChar[1].FixedString = "+"; },
        [](MainConfig& c) { c.BeepOnCreate = !c.BeepOnCreate; },
        [](MainConfig& c) { c.BeepOnCopy = !c.BeepOnCopy; },
        [](MainConfig& c) { c.DictionaryDirectoryName = "words"; },
        [](MainConfig& c) { c.SaveFileName = "/tmp/other.txt"; },
        [](MainConfig& c) { c.ClearClipboard = !c.ClearClipboard; },
        [](MainConfig& c) { c.ClearClipboardSeconds = 5; },
    };
    int index = 0;
    for (const auto& change : changes) {
        MainConfig changed = base;
        change(changed);
        EXPECT_TRUE(changed != base) << "change " << index++;
    }
}

TEST_F(MainConfigTest, TheGeneratorGetsTheGenerationSettings) {
    const MainConfig c = FullyPopulated();
    const GenerationSettings g = c.GetGenerationSettings();
    EXPECT_EQ(g.Standard, c.Standard);
    EXPECT_EQ(g.StandardUseChar, c.StandardUseChar);
    EXPECT_EQ(g.CombinationUseChar, c.CombinationUseChar);
    EXPECT_EQ(g.Pools.CapitalLetter, c.CapitalLetter);
    EXPECT_EQ(g.Pools.SmallLetter, c.SmallLetter);
    EXPECT_EQ(g.Pools.Numeric, c.Numeric);
    EXPECT_EQ(g.DeterSimplePassword, c.DeterSimplePassword);
    EXPECT_EQ(g.StrengthCheckLevel, c.StrengthCheckLevel);
    EXPECT_EQ(g.PermitDuplication, c.PermitDuplication);
}

TEST_F(MainConfigTest, TheDictionaryLiesInTheProgramDirectory) {
    orlSystemConfig::Get().Init("tessarin", "/opt/tools/tessarin");
    EXPECT_EQ(Defaults().GetDictionaryDirectory(), "/opt/tools/dict");
    MainConfig c = Defaults();
    c.DictionaryDirectoryName = "../share/words";
    EXPECT_EQ(c.GetDictionaryDirectory(), "/opt/share/words");
    orlSystemConfig::Get().Init("tessarin", "");
}

// A settings file edited by hand into a mess loads through the program's own store what can
// be used, without a word and without tripping the toolkit's own checks.
TEST_F(MainConfigTest, ADamagedSettingsFileLoadsWhatIsUsable) {
    TempDirectory dir;
    const wxString path = dir.At("settings.ini");
    const std::string entries =
        "=no key\n[StandardUseChar]\nLength=abc\nNumeric=0\n[Other]\nx=1\n"
        "[StandardUseChar]\nSymbol=0\n[[broken]\nNonShow=1\nNonShow=1\n"
        "PluralCreateCount=99999999999\n";
    dir.WriteFile("settings.ini", entries);
    orlSystemConfig locator;
    locator.Init("tessarin", dir.At("tessarin"));
    const CountingLog log;
    std::unique_ptr<wxConfigBase> store = locator.Create(path);
    ASSERT_TRUE(store);
    MainConfig loaded = Defaults();
    EXPECT_TRUE(loaded.Load(*store));
    EXPECT_EQ(log.Count(), 0);
    EXPECT_FALSE(loaded.StandardUseChar.Numeric);
    EXPECT_EQ(loaded.StandardUseChar.Length, 10u);
    EXPECT_EQ(loaded.PluralCreateCount, 100);

    // Lines that are neither entries, group headers nor comments, or bytes that are not UTF-8,
    // make it something other than a settings file: nothing of it is read.
    for (const char* odd : {"garbage\n", "[[broken\n", "\xff\xfe\n"}) {
        SCOPED_TRACE(odd);
        dir.WriteFile("settings.ini", entries + odd);
        EXPECT_FALSE(locator.OpenForReading(path));
        EXPECT_FALSE(locator.Create(path));
    }

    for (const char* odd : {"", "\xef\xbb\xbf"}) {  // empty, and a byte-order mark alone
        dir.WriteFile("odd.ini", odd);
        MainConfig c = Defaults();
        EXPECT_TRUE(c.Load(*locator.Create(dir.At("odd.ini"))));
        EXPECT_TRUE(c == Defaults());
    }
    dir.MakeDir("folder.ini");
    MainConfig c = Defaults();
    std::unique_ptr<wxConfigBase> folder = locator.Create(dir.At("folder.ini"));
    EXPECT_TRUE(c.Load(*folder));
    EXPECT_TRUE(c == Defaults());
    EXPECT_TRUE(c.Save(*folder));
    EXPECT_FALSE(folder->Flush());  // a directory cannot be replaced by a settings file
}

// The settings file is replaced only by a complete new one: a save that cannot be written
// fails and leaves the old file as it was.
TEST_F(MainConfigTest, AFailedSaveLeavesThePreviousFileWhole) {
    TempDirectory dir;
    ASSERT_EQ(chmod(dir.Root().fn_str(), 0755), 0);
    const wxString path = dir.At("settings.ini");
    {
        wxFileConfig store("tessarin", "", path, path, wxCONFIG_USE_LOCAL_FILE);
        ASSERT_TRUE(Defaults().Save(store));
        ASSERT_TRUE(store.Flush());
    }
    const wxString before = ReadTextFile(path.utf8_string());
    ASSERT_NE(before.find("Version=0.9.3"), wxString::npos);
    // The file itself may be written by the saving user, but its directory may not: a writer
    // that truncated the file in place would succeed half-way and lose it.
    ASSERT_EQ(chown(path.fn_str(), 65534, 65534), 0);

    const MainConfig changed = FullyPopulated();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) {
            _exit(100);
        }
        wxLogNull quiet;
        wxFileConfig store("tessarin", "", path, path, wxCONFIG_USE_LOCAL_FILE);
        const bool saved = changed.Save(store) && store.Flush();
        _exit(saved ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save must report its failure";
    EXPECT_EQ(ReadTextFile(path.utf8_string()), before);
}
