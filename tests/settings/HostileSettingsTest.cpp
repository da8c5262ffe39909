// Settings files no program of ours wrote: huge, deeply nested, with endless keys, or not
// files at all. Start-up must neither hang nor crash on them, and the exit save must not
// write over them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/codes/orlCharCode.h"
#include "framework/config/orlSystemConfig.h"
#include "framework/window/orlDisplayList.h"
#include "framework/window/orlTopLevelWindowBase.h"
#include "settings/MainConfig.h"
#include "support/FixedIdentity.h"
#include "support/TempDirectory.h"
#include "support/orlWindowTestSupport.h"

namespace {

std::string CombinationItems(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        text += wxString::Format("[CombinationUseChar/%03d]\n", n).utf8_string();
        text += "Length=" + std::to_string(n % 20 + 1) + "\n";
        text +=
            "AlphabetUpper=1\nAlphabetLower=1\nNumeric=1\nSymbol=0\nSymbolString=!#\n"
            "UseAllKind=1\nFixed=0\nFixedString=\nDictionary=0\nDictionaryMin=3\n"
            "DictionaryMax=6\n";
    }
    return text;
}

// A group `levels` levels deep, with one entry.
std::string NestedGroup(int levels) {
    std::string name = "[";
    for (int i = 1; i < levels; ++i) {
        name += "a/";
    }
    return name + "b]\nx=1\n";
}

// Type, size and first bytes of whatever is at the path, to see that nothing touched it.
struct Snapshot {
    mode_t type = 0;
    off_t size = 0;
    std::string head;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const wxString& path) {
    Snapshot shot;
    struct stat info {};
    if (lstat(path.fn_str(), &info) != 0) {
        return shot;
    }
    shot.type = info.st_mode & S_IFMT;
    shot.size = info.st_size;
    if (S_ISREG(info.st_mode)) {
        const int fd = open(path.fn_str(), O_RDONLY);
        shot.head.resize(64);
        const ssize_t got = read(fd, shot.head.data(), shot.head.size());
        shot.head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        close(fd);
    }
    return shot;
}

class HostileSettingsTest : public testing::Test {
  protected:
    void SetUp() override {
        FixedIdentity::Use("jdoe", "John Doe", "box");
        orlCharCode::Get().Init("English");
        FixedDisplays::Use(OneDisplay());
        orlTopLevelWindowBase::ClearWindowInfoList();
        dir.MakeDir("tools");
        locator.Init("tessarin", dir.At("tools/tessarin"));
    }
    void TearDown() override {
        orlSetIdentity(nullptr);
        orlSetDisplays(nullptr);
        orlTopLevelWindowBase::ClearWindowInfoList();
    }

    // The settings start-up ends with: the defaults, then whatever the store gives.
    MainConfig LoadAtStart(const wxString& file) const {
        MainConfig config;
        config.SetDefaults();
        if (auto store = locator.OpenForReading(file)) {
            config.Load(*store);
        }
        return config;
    }

    TempDirectory dir;
    orlSystemConfig locator;
};

// Readable settings a damaged file would hide if it were read.
const std::string kReadable = "Standard=0\nPluralCreateCount=7\n";

TEST_F(HostileSettingsTest, FilesTakenAsDamagedAreNeitherReadNorWrittenOver) {
    struct Case {
        const char* name;
        std::function<void(const TempDirectory&, const wxString&)> make;
    };
    const std::vector<Case> cases = {
        {"50 MB",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'), kReadable);
             ASSERT_EQ(truncate(path.fn_str(), 50 * 1024 * 1024), 0);
         }},
        {"100,000 combination items",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'), kReadable + CombinationItems(100000));
         }},
        {"groups nested 10,000 deep",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'), kReadable + NestedGroup(10000));
         }},
        {"groups nested 500,000 deep",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'), kReadable + NestedGroup(500000));
         }},
        {"one group level too deep",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'),
                         kReadable + NestedGroup(orlSystemConfig::kMaxGroupDepth + 1));
         }},
        {"one line too many",
         [](const TempDirectory& d, const wxString& path) {
             std::string text = kReadable;
             for (int n = 0; n <= orlSystemConfig::kMaxLines; ++n) {
                 text += "K" + std::to_string(n) + "=1\n";
             }
             d.WriteFile(path.AfterLast('/'), text);
         }},
        {"a picture",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'),
                         std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20));
         }},
        {"a letter",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'), kReadable + "Dear John,\nsee you soon.\n");
         }},
        {"text in another encoding than UTF-8",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'), kReadable + "Name=caf\xe9\n");
         }},
        {"a zero byte",
         [](const TempDirectory& d, const wxString& path) {
             d.WriteFile(path.AfterLast('/'), kReadable + std::string("Name=a\0b\n", 9));
         }},
        {"a pipe", [](const TempDirectory&,
                      const wxString& path) { ASSERT_EQ(mkfifo(path.fn_str(), 0600), 0); }},
        {"a link to an endless device",
         [](const TempDirectory& d, const wxString& path) {
             d.MakeLink("/dev/zero", path.AfterLast('/'));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const wxString path = dir.At(wxString::Format("hostile-%zu.ini", &c - cases.data()));
        c.make(dir, path);
        const Snapshot before = Take(path);

        EXPECT_EQ(orlCheckSettingsFile(path), orlSettingsFileState::Refused);
        EXPECT_FALSE(locator.OpenForReading(path));
        MainConfig defaults;
        defaults.SetDefaults();
        EXPECT_TRUE(LoadAtStart(path).IsEqual(defaults));
        // The exit save gets no store, so it reports instead of replacing the file.
        EXPECT_FALSE(locator.Create(path));
        EXPECT_TRUE(Take(path) == before);
    }
}

TEST_F(HostileSettingsTest, EveryLineOfASettingsFileIsAGroupAnEntryACommentOrBlank) {
    const std::vector<std::string> texts = {
        "",
        "\n\n",
        kReadable,
        "# a comment\n; another\n\n[Main]\n  Key = value with = inside\n\t[Other/Deeper]\n",
        "\xef\xbb\xbf" + kReadable,
        "Name=caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac\r\nOther=1\r\n",
        "Last=1",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        dir.WriteFile("usable.ini", text);
        EXPECT_EQ(orlCheckSettingsFile(dir.At("usable.ini")), orlSettingsFileState::Usable);
    }
}

TEST_F(HostileSettingsTest, TheDepthOfAGroupIsItsLevelsNotItsSlashes) {
    const int most = orlSystemConfig::kMaxGroupDepth;
    const std::string slashes(most + 1, '/');
    std::string levels;  // most levels with room for one more, each named "a"
    for (int i = 1; i < most; ++i) {
        levels += "a/";
    }
    struct Case {
        const char* name;
        std::string header;
        orlSettingsFileState state;
    };
    const Case cases[] = {
        {"many slashes between two levels", "[a" + slashes + "b]", orlSettingsFileState::Usable},
        {"slashes before and after", "[" + slashes + "a" + slashes + "]",
         orlSettingsFileState::Usable},
        {"the most levels", "[" + levels + "b]", orlSettingsFileState::Usable},
        {"the most levels, doubled slashes", "[" + levels + "/b//]", orlSettingsFileState::Usable},
        {"one level more", "[" + levels + "b/c]", orlSettingsFileState::Refused},
        {"an escaped bracket does not end the name", "[" + levels + "b\\]/c]",
         orlSettingsFileState::Refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.WriteFile("deep.ini", kReadable + c.header + "\nx=1\n");
        EXPECT_EQ(orlCheckSettingsFile(dir.At("deep.ini")), c.state);
    }
}

TEST_F(HostileSettingsTest, LongNamesAndValuesWithinTheLimitsAreReadAndSavedAgain) {
    const std::string longValue(300 * 1024, 'v');
    const std::string text = kReadable + std::string(400 * 1024, 'k') + "=1\n" +
                             "StrengthCheckTestValue=" + longValue + "\n" + "[" +
                             std::string(200 * 1024, 'g') + "]\nx=1\n" +
                             NestedGroup(orlSystemConfig::kMaxGroupDepth);
    ASSERT_LE(text.size(), orlSystemConfig::kMaxFileSize);
    dir.WriteFile("long.ini", text);
    const wxString path = dir.At("long.ini");

    EXPECT_EQ(orlCheckSettingsFile(path), orlSettingsFileState::Usable);
    MainConfig loaded = LoadAtStart(path);
    EXPECT_FALSE(loaded.Standard);
    EXPECT_EQ(loaded.PluralCreateCount, 7);
    EXPECT_EQ(loaded.StrengthCheckTestValue, wxString(longValue));

    // The exit save writes over the file and keeps what it did not know.
    loaded.PluralCreateCount = 8;
    {
        auto store = locator.Create(path);
        ASSERT_TRUE(store);
        ASSERT_TRUE(loaded.Save(*store));
        ASSERT_TRUE(store->Flush());
    }
    const MainConfig again = LoadAtStart(path);
    EXPECT_EQ(again.PluralCreateCount, 8);
    EXPECT_EQ(again.StrengthCheckTestValue, wxString(longValue));
}

TEST_F(HostileSettingsTest, CombinationItemsBeyondTheMaximumAreLeftOut) {
    const int stored = static_cast<int>(MainConfig::kMaxCombinationItems) + 500;
    dir.WriteFile("many.ini", CombinationItems(stored));
    const MainConfig loaded = LoadAtStart(dir.At("many.ini"));
    ASSERT_EQ(loaded.CombinationUseChar.GetCount(), MainConfig::kMaxCombinationItems);
    // The first ones, in their order.
    for (const std::size_t i : {std::size_t{0}, MainConfig::kMaxCombinationItems - 1}) {
        EXPECT_EQ(loaded.CombinationUseChar[i].Length, (i + 1) % 20 + 1) << i;
    }
}

TEST_F(HostileSettingsTest, ASystemFileThatIsNotAPlainFileGivesNoRedirectWithoutWaiting) {
    ASSERT_EQ(mkfifo(dir.At("tools/orsystem.ini").fn_str(), 0600), 0);
    locator.Init("tessarin", dir.At("tools/tessarin"));
    EXPECT_FALSE(locator.IsFileStore(""));
}

}  // namespace
