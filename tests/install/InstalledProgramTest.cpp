// The program as `cmake --install` lays it out, installed into a directory of the test run
// (DESTDIR) with the prefix /usr: where each file lies, the desktop files the desktop reads, and
// the installed program started as a user starts it, through bin/tessarin from another working
// directory, in English and in Japanese.
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/translation.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/BackgroundProgram.h"
#include "support/DisplayClipboard.h"
#include "support/DisplayEvents.h"
#include "support/RunProgram.h"
#include "support/TempDirectory.h"
#include "support/TextFiles.h"
#include "ui/main/ApplicationIcon.h"

// Xlib names a type Status with a macro, which would hide the program's Status().
#undef Status

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using namespace std::chrono_literals;

const std::string kRoot = TESSARIN_INSTALL_ROOT;  // DESTDIR
const std::string kPrefix = kRoot + "/usr";
const std::string kProgramDir = kPrefix + "/lib/tessarin";
const std::string kCommand = kPrefix + "/bin/tessarin";
constexpr int kLimitMilliseconds = 60000;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The value of "Key=" on a line of its own in an INI-like text, or "" when there is none.
std::string ValueOf(const std::string& text, const std::string& key) {
    for (const std::string& line : Split(text, '\n')) {
        if (line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return {};
}

bool ProgramFound(const std::string& name) {
    return testsupport::RunProgram({"/bin/sh", "-c", "command -v " + name},
                                   testsupport::EnvironmentWith({}))
               .status == 0;
}

// The translation of a text in the installed catalog of a language.
std::string Translated(const std::string& lang, const std::string& text) {
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(kProgramDir + "/locale");
    wxTranslations translations;
    translations.SetLanguage(lang);
    if (!translations.AddCatalog("tessarin", wxLANGUAGE_ENGLISH_US)) {
        ADD_FAILURE() << "no " << lang << " catalog installed";
        return text;
    }
    const wxString* translation =
        translations.GetTranslatedString(wxString::FromUTF8(text), "tessarin");
    EXPECT_NE(translation, nullptr) << "not in the " << lang << " catalog: " << text;
    return translation != nullptr ? translation->utf8_string() : text;
}

// The environment of a user of the language, with a home of the test's own and no display
// unless asked for; nothing else of the test's locale settings comes through.
std::vector<std::string> UserEnvironment(const TempDirectory& home, const std::string& lang,
                                         bool display) {
    std::map<std::string, std::string> changes = {
        {"HOME", home.At("home").utf8_string()},
        {"XDG_CONFIG_HOME", home.At("config").utf8_string()},
        {"LANG", lang},
        {"LC_ALL", ""},
        {"LC_MESSAGES", ""},
        {"LANGUAGE", ""},
        {"NO_AT_BRIDGE", "1"},
    };
    if (!display) {
        changes["DISPLAY"] = "";
    }
    return testsupport::EnvironmentWith(changes);
}

void ExpectLocaleAvailable(const std::string& lang) {
    const testsupport::ProgramRun run =
        testsupport::RunProgram({"/usr/bin/locale", "-a"}, testsupport::EnvironmentWith({}));
    const std::string wanted = Lower(lang.substr(0, lang.find('.'))) + ".utf8";
    ASSERT_NE(Lower(run.out).find(wanted), std::string::npos)
        << "the locale " << lang << " is not made on this machine (scripts/setup.sh makes it)";
}

TEST(InstalledLayout, TheCommandIsARelativeLinkToTheProgramBesideItsFiles) {
    struct stat info {};
    ASSERT_EQ(lstat(kCommand.c_str(), &info), 0) << kCommand;
    ASSERT_TRUE(S_ISLNK(info.st_mode)) << "bin/tessarin is a symbolic link";
    EXPECT_EQ(fs::read_symlink(kCommand).string(), "../lib/tessarin/tessarin")
        << "relative, so that the tree works under any prefix";
    EXPECT_EQ(fs::canonical(kCommand), fs::canonical(kProgramDir + "/tessarin"));
    EXPECT_EQ(access(kCommand.c_str(), X_OK), 0);

    std::vector<std::string> files = {"icons/tessarin.png"};
    for (const std::string& lang : Split(TESSARIN_CATALOG_LANGUAGES, ',')) {
        files.push_back("locale/" + lang + "/LC_MESSAGES/tessarin.mo");
    }
    for (const std::string& lang : Split(TESSARIN_HELP_LANGUAGES, ',')) {
        files.push_back("docs/" + lang + "/tessarin.htb");
    }
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string path = kProgramDir + "/" + file;
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_GT(info.st_size, 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << "readable by every user";
    }

    // The dictionary is the system's word list, which the package depends on.
    const std::string dictionary = kProgramDir + "/dict/english.dic";
    ASSERT_EQ(lstat(dictionary.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(fs::read_symlink(dictionary).string(), TESSARIN_WORD_LIST);
    EXPECT_TRUE(fs::is_regular_file(dictionary)) << "the link leads to the word list";
}

TEST(InstalledLayout, TheDesktopFindsTheEntryTheIconAtEverySizeAndTheManualPage) {
    const std::string entry = ReadFile(kPrefix + "/share/applications/tessarin.desktop");
    ASSERT_FALSE(entry.empty());
    const std::string icon = ValueOf(entry, "Icon");
    const std::string command = Split(ValueOf(entry, "Exec"), ' ').at(0);
    EXPECT_EQ(command, "tessarin");
    EXPECT_TRUE(fs::exists(kPrefix + "/bin/" + command)) << "Exec names the installed command";

    for (const int size : ApplicationIconSizes()) {
        SCOPED_TRACE(size);
        const std::string path = kPrefix + "/share/icons/hicolor/" + std::to_string(size) + "x" +
                                 std::to_string(size) + "/apps/" + icon + ".png";
        const std::string png = ReadFile(path);
        ASSERT_GE(png.size(), 24u) << path;
        EXPECT_EQ(png.substr(1, 3), "PNG");
        // The picture's width and height, big-endian, in the header chunk.
        const auto number = [&](size_t at) {
            return (static_cast<unsigned char>(png[at]) << 24) |
                   (static_cast<unsigned char>(png[at + 1]) << 16) |
                   (static_cast<unsigned char>(png[at + 2]) << 8) |
                   static_cast<unsigned char>(png[at + 3]);
        };
        EXPECT_EQ(number(16), size);
        EXPECT_EQ(number(20), size);
    }
    EXPECT_GE(ApplicationIconSizes().front(), 16);
    EXPECT_GE(ApplicationIconSizes().back(), 256);

    const std::string metainfo =
        ReadFile(kPrefix + "/share/metainfo/org.tessarin.tessarin.metainfo.xml");
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">tessarin.desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(metainfo.find("<binary>" + command + "</binary>"), std::string::npos);

    const std::string manual = ReadFile(kPrefix + "/share/man/man1/tessarin.1.gz");
    ASSERT_GE(manual.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(manual[0]), 0x1f) << "compressed with gzip";
    EXPECT_EQ(static_cast<unsigned char>(manual[1]), 0x8b);
}

TEST(InstalledLayout, TheDesktopEntryTheMetainfoAndTheManualPagePassTheirValidators) {
    struct Case {
        const char* validator;
        std::vector<std::string> words;
        bool silent;  // a warning on standard error counts as a failure too
    };
    const Case cases[] = {
        {"desktop-file-validate",
         {"desktop-file-validate", kPrefix + "/share/applications/tessarin.desktop"},
         false},
        {"appstreamcli",
         {"appstreamcli", "validate", "--no-net",
          kPrefix + "/share/metainfo/org.tessarin.tessarin.metainfo.xml"},
         false},
        {"man", {"man", "--warnings", "-l", kPrefix + "/share/man/man1/tessarin.1.gz"}, true},
    };
    int validated = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.validator);
        if (!ProgramFound(c.validator)) {
            continue;
        }
        std::vector<std::string> words = c.words;
        words[0] = "/usr/bin/" + words[0];
        // A locale every machine has, so that only the file can give a warning.
        const testsupport::ProgramRun run = testsupport::RunProgram(
            words, testsupport::EnvironmentWith({{"LANG", "C.UTF-8"}, {"LC_ALL", ""}}));
        EXPECT_EQ(run.status, 0) << run.out << run.err;
        if (c.silent) {
            EXPECT_EQ(run.err, "");
        }
        ++validated;
    }
    if (validated == 0) {
        GTEST_SKIP() << "no validator is installed";
    }
}

// A user's settings: the combination list with one dictionary word of seven letters.
std::string DictionaryWordSettings() {
    return "Standard=0\nDeterSimplePassword=0\nPluralCreate=0\n"
           "[CombinationUseChar/001]\nDictionary=1\nDictionaryMin=7\nDictionaryMax=7\n";
}

TEST(InstalledProgram, MakesWordsOfTheSystemWordListThroughTheLinkFromAnotherDirectory) {
    TempDirectory home;
    home.MakeDir("home");
    home.MakeDir("config");
    home.MakeDir("elsewhere");
    home.WriteFile("settings.ini", DictionaryWordSettings());
    const testsupport::ProgramRun run = testsupport::RunProgram(
        {kCommand, "-i", home.At("settings.ini").utf8_string(), "--generate", "--count=20"},
        UserEnvironment(home, "C.UTF-8", false), {}, home.At("elsewhere").utf8_string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    std::set<std::string> words;
    for (const std::string& word : Split(ReadFile(TESSARIN_WORD_LIST), '\n')) {
        words.insert(Lower(word));
    }
    const std::vector<std::string> lines = Split(run.out, '\n');
    EXPECT_EQ(lines.size(), 20u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), 7u) << line;
        EXPECT_EQ(words.count(Lower(line)), 1u) << "a word of the system's list: " << line;
    }
}

TEST(InstalledProgram, SpeaksTheLanguageOfTheUsersLocaleOnTheCommandLine) {
    ExpectLocaleAvailable("ja_JP.UTF-8");
    const std::string english = "--count must be from 1 to 1000";
    const std::string japanese =
        wxString::Format(wxString::FromUTF8(Translated("ja", "--count must be from 1 to %ld")),
                         1000L)
            .utf8_string();
    ASSERT_NE(japanese, english) << "the catalog translates the message";
    struct Case {
        const char* lang;
        std::string expected;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", japanese},
        {"C.UTF-8", english},
        {"en_US.UTF-8", english},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        TempDirectory home;
        home.MakeDir("home");
        home.MakeDir("config");
        const testsupport::ProgramRun run = testsupport::RunProgram(
            {kCommand, "--generate", "--count=0"}, UserEnvironment(home, c.lang, false), {},
            home.Root().utf8_string());
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.expected + "\n");
    }
}

// The installed program on the test's display, started through the link from another working
// directory by a Japanese user.
class InstalledWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ExpectLocaleAvailable("ja_JP.UTF-8");
        home.MakeDir("home");
        home.MakeDir("config");
        home.MakeDir("elsewhere");
    }

    std::unique_ptr<testsupport::BackgroundProgram> Start(const std::vector<std::string>& options) {
        std::vector<std::string> words = {kCommand, "-i", home.At("settings.ini").utf8_string()};
        words.insert(words.end(), options.begin(), options.end());
        return std::make_unique<testsupport::BackgroundProgram>(
            words, UserEnvironment(home, "ja_JP.UTF-8", true), home.At("elsewhere").utf8_string(),
            home.At("program.err").utf8_string());
    }

    static Window WaitForWindow(pid_t pid, const std::function<bool(const std::string&)>& wanted) {
        return testsupport::WaitForWindowOf(pid, wanted,
                                            std::chrono::milliseconds(kLimitMilliseconds));
    }

    TempDirectory home;
};

TEST_F(InstalledWindowTest, TheVersionBoxIsInJapanese) {
    const std::string title =
        wxString::Format(wxString::FromUTF8(Translated("ja", "About %s")), "tessarin")
            .utf8_string();
    ASSERT_NE(title, "About tessarin");
    auto program = Start({"-v"});
    ASSERT_TRUE(program->Started());
    const Window box =
        WaitForWindow(program->Pid(), [&](const std::string& shown) { return shown == title; });
    ASSERT_NE(box, None) << "no window titled " << title << "; " << program->Errors();
    // OK has the keyboard focus; it closes the box and the program ends.
    ASSERT_TRUE(testsupport::PressKeyIn(box, XK_Return));
    ASSERT_TRUE(program->WaitForExit(kLimitMilliseconds)) << program->Errors();
    EXPECT_EQ(program->Status(), 0) << program->Errors();
}

TEST_F(InstalledWindowTest, TheHelpButtonOpensTheJapaneseHelpBook) {
    // The book's title, as its project file gives it; the viewer shows it in its title.
    const std::string bookTitle = ValueOf(ReadFile(TESSARIN_JAPANESE_HELP_PROJECT), "Title");
    ASSERT_FALSE(bookTitle.empty());
    // The password is put straight on the clipboard, which shows when the window answers keys.
    home.WriteFile("settings.ini", "NonShow=1\n");
    auto program = Start({});
    ASSERT_TRUE(program->Started());
    const Window frame =
        WaitForWindow(program->Pid(), [](const std::string& shown) { return shown == "tessarin"; });
    ASSERT_NE(frame, None) << program->Errors();

    // Create has the keyboard focus and stays there after making a password; Plurality and
    // Preferences come next, then Help.
    ASSERT_TRUE(testsupport::PressKeyForNewClipboardOwner(
        frame, XK_Return, std::chrono::milliseconds(kLimitMilliseconds)))
        << "the window did not make a password; " << program->Errors();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(testsupport::PressKeyIn(frame, XK_Tab));
    }
    ASSERT_TRUE(testsupport::PressKeyIn(frame, XK_space));
    const Window help = WaitForWindow(program->Pid(), [&](const std::string& shown) {
        return shown.find(bookTitle) != std::string::npos;
    });
    EXPECT_NE(help, None) << "no help window titled with " << bookTitle << "; "
                          << program->Errors();

    ASSERT_TRUE(program->Signal(SIGTERM));
    ASSERT_TRUE(program->WaitForExit(kLimitMilliseconds)) << program->Errors();
    EXPECT_EQ(program->Status(), 0) << program->Errors();
    EXPECT_TRUE(fs::exists(home.At("settings.ini").utf8_string())) << "the settings are saved";
}

// The Debian package made from the same install rules.
TEST(DebianPackage, CarriesTheLayoutAndDependsOnTheToolkitAndTheWordList) {
    TempDirectory out;
    const testsupport::ProgramRun made = testsupport::RunProgram(
        {TESSARIN_CPACK, "--config", TESSARIN_BUILD_DIR "/CPackConfig.cmake", "-B",
         out.Root().utf8_string()},
        testsupport::EnvironmentWith({}), {}, out.Root().utf8_string(), 300);
    ASSERT_EQ(made.status, 0) << made.out << made.err;
    std::string package;
    for (const auto& entry : fs::directory_iterator(out.Root().utf8_string())) {
        if (entry.path().extension() == ".deb") {
            package = entry.path().string();
        }
    }
    ASSERT_FALSE(package.empty()) << made.out;

    const auto field = [&](const char* name) {
        const testsupport::ProgramRun run = testsupport::RunProgram(
            {"/usr/bin/dpkg-deb", "--field", package, name}, testsupport::EnvironmentWith({}));
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    };
    EXPECT_EQ(field("Package"), "tessarin\n");
    EXPECT_EQ(field("Version"), TESSARIN_VERSION "\n");
    const std::string depends = field("Depends");
    for (const char* dependency : {"libwxgtk3.2-1", "libwxbase3.2-1", "wamerican"}) {
        EXPECT_NE(depends.find(dependency), std::string::npos) << depends;
    }

    const testsupport::ProgramRun listing = testsupport::RunProgram(
        {"/usr/bin/dpkg-deb", "--contents", package}, testsupport::EnvironmentWith({}));
    ASSERT_EQ(listing.status, 0) << listing.err;
    for (const char* line :
         {"./usr/bin/tessarin -> ../lib/tessarin/tessarin",
          "./usr/lib/tessarin/dict/english.dic -> " TESSARIN_WORD_LIST,
          "./usr/lib/tessarin/tessarin", "./usr/lib/tessarin/docs/ja/tessarin.htb",
          "./usr/lib/tessarin/locale/ja/LC_MESSAGES/tessarin.mo",
          "./usr/share/applications/tessarin.desktop",
          "./usr/share/icons/hicolor/256x256/apps/tessarin.png",
          "./usr/share/man/man1/tessarin.1.gz"}) {
        EXPECT_NE(listing.out.find(line), std::string::npos) << line;
    }
}

}  // namespace
