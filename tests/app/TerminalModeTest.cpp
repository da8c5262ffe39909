// The program run from a terminal, as its users script it: the built program, a settings file
// of each test's own, a small word list of its own, and no display at all.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/ProcessFacts.h"
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

// A copy of the program (the command and the window program) in a directory of its own, beside
// a word list of four-letter words, so that the program finds that list as its dictionary.
class TerminalModeTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        program = new TempDirectory;
        program->MakeDir("dict");
        program->WriteFile("dict/words.dic", "lamp\ndesk\nmoon\nfork\n");
        fs::copy_file(TESSARIN_EXECUTABLE, program->At("tessarin").utf8_string());
        fs::permissions(program->At("tessarin").utf8_string(), fs::perms::owner_all);
        // The window program beside it, for the requests that want a window.
        fs::copy_file(TESSARIN_WINDOW_EXECUTABLE, program->At("tessarin-window").utf8_string());
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
                                const std::string& settings = {}, const std::string& input = {},
                                const testsupport::StandardStreams& streams = {}) {
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
            input, home.Root().utf8_string(), 60, streams);
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
        {{"-c"}, " \n\r\n\t"},        {{"-e", "-g"}, ""},           {{"-e", "-c"}, ""},
        {{"-e", "-n", "3"}, ""},      {{"-e", "--level=1"}, ""},    {{"-e", "-v"}, ""},
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

// The figure of the stored settings, with a point whatever the locale, and its word; settings
// that make no password say why and end with status 1.
TEST_F(TerminalModeTest, TheEntropyOptionPrintsTheFigureOfTheSettingsAndItsWord) {
    struct Case {
        const char* name;
        std::string settings;
        const char* out;
    };
    const std::string noCheck = "DeterSimplePassword=0\n";
    const Case cases[] = {
        // 12 log2 36 = 62.04
        {"twelve of 36 characters", Settings(noCheck, "UseAllKind=0\n"), "62.0 bits, fair\n"},
        // 20 log2 36 = 103.40, less the little that the guaranteed kinds take
        {"twenty of 36 characters, each kind guaranteed", Settings(noCheck, "Length=20\n"),
         "103.4 bits, strong\n"},
        // A fixed text adds nothing: 12 log2 10 = 39.86
        {"a fixed text and twelve digits",
         Settings(
             "Standard=0\n" + noCheck,
             Record(1, "Fixed=1\nFixedString=ID-\n") +
                 Record(2, "Length=12\nAlphabetUpper=0\nAlphabetLower=0\nNumeric=1\nSymbol=0\n")),
         "39.9 bits, weak\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testsupport::ProgramRun run = Run({"--entropy"}, c.settings);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }

    // The figure has a point in any locale; the French one writes numbers with a comma.
    home.WriteFile("settings.ini", Settings(noCheck, "UseAllKind=0\n"));
    const testsupport::ProgramRun french = testsupport::RunProgram(
        {program->At("tessarin").utf8_string(), "-i", SettingsPath(), "--entropy"},
        testsupport::EnvironmentWith({{"DISPLAY", ""},
                                      {"HOME", home.At("home").utf8_string()},
                                      {"XDG_CONFIG_HOME", home.At("config").utf8_string()},
                                      {"LC_ALL", "fr_FR.UTF-8"},
                                      {"LANGUAGE", ""}}));
    EXPECT_EQ(french.out, "62.0 bits, fair\n") << french.err;

    const testsupport::ProgramRun none = Run({"-e"}, Settings("Standard=0\n"));
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(LinesOf(none.err).size(), 1u) << none.err;
}

TEST_F(TerminalModeTest, HelpListsEveryOptionWithoutADisplay) {
    const testsupport::ProgramRun run = Run({"--help"}, kStandard);
    EXPECT_EQ(run.status, 0);
    const std::string text = run.out + run.err;
    for (const char* option : {"--help", "--initial", "--version", "--generate", "--count",
                               "--check", "--level", "--entropy"}) {
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

namespace {

const std::string kMebibyteOfA(1024 * 1024, 'a');
const std::string kTooLong =
    "tessarin: line 2 of standard input is longer than 1 MiB; the check stops there\n";

TEST_F(TerminalModeTest, CheckJudgesLineByLineAndStopsAtALineLongerThanOneMebibyte) {
    struct Case {
        const char* name;
        std::string input;
        testsupport::StandardStreams streams;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"a line of exactly 1 MiB is judged",
         "Kq7#mZ2pL\n" + kMebibyteOfA + "\r\nVw9!xT4r",
         {},
         1,
         "Kq7#mZ2pL\t : OK\n" + kMebibyteOfA +
             "\t : There is a sequential number\nVw9!xT4r\t : OK\n"
             "A weak password was found. ( 1 / 3 )\n",
         ""},
        {"one byte more ends the check after the lines before it",
         "Kq7#mZ2pL\r\n" + kMebibyteOfA + "a\nVw9!xT4r\n",
         {},
         2,
         "Kq7#mZ2pL\t : OK\n",
         kTooLong},
        {"a blank line counts, a line end of CR LF is one end",
         "\r\n" + kMebibyteOfA + "a",
         {},
         2,
         "",
         kTooLong},
        {"an endless line", "", testsupport::StandardStreams::InputFrom("/dev/zero"), 2, "",
         "tessarin: line 1 of standard input is longer than 1 MiB; the check stops there\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testsupport::ProgramRun run = Run({"-c"}, kStandard, c.input, c.streams);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.out == c.out) << run.out.substr(0, 200);
        EXPECT_EQ(run.err, c.err);
    }
}

TEST_F(TerminalModeTest, CheckReadsEveryByteThatIsNotUtf8AsAReplacementCharacter) {
    const std::string r = "\xEF\xBF\xBD";
    const testsupport::ProgramRun run = Run({"-c"}, kStandard,
                                            "Tq8#vLp2!xWm\n\xF4\x90\x80\x80Rk4$Np9&Ju7^\nab\xFF"
                                            "cd\n\xED\xA0\x80Zx8#q!Lm2@\n\xC3");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "Tq8#vLp2!xWm\t : OK\n" + r + r + r + r + "Rk4$Np9&Ju7^\t : OK\nab" + r +
                           "cd\t : There is a sequential number\n" + r + r + r +
                           "Zx8#q!Lm2@\t : OK\n" + r +
                           "\t : OK (Off the subject)\nA weak password was found. ( 1 / 5 )\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(TerminalModeTest, AStandardOutputThatCannotBeWrittenIsToldWithStatusThree) {
    struct Output {
        const char* name;
        testsupport::StandardStreams streams;
        const char* reason;
    };
    const Output outputs[] = {
        {"a full disk", testsupport::StandardStreams::OutputTo("/dev/full"),
         "No space left on device"},
        {"a closed output", testsupport::StandardStreams::Closed(false, true),
         "Bad file descriptor"},
    };
    const std::vector<std::string> requests[] = {
        {"-g"}, {"-g", "--count=1000"}, {"-c"}, {"--help"}};
    for (const Output& output : outputs) {
        for (const std::vector<std::string>& options : requests) {
            SCOPED_TRACE(std::string(output.name) + " " + options.back());
            const testsupport::ProgramRun run =
                Run(options, kStandard, "Kq7#mZ2pL\nabc\n", output.streams);
            EXPECT_EQ(run.status, 3);
            EXPECT_EQ(run.err, "tessarin: standard output could not be written: " +
                                   std::string(output.reason) + "\n");
        }
    }
    const testsupport::ProgramRun closedInput =
        Run({"-c"}, kStandard, "", testsupport::StandardStreams::Closed(true, false));
    EXPECT_EQ(closedInput.status, 3);
    EXPECT_EQ(closedInput.out, "");
    EXPECT_EQ(closedInput.err, "tessarin: standard input could not be read: Bad file descriptor\n");
}

TEST_F(TerminalModeTest, ASettingsFileThatIsNoSettingsFileIsToldAndNothingIsMade) {
    const std::string notUtf8 =
        Settings("Standard=0\n", Record(1, "Fixed=1\nFixedString=ab\xF4\x90\x80\x80\n"));
    const std::string picture = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    for (const std::string& settings : {notUtf8, picture}) {
        for (const char* request : {"-g", "-c"}) {
            SCOPED_TRACE(request);
            const testsupport::ProgramRun run = Run({request}, settings, "Kq7#mZ2pL\n");
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "tessarin: " + SettingsPath() +
                                   " does not look like a settings file (it is too large or too "
                                   "long, it holds lines that a settings file does not have, or "
                                   "it is not a plain file)\n");
        }
    }
}

}  // namespace

namespace {

// The program's process as others see it while it runs: the owner of its files under /proc
// (the system's user 0 when the process is not dumpable, whoever runs it) and its core size
// limit.
struct ProcessSeen {
    bool running = false;
    uid_t runAs = 0;
    long procOwner = -1;
    std::string coreLimit;
};

// Runs the check as a user other than the system's own (when the test may choose) and looks
// at the process once its first report has come out, while it waits for more input.
ProcessSeen WatchACheck(const std::string& program) {
    ProcessSeen seen;
    seen.runAs = geteuid() == 0 ? 65534 : geteuid();  // nobody
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        return seen;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(seen.runAs) != 0 || setuid(seen.runAs) != 0)) {
            _exit(126);
        }
        dup2(in[0], 0);
        dup2(out[1], 1);
        for (int fd : {in[0], in[1], out[0], out[1]}) {
            close(fd);
        }
        const std::vector<std::string> words = {program, "-i", "/nonexistent/settings.ini", "-c"};
        const std::vector<std::string> environment =
            testsupport::EnvironmentWith({{"DISPLAY", ""}, {"HOME", "/nonexistent"}});
        std::vector<char*> argv = testsupport::CStrings(words);
        std::vector<char*> envp = testsupport::CStrings(environment);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    // More reports than the program keeps in its output buffer, so some come out at once.
    std::string lines;
    for (int i = 0; i < 2000; ++i) {
        lines += "Kq7#mZ2pL\n";
    }
    const bool fed = write(in[1], lines.data(), lines.size()) == static_cast<ssize_t>(lines.size());
    pollfd ready = {out[0], POLLIN, 0};
    if (fed && poll(&ready, 1, 30000) == 1 && (ready.revents & POLLIN) != 0) {
        char first[16];
        seen.running = read(out[0], first, sizeof first) > 0;
        seen.procOwner = testsupport::ProcOwnerOf(pid);
        seen.coreLimit = testsupport::CoreLimitOf(pid);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(in[1]);
    close(out[0]);
    return seen;
}

TEST_F(TerminalModeTest, NoCoreFileAndNoOtherProcessOfTheUserCanReadTheProgramsMemory) {
    // Others must be able to run the copy.
    fs::permissions(program->Root().utf8_string(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec |
                        fs::perms::group_read | fs::perms::others_read);
    fs::permissions(program->At("tessarin").utf8_string(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const ProcessSeen seen = WatchACheck(program->At("tessarin").utf8_string());
    ASSERT_TRUE(seen.running);
    EXPECT_EQ(seen.coreLimit, "0 0");
    ASSERT_NE(seen.runAs, 0u) << "the owner only tells when the program runs as another user";
    EXPECT_EQ(seen.procOwner, 0) << "the process is not dumpable";
}

}  // namespace

namespace {

// The help and the terminal modes run with the toolkit's base library alone: the dynamic
// loader's own record of the files it loads names no library of the windowed toolkit, GTK,
// GDK or X11.
TEST_F(TerminalModeTest, TheTerminalModesLoadNoLibraryOfTheWindows) {
    const std::vector<std::string> requests[] = {
        {"--help"}, {"-g", "-n", "5"}, {"-c"}, {"--entropy"}};
    for (const std::vector<std::string>& options : requests) {
        SCOPED_TRACE(options.front());
        std::vector<std::string> words = {program->At("tessarin").utf8_string(), "-i",
                                          SettingsPath()};
        words.insert(words.end(), options.begin(), options.end());
        const testsupport::ProgramRun run = testsupport::RunProgram(
            words, testsupport::EnvironmentWith({{"DISPLAY", ""}, {"LD_DEBUG", "files"}}),
            "Kq7#mZ2pL\n");
        ASSERT_EQ(run.status, 0) << run.err.substr(0, 2000);
        EXPECT_NE(run.err.find("libwx_baseu"), std::string::npos) << "the record is there";
        for (const char* library : {"libwx_gtk3u", "libgtk-3", "libgdk-3", "libX11",
                                    "libgdk_pixbuf", "libcairo", "libpango"}) {
            EXPECT_EQ(run.err.find(library), std::string::npos) << library;
        }
    }
}

TEST_F(TerminalModeTest, AMissingWindowProgramIsToldWithItsPath) {
    TempDirectory alone;
    fs::copy_file(TESSARIN_EXECUTABLE, alone.At("tessarin").utf8_string());
    fs::permissions(alone.At("tessarin").utf8_string(), fs::perms::owner_all);
    const testsupport::ProgramRun run =
        testsupport::RunProgram({alone.At("tessarin").utf8_string(), "-i", SettingsPath()},
                                testsupport::EnvironmentWith({{"DISPLAY", ":0"}}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tessarin: the window program " + alone.At("tessarin-window").utf8_string() +
                           " could not be started: No such file or directory\n");
}

}  // namespace

namespace {

// The messages speak the first of the user's languages that the program has a catalog for,
// as the window does; in the C locale, or in a language without one, English. (The built
// program itself, beside its catalogs.)
TEST_F(TerminalModeTest, MessagesSpeakTheFirstOfTheUsersLanguagesThatHasACatalog) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> environment;
        std::string said;
    };
    const std::string japanese = "--count には 1 から 1000 までの値を指定してください\n";
    const std::string english = "--count must be from 1 to 1000\n";
    const Case cases[] = {
        {"Japanese", {{"LANG", "ja_JP.UTF-8"}}, japanese},
        {"a first choice without a catalog",
         {{"LANGUAGE", "de:ja"}, {"LANG", "ja_JP.UTF-8"}},
         japanese},
        {"English", {{"LANG", "C.UTF-8"}}, english},
        {"LANGUAGE in the C locale", {{"LANGUAGE", "ja"}, {"LANG", "C.UTF-8"}}, english},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<std::string, std::string> environment = {
            {"DISPLAY", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}};
        for (const auto& [name, value] : c.environment) {
            environment[name] = value;
        }
        const testsupport::ProgramRun run =
            testsupport::RunProgram({TESSARIN_EXECUTABLE, "-i", SettingsPath(), "-g", "--count=0"},
                                    testsupport::EnvironmentWith(environment));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, c.said);
    }
}

}  // namespace

namespace {

// Whether the program opened its dictionary directory while it ran: the directory is watched
// for being opened or read.
bool ReadsTheDictionary(const std::function<void()>& run, const std::string& directory) {
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0 || inotify_add_watch(watch, directory.c_str(), IN_OPEN | IN_ACCESS) < 0) {
        ADD_FAILURE() << "cannot watch " << directory;
        return false;
    }
    run();
    char events[4096];
    const bool read = ::read(watch, events, sizeof events) > 0;
    close(watch);
    return read;
}

// The dictionary is read only when the settings need its words: for dictionary items, and
// for the check of simple passwords, which looks for words; never for settings without
// either.
TEST_F(TerminalModeTest, TheDictionaryIsReadOnlyWhenTheSettingsNeedItsWords) {
    struct Case {
        const char* name;
        std::string settings;
        std::vector<std::string> options;
        bool reads;
    };
    const Case cases[] = {
        {"the standard page without the check", Settings("DeterSimplePassword=0\n"), {"-g"}, false},
        {"a combination without words and without the check",
         Settings("Standard=0\nDeterSimplePassword=0\n",
                  Record(1, "Fixed=1\nFixedString=ID-\n") + Record(2, "Length=6\n")),
         {"-g", "-n", "5"},
         false},
        {"the check", kStandard, {"-g"}, true},
        {"a dictionary item",
         Settings("Standard=0\nDeterSimplePassword=0\n",
                  Record(1, "Dictionary=1\nDictionaryMin=4\nDictionaryMax=4\n") +
                      Record(2, "Length=3\n")),
         {"-g"},
         true},
        {"checking lines", kStandard, {"-c"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ProgramRun run;
        const bool reads =
            ReadsTheDictionary([&] { run = Run(c.options, c.settings, "Kq7#mZ2pL\n"); },
                               program->At("dict").utf8_string());
        EXPECT_LE(run.status, 1) << run.err;
        EXPECT_NE(run.out, "");
        EXPECT_EQ(reads, c.reads);
    }
}

}  // namespace
