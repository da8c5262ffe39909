#include "framework/orlHelpFile.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "support/TempDirectory.h"

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

// The book opened is the user's language's, then the English one; with neither, the report
// names the book of the user's language.
TEST(HelpFileTest, ALanguageWithoutABookFallsBackToTheEnglishBook) {
    struct Case {
        const char* localeName;
        std::initializer_list<const char*> books;  // the languages that have a book
        const char* expected;                      // under the program directory
    };
    const Case cases[] = {
        {"ja_JP", {"en", "ja"}, "docs/ja/tessarin.htb"},
        {"fr_FR", {"en", "ja"}, "docs/en/tessarin.htb"},
        {"", {"en"}, "docs/en/tessarin.htb"},
        {"en_GB", {"en"}, "docs/en/tessarin.htb"},
        {"fr_FR", {"ja"}, "docs/fr/tessarin.htb"},
        {"ja_JP", {}, "docs/ja/tessarin.htb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.localeName);
        TempDirectory program;
        program.MakeDir("docs");
        for (const char* lang : c.books) {
            program.MakeDir(wxString("docs/") + lang);
            program.WriteFile(wxString("docs/") + lang + "/tessarin.htb", "book");
        }
        EXPECT_EQ(orlFindHelpFile(program.Root(), c.localeName, "tessarin"),
                  program.At(c.expected));
    }
}

}  // namespace
