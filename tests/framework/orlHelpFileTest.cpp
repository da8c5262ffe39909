#include "framework/orlHelpFile.h"

#include <gtest/gtest.h>

namespace {

struct HelpFileCase {
    const char* localeName;
    const char* expected;
};

TEST(HelpFileTest, TheHelpBookLiesInTheDirectoryOfTheLocalesTwoLetterLanguage) {
    const HelpFileCase cases[] = {
        {"en_US", "/opt/tessarin/docs/en/tessarin.htb"},
        {"ja_JP", "/opt/tessarin/docs/ja/tessarin.htb"},
        {"de_DE.UTF-8", "/opt/tessarin/docs/de/tessarin.htb"},
        {"EN", "/opt/tessarin/docs/en/tessarin.htb"},
        {"Ja_jp", "/opt/tessarin/docs/ja/tessarin.htb"},
        {"j", "/opt/tessarin/docs/j/tessarin.htb"},
        {"C", "/opt/tessarin/docs/c/tessarin.htb"},
        // No locale name leaves the language directory empty.
        {"", "/opt/tessarin/docs//tessarin.htb"},
    };
    for (const HelpFileCase& c : cases) {
        SCOPED_TRACE(c.localeName);
        EXPECT_EQ(orlGetHelpFileName("/opt/tessarin", c.localeName, "tessarin").utf8_string(),
                  c.expected);
    }
}

TEST(HelpFileTest, TheDirectoryAndTheNameAreTakenAsTheyStand) {
    EXPECT_EQ(orlGetHelpFileName("/home/ann/My Programs", "fr_FR", "Tessarin Help").utf8_string(),
              "/home/ann/My Programs/docs/fr/Tessarin Help.htb");
    EXPECT_EQ(orlGetHelpFileName("", "en_GB", "tessarin").utf8_string(), "/docs/en/tessarin.htb");
}

TEST(HelpFileTest, APlatformWithBackslashesAndCompiledHelpGetsItsOwnSeparatorAndExtension) {
    const orlHelpFileLayout windows{"\\", "chm"};
    const HelpFileCase cases[] = {
        {"ja_JP", "C:\\Tools\\docs\\ja\\tessarin.chm"},
        {"en_US", "C:\\Tools\\docs\\en\\tessarin.chm"},
        {"", "C:\\Tools\\docs\\\\tessarin.chm"},
    };
    for (const HelpFileCase& c : cases) {
        SCOPED_TRACE(c.localeName);
        EXPECT_EQ(orlGetHelpFileName("C:\\Tools", c.localeName, "tessarin", windows).utf8_string(),
                  c.expected);
    }
}

}  // namespace
