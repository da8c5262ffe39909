// The program run from a terminal, as its users script it: the built program, a settings file
// of each test's own, a small word list of its own, and no display at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempDirectory.h"
#include "support/TextFiles.h"

namespace {

namespace fs = std::filesystem;
using testsupport::LinesOf;

bool AllIn(const std::string& text, const std::string& pool) {
    return !text.empty() && text.find_first_not_of(pool) == std::string::npos;
}

// Every file under the directory, with its size and time of change.
std::set<std::string> Snapshot(const std::string& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        stat(entry.path().c_str(), &info);
        files.insert(entry.path().string() + " " + std::to_string(info.st_size) + " " +
                     std::to_string(info.st_mtim.tv_sec) + "." +
                     std::to_string(info.st_mtim.tv_nsec));
    }
    return files;
}

// A settings file: twelve characters of capital letters and digits on the standard page, in
// single mode, with batches of seven; `root` entries come after the first ones and win over them,
// `groups` follow the standard specification.
std::string Settings(const std::string& root = {}, const std::string& groups = {}) {
    return "Standard=1\n"
           "DeterSimplePassword=1\n"
           "PluralCreate=0\n"
           "PluralCreateCount=7\n" +
           root +
           "[StandardUseChar]\n"
           "Length=12\n"
           "AlphabetUpper=1\n"
           "AlphabetLower=0\n"
           "Numeric=1\n"
           "Symbol=0\n"
           "UseAllKind=1\n" +
           groups;
}
const std::string kStandard = Settings();

// One record of the combination list in the settings file's form.
std::string Record(int number, const std::string& fields) {
    char name[32];
    std::snprintf(name, sizeof name, "[CombinationUseChar/%03d]\n", number);
    return name + fields;
}

// A copy of the program in a directory of its own, beside a word list of four-letter words,
// so that the program finds that list as its dictionary.
class TerminalModeTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        program = new TempDirectory;
        program->MakeDir("dict");
        program->WriteFile("dict/words.dic", "lamp\ndesk\nmoon\nfork\n");
        fs::copy_file(TESSARIN_EXECUTABLE, program->At("tessarin").utf8_string());
        fs::permissions(program->At("tessarin").utf8_string(), fs::perms::owner_all);
    }
    static void TearDownTestSuite() {
        delete program;
        program = nullptr;
    }

    void SetUp() override {
        home.MakeDir("home");
        home.MakeDir("config");
    }

    // Runs the program with the settings file (written first when given) and no display.
    testsupport::ProgramRun Run(const std::vector<std::string>& options,
                                const std::string& settings = {}, const std::string& input = {}) {
        if (!settings.empty()) {
            home.WriteFile("settings.ini", settings);
        }
        std::vector<std::string> words = {program->At("tessarin").utf8_string(), "-i",
                                          SettingsPath()};
        words.insert(words.end(), options.begin(), options.end());
        return testsupport::RunProgram(
            words,
            testsupport::EnvironmentWith({{"DISPLAY", ""},
                                          {"WAYLAND_DISPLAY", ""},
                                          {"HOME", home.At("home").utf8_string()},
                                          {"XDG_CONFIG_HOME", home.At("config").utf8_string()}}),
            input, home.Root().utf8_string());
    }

    std::string SettingsPath() const { return home.At("settings.ini").utf8_string(); }

    static TempDirectory* program;
    TempDirectory home;
};

TempDirectory* TerminalModeTest::program = nullptr;

const std::string kCapitalsAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

TEST_F(TerminalModeTest, GenerateMakesWhatCreateWouldAndTouchesNoFile) {
    struct Case {
        const char* name;
        std::string settings;
        std::vector<std::string> options;
        size_t count;
    };
    const Case cases[] = {
        {"single mode makes one", kStandard, {"--generate"}, 1},
        {"plural mode makes a batch", Settings("PluralCreate=1\n"), {"-g"}, 7},
        {"the count overrides", kStandard, {"-g", "--count=50"}, 50},
        {"short count", kStandard, {"-g", "-n", "3"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        home.WriteFile("settings.ini", c.settings);
        const std::set<std::string> before = Snapshot(home.Root().utf8_string());
        const testsupport::ProgramRun run = Run(c.options);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = LinesOf(run.out);
        EXPECT_EQ(lines.size(), c.count);
        EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size())
            << "no duplicates";
        for (const std::string& line : lines) {
            EXPECT_EQ(line.size(), 12u) << line;
            EXPECT_TRUE(AllIn(line, kCapitalsAndDigits)) << line;
            EXPECT_NE(line.find_first_of("0123456789"), std::string::npos) << "every kind";
            EXPECT_NE(line.find_first_not_of("0123456789"), std::string::npos) << "every kind";
        }
        EXPECT_EQ(Snapshot(home.Root().utf8_string()), before)
            << "no settings file, directory or lock is written";
    }
}

TEST_F(TerminalModeTest, GenerateFollowsTheCombinationList) {
    const std::string settings =
        Settings("Standard=0\n", Record(1, "Fixed=1\nFixedString=ID-\n") +
                                     Record(2, "Dictionary=1\nDictionaryMin=4\nDictionaryMax=4\n") +
                                     Record(3,
                                            "Length=3\nAlphabetUpper=0\nAlphabetLower=0\n"
                                            "Numeric=1\nSymbol=0\nFixed=0\nDictionary=0\n"));
    const testsupport::ProgramRun run = Run({"-g", "--count=20"}, settings);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::set<std::string> words = {"lamp", "desk", "moon", "fork"};
    const std::vector<std::string> lines = LinesOf(run.out);
    EXPECT_EQ(lines.size(), 20u);
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 10u) << line;
        EXPECT_EQ(line.substr(0, 3), "ID-");
        std::string word = line.substr(3, 4);
        std::transform(word.begin(), word.end(), word.begin(), ::tolower);
        EXPECT_EQ(words.count(word), 1u) << "a word of the program's own list: " << line;
        EXPECT_TRUE(AllIn(line.substr(7), "0123456789")) << line;
    }
}

TEST_F(TerminalModeTest, GenerationThatCannotWorkSaysWhyOnStandardErrorOnly) {
    struct Case {
        const char* name;
        std::string settings;
        std::vector<std::string> options;
        const char* message;
    };
    const std::string oneDigit =
        "Standard=1\nDeterSimplePassword=0\n[StandardUseChar]\nLength=1\nAlphabetUpper=0\n"
        "AlphabetLower=0\nNumeric=1\nSymbol=0\nUseAllKind=0\n";
    const Case cases[] = {
        {"a batch that must give up",
         oneDigit,
         {"-g", "--count=11"},
         "Give up!.\nPlease reconsider the setting\n"},
        {"a bare dictionary word",
         Settings("Standard=0\n", Record(1, "Dictionary=1\nDictionaryMin=4\nDictionaryMax=4\n")),
         {"-g"},
         "A simple password only of the dictionary word is generated.\nPlease reconsider the "
         "setting\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testsupport::ProgramRun run = Run(c.options, c.settings);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "") << "nothing on standard output";
        EXPECT_EQ(run.err, c.message);
    }
}

TEST_F(TerminalModeTest, CheckReportsEveryTestableLineAndTheSummary) {
    struct Case {
        const char* name;
        std::string input;
        std::vector<std::string> options;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"mixed line ends, blank lines and spaces",
         "abcdef\r\n\r\n  Kq7#mZ2pL  \rab\n \n",
         {"--check"},
         1,
         "abcdef\t : There is a sequential number\n"
         "Kq7#mZ2pL\t : OK\n"
         "ab\t : OK (Off the subject)\n"
         "A weak password was found. ( 1 / 3 )\n"},
        {"all strong",
         "Kq7#mZ2pL\nVw9!xT4r",
         {"-c"},
         0,
         "Kq7#mZ2pL\t : OK\nVw9!xT4r\t : OK\nAll OK.\n"},
        {"a word from the program's own list",
         "Moon\n",
         {"-c"},
         1,
         "Moon\t : The dictionary word is used\nA weak password was found. ( 1 / 1 )\n"},
        {"punctuation hides a run from the standard level",
         "mn'opq\n",
         {"-c", "--level=1"},
         0,
         "mn'opq\t : OK\nAll OK.\n"},
        {"but not from the high level",
         "mn'opq\n",
         {"-c", "--level=2"},
         1,
         "mn'opq\t : There is a sequential number\nA weak password was found. ( 1 / 1 )\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testsupport::ProgramRun run = Run(c.options, kStandard, c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(TerminalModeTest, WrongRequestsEndWithOneLineAndStatusTwo) {
    struct Case {
        std::vector<std::string> options;
        const char* input;
    };
    const Case cases[] = {
        {{"-g", "--count=0"}, ""},    {{"-g", "--count=1001"}, ""}, {{"-g", "--count=abc"}, ""},
        {{"-c", "--level=3"}, "x\n"}, {{"-g", "-c"}, ""},           {{"--count=5"}, ""},
        {{"-g", "--level=1"}, ""},    {{"-c", "-n", "5"}, "x\n"},   {{"-g", "--bogus"}, ""},
        {{"-c"}, " \n\r\n\t"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& option : c.options) {
            shown += option + " ";
        }
        SCOPED_TRACE(shown);
        const testsupport::ProgramRun run = Run(c.options, kStandard, c.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(LinesOf(run.err).size(), 1u) << run.err;
    }
}

TEST_F(TerminalModeTest, HelpListsEveryOptionWithoutADisplay) {
    const testsupport::ProgramRun run = Run({"--help"}, kStandard);
    EXPECT_EQ(run.status, 0);
    const std::string text = run.out + run.err;
    for (const char* option :
         {"--help", "--initial", "--version", "--generate", "--count", "--check", "--level"}) {
        EXPECT_NE(text.find(option), std::string::npos) << option;
    }
}

TEST_F(TerminalModeTest, AMissingSettingsFileMeansTheDefaultsAndIsNotCreated) {
    const testsupport::ProgramRun run = Run({"-g"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LinesOf(run.out).size(), 1u);
    EXPECT_FALSE(fs::exists(SettingsPath()));
    EXPECT_TRUE(fs::is_empty(home.At("config").utf8_string()));
}

}  // namespace

namespace {

TEST_F(TerminalModeTest, AStoredWindowPositionIsReadWithoutAWordOnStandardError) {
    const std::string settings = Settings() + "[MainPosition]\nX=5000\nY=-40\n";
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--generate"}, std::vector<std::string>{"--check"}}) {
        SCOPED_TRACE(options.front());
        const testsupport::ProgramRun run = Run(options, settings, "lamp\nZx8#q!Lm2@\n");
        EXPECT_NE(run.out, "");
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(TerminalModeTest, WithoutADisplayTheWindowSaysSoAndAWrongCommandLineIsToldFirst) {
    struct Case {
        const char* name;
        std::vector<std::string> options;
        int status;
        const char* said;  // the last line on standard error
    };
    const Case cases[] = {
        {"the window",
         {},
         1,
         "tessarin: no display could be opened (DISPLAY is not set); --generate and --check "
         "work without one"},
        {"the version box",
         {"-v"},
         1,
         "tessarin: no display could be opened (DISPLAY is not set); --generate and --check "
         "work without one"},
        {"an unknown option", {"-x"}, 2, "Unknown option 'x'"},
        {"a stray word", {"extra"}, 2, "Unexpected parameter 'extra'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testsupport::ProgramRun run = Run(c.options, kStandard);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, "");
        const std::vector<std::string> lines = LinesOf(run.err);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.said) << run.err;
        if (c.status == 1) {
            EXPECT_EQ(lines.size(), 1u) << run.err;
        }
    }
}

}  // namespace
