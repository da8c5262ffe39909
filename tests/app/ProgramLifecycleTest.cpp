// The built program started and ended as its users do it: from a terminal with options, on
// the test's display until the session asks it to end, and through links and the search path.
// Each test has its own home and configuration directories.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "framework/orlIdentity.h"
#include "support/BackgroundProgram.h"
#include "support/DisplayClipboard.h"
#include "support/DisplayEvents.h"
#include "support/ProcessFacts.h"
#include "support/RunProgram.h"
#include "support/TempDirectory.h"
#include "support/TextFiles.h"

// Xlib names a type Status with a macro, which would hide the program's Status().
#undef Status

namespace {

namespace fs = std::filesystem;
using testsupport::LinesOf;
using testsupport::ReadFile;

constexpr int kLimitMilliseconds = 60000;

std::set<std::string> FilesUnder(const std::string& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        files.insert(fs::relative(entry.path(), root).string());
    }
    return files;
}

class ProgramLifecycleTest : public testing::Test {
  protected:
    void SetUp() override {
        dir.MakeDir("home");
        dir.MakeDir("config");
    }

    std::string At(const char* relative) const { return dir.At(relative).utf8_string(); }
    std::string Home() const { return At("home"); }
    std::string SettingsPath() const { return At("settings.ini"); }

    // The environment of the test with the home and configuration directories of its own.
    std::vector<std::string> Environment(const std::string& path = {}) const {
        std::map<std::string, std::string> changes = {
            {"HOME", Home()}, {"XDG_CONFIG_HOME", At("config")}, {"NO_AT_BRIDGE", "1"}};
        if (!path.empty()) {
            changes["PATH"] = path;
        }
        return testsupport::EnvironmentWith(changes);
    }

    void ExpectNothingWritten() const {
        EXPECT_FALSE(fs::exists(SettingsPath()));
        EXPECT_TRUE(FilesUnder(Home()).empty());
        EXPECT_TRUE(FilesUnder(At("config")).empty());
    }

    TempDirectory dir;
};

TEST_F(ProgramLifecycleTest, TheHelpPrintsTheUsageOnStandardOutputAndWritesNothing) {
    for (const char* help : {"-h", "--help"}) {
        SCOPED_TRACE(help);
        const testsupport::ProgramRun run = testsupport::RunProgram(
            {TESSARIN_EXECUTABLE, "-i", SettingsPath(), help}, Environment());
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.rfind("Usage: tessarin ", 0), 0u) << run.out;
        for (const char* option : {"-h, --help", "-i, --initial=<str>", "-v, --version"}) {
            EXPECT_NE(run.out.find(option), std::string::npos) << option;
        }
        ExpectNothingWritten();
    }
}

TEST_F(ProgramLifecycleTest, AWrongCommandLineEndsWithTheUsageTheErrorAndStatusTwo) {
    struct Case {
        std::vector<std::string> options;
        const char* error;
    };
    const Case cases[] = {
        {{"-i", SettingsPath(), "-x"}, "Unknown option 'x'"},
        {{"-i", SettingsPath(), "extra"}, "Unexpected parameter 'extra'"},
        {{"-i"}, "Option 'i' requires a value."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        std::vector<std::string> words = {TESSARIN_EXECUTABLE};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const testsupport::ProgramRun run = testsupport::RunProgram(words, Environment());
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("Usage: tessarin ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("-i, --initial=<str>"), std::string::npos) << run.err;
        const std::vector<std::string> lines = LinesOf(run.err);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.error) << "the error follows the usage";
        ExpectNothingWritten();
    }
}

// The session ending, a kill, or Ctrl+C in the terminal: the window closes as if the user had
// closed it, the settings are written and the program ends normally.
TEST_F(ProgramLifecycleTest, ARequestToEndClosesTheWindowAndWritesTheSettings) {
    const std::string lock = Home() + "/.tessarin-" + orlGetIdentity().GetLoginName().utf8_string();
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        fs::remove(SettingsPath());
        testsupport::BackgroundProgram program({TESSARIN_EXECUTABLE, "-i", SettingsPath()},
                                               Environment(), dir.Root().utf8_string(),
                                               At("program.err"));
        ASSERT_TRUE(program.Started());
        // The single-instance name is taken once a request to end is safe to send.
        ASSERT_TRUE(program.WaitForDirectory(
            Home(), [&] { return fs::exists(lock); }, kLimitMilliseconds))
            << program.Errors();
        EXPECT_FALSE(fs::exists(SettingsPath())) << "written at the end, not before";
        EXPECT_EQ(testsupport::CoreLimitOf(program.Pid()), "0 0") << "no core file";

        ASSERT_TRUE(program.Signal(signal));
        ASSERT_TRUE(program.WaitForExit(kLimitMilliseconds)) << program.Errors();
        EXPECT_EQ(program.Status(), 0) << program.Errors();

        const std::string settings = ReadFile(SettingsPath());
        EXPECT_EQ(settings.rfind("Version=0.9.3\n", 0), 0u) << settings;
        EXPECT_NE(settings.find("[StandardUseChar]\n"), std::string::npos) << settings;
        struct stat info {};
        ASSERT_EQ(stat(SettingsPath().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << "the settings are the user's own";
        EXPECT_FALSE(fs::exists(lock)) << "the single-instance name is released";
    }
}

// The window draws with the processor alone: the display's OpenGL driver, which GTK would load
// as it starts (on a machine without a graphics driver, the software renderer and its
// compiler), is never loaded into the process. GTK probes it only when no GTK program before
// it on the display has left the result on the root window, as the test process has.
TEST_F(ProgramLifecycleTest, TheWindowAppearsWithoutLoadingOpenGL) {
    Display* display = testsupport::XDisplay();
    XDeleteProperty(display, DefaultRootWindow(display),
                    XInternAtom(display, "GDK_VISUALS", False));
    XSync(display, False);
    const std::vector<std::string> environment =
        testsupport::EnvironmentWith({{"HOME", Home()},
                                      {"XDG_CONFIG_HOME", At("config")},
                                      {"NO_AT_BRIDGE", "1"},
                                      {"GDK_GL", ""}});
    testsupport::BackgroundProgram program({TESSARIN_EXECUTABLE, "-i", SettingsPath()}, environment,
                                           dir.Root().utf8_string(), At("program.err"));
    ASSERT_TRUE(program.Started());
    const Window frame = testsupport::WaitForWindowOf(
        program.Pid(), [](const std::string& title) { return title == "tessarin"; },
        std::chrono::milliseconds(kLimitMilliseconds));
    ASSERT_NE(frame, None) << program.Errors();

    const std::vector<std::string> maps =
        LinesOf(ReadFile("/proc/" + std::to_string(program.Pid()) + "/maps"));
    ASSERT_FALSE(maps.empty());
    std::set<std::string> loaded;
    for (const std::string& line : maps) {
        for (const char* library : {"/libGL", "/libEGL", "/dri/", "/libLLVM"}) {
            if (line.find(library) != std::string::npos) {
                loaded.insert(line.substr(line.find('/')));
            }
        }
    }
    EXPECT_TRUE(loaded.empty()) << testing::PrintToString(loaded);
    ASSERT_TRUE(program.Signal(SIGTERM));
    ASSERT_TRUE(program.WaitForExit(kLimitMilliseconds)) << program.Errors();
    EXPECT_EQ(program.Status(), 0) << program.Errors();
    EXPECT_EQ(program.Errors(), "");
}

// A request to end while dialogs are open, one shown from another: each is cancelled, from
// the innermost out, before the window closes; nothing typed into them is kept, the settings
// are written and the program ends normally. (Closing the window under an open dialog used to
// destroy that dialog twice and abort the program.)
TEST_F(ProgramLifecycleTest, ARequestToEndCancelsTheOpenDialogsFirst) {
    const std::chrono::milliseconds limit(kLimitMilliseconds);
    // The password goes straight to the clipboard, which shows when the window answers keys.
    dir.WriteFile("settings.ini", "NonShow=1\n");
    testsupport::BackgroundProgram program({TESSARIN_EXECUTABLE, "-i", SettingsPath()},
                                           Environment(), dir.Root().utf8_string(),
                                           At("program.err"));
    ASSERT_TRUE(program.Started());
    const auto titled = [](const char* title) {
        return [title](const std::string& shown) { return shown == title; };
    };
    const Window frame = testsupport::WaitForWindowOf(program.Pid(), titled("tessarin"), limit);
    ASSERT_NE(frame, None) << program.Errors();
    ASSERT_TRUE(testsupport::PressKeyForNewClipboardOwner(frame, XK_Return, limit))
        << program.Errors();

    // Create keeps the keyboard focus; Plurality comes next, then Preferences.
    for (const KeySym key : {XK_Tab, XK_Tab, XK_space}) {
        ASSERT_TRUE(testsupport::PressKeyIn(frame, key));
    }
    const Window preferences =
        testsupport::WaitForWindowOf(program.Pid(), titled("Preferences"), limit);
    ASSERT_NE(preferences, None) << program.Errors();
    // From the list of pages to the capital letters, whose text is selected on the way in and
    // rubbed out; OK then complains in a box of its own.
    for (const KeySym key : {XK_Tab, XK_BackSpace, XK_Return}) {
        ASSERT_TRUE(testsupport::PressKeyIn(preferences, key));
    }
    ASSERT_NE(testsupport::WaitForWindowOf(program.Pid(), titled("Error"), limit), None)
        << program.Errors();

    ASSERT_TRUE(program.Signal(SIGTERM));
    ASSERT_TRUE(program.WaitForExit(kLimitMilliseconds)) << program.Errors();
    EXPECT_EQ(program.Status(), 0) << program.Errors();
    const std::string settings = ReadFile(SettingsPath());
    EXPECT_NE(settings.find("\nCapitalLetter=ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"), std::string::npos)
        << "the emptied field was cancelled: " << settings;
}

// A copy of the program with a word list of its own beside it. The link's directory and the
// working directory hold other word lists, so that a word shows which list was loaded.
TEST_F(ProgramLifecycleTest, TheDictionaryIsFoundBesideTheProgramHoweverItIsStarted) {
    const std::set<std::string> ownWords = {"lamp", "desk", "moon", "fork"};
    for (const char* place : {"program", "links", "work"}) {
        dir.MakeDir(place);
        dir.MakeDir(wxString(place) + "/dict");
    }
    dir.WriteFile("program/dict/words.dic", "lamp\ndesk\nmoon\nfork\n");
    dir.WriteFile("links/dict/words.dic", "quiz\njazz\nfizz\nbuzz\n");
    dir.WriteFile("work/dict/words.dic", "hymn\nlynx\nmyth\ngypsy\n");
    fs::copy_file(TESSARIN_EXECUTABLE, At("program/tessarin"));
    fs::permissions(At("program/tessarin"), fs::perms::owner_all);
    dir.MakeLink(dir.At("program/tessarin"), "links/tessarin");
    // One item of a single dictionary word, and nothing that would refuse it.
    dir.WriteFile("settings.ini",
                  "Standard=0\nDeterSimplePassword=0\nPluralCreate=0\nPermitDuplication=1\n"
                  "[CombinationUseChar/001]\nDictionary=1\nDictionaryMin=4\nDictionaryMax=4\n");

    // Each start goes through the shell, which gives the program the command's name as its
    // first word, as a user's shell does.
    struct Case {
        const char* name;
        std::string command;
        std::string directory;
        std::string path;
    };
    const Case cases[] = {
        {"through a link, from another directory", At("links/tessarin"), At("work"), {}},
        {"through a link by a relative name", "./tessarin", At("links"), {}},
        {"through the search path, from another directory", "tessarin", At("work"),
         At("links") + ":/usr/bin:/bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testsupport::ProgramRun run = testsupport::RunProgram(
            {"/bin/sh", "-c", "exec " + c.command + " -g -n 20 -i \"$0\"", SettingsPath()},
            Environment(c.path), {}, c.directory);
        EXPECT_FALSE(run.timedOut);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = LinesOf(run.out);
        EXPECT_EQ(lines.size(), 20u);
        for (std::string line : lines) {
            std::transform(line.begin(), line.end(), line.begin(),
                           [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
            EXPECT_EQ(ownWords.count(line), 1u) << "a word of the program's own list: " << line;
        }
    }
}

}  // namespace
