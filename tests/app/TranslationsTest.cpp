#include "app/Translations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// Sets the locale's variables for one case and puts the old values back after it.
class LocaleEnvironment {
  public:
    explicit LocaleEnvironment(const std::map<std::string, std::string>& values) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* old = std::getenv(name);
            saved.push_back({name, old != nullptr, old != nullptr ? old : ""});
            const auto value = values.find(name);
            if (value != values.end()) {
                setenv(name, value->second.c_str(), 1);
            } else {
                unsetenv(name);
            }
        }
    }
    ~LocaleEnvironment() {
        for (const Saved& entry : saved) {
            if (entry.set) {
                setenv(entry.name, entry.value.c_str(), 1);
            } else {
                unsetenv(entry.name);
            }
        }
    }

  private:
    struct Saved {
        const char* name;
        bool set;
        std::string value;
    };
    std::vector<Saved> saved;
};

TEST(TranslationsTest, TheUsersLanguagesComeFromTheEnvironmentAsGettextReadsIt) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> environment;
        std::vector<std::string> languages;
    };
    const Case cases[] = {
        {"nothing set", {}, {}},
        {"the locale, with its region and codeset", {{"LANG", "ja_JP.UTF-8"}}, {"ja_JP", "ja"}},
        {"LC_ALL before LC_MESSAGES before LANG",
         {{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ja_JP.UTF-8"}},
         {"fr_FR", "fr"}},
        {"LC_MESSAGES before LANG",
         {{"LC_MESSAGES", "de_DE@euro"}, {"LANG", "ja_JP"}},
         {"de_DE", "de"}},
        {"LANGUAGE first, then the locale",
         {{"LANGUAGE", "de:ja_JP:ja"}, {"LANG", "fr_FR.UTF-8"}},
         {"de", "ja_JP", "ja", "fr_FR", "fr"}},
        {"LANGUAGE does not count in the C locale", {{"LANGUAGE", "ja"}, {"LANG", "C.UTF-8"}}, {}},
        {"POSIX", {{"LC_ALL", "POSIX"}, {"LANG", "ja_JP.UTF-8"}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LocaleEnvironment environment(c.environment);
        std::vector<std::string> languages;
        for (const wxString& language : GetUserLanguages()) {
            languages.push_back(language.utf8_string());
        }
        EXPECT_EQ(languages, c.languages);
    }
}

}  // namespace
