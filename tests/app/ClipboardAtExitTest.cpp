// Closing the program with a password on the clipboard. The built program runs on the test
// binary's own X server; the test process types Return into its window (the Create button has
// the focus, and masking sends the password straight to the clipboard), reads the clipboard as
// any other program would, asks the program to end (SIGTERM closes the window as the user
// would) and looks at the clipboard once the process has gone.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "app/ClipboardManagers.h"
#include "support/ChildProcess.h"
#include "support/DisplayClipboard.h"
#include "support/DisplayEvents.h"
#include "support/RunProgram.h"
#include "support/TempDirectory.h"

namespace {

using namespace std::chrono_literals;
using testsupport::Manager;

// Longer than any ordinary close takes, shorter than GTK's own wait for a clipboard manager's
// answer (ten seconds): a close that waits for a silent manager without a bound of its own
// does not end in time.
constexpr auto kCloseLimit = 5s;

enum class Afterwards { Nothing, OtherProgramCopies };

struct ExitCase {
    const char* name;
    Manager manager;
    Afterwards afterwards;
    bool clear = false;  // the program is to clear its copies from the clipboard
};

void PrintTo(const ExitCase& c, std::ostream* out) {
    *out << c.name;
}

class ClipboardAtExitTest : public testing::TestWithParam<ExitCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::DisplayIsClean());
        dir.MakeDir("home");
        dir.MakeDir("config");
    }

    void TearDown() override {
        program.End();
        managers.End();
        gtk_clipboard_clear(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
        if (HasFailure()) {
            PrintLog("program.log");
            PrintLog("manager.log");
        }
    }

    std::vector<std::string> Environment() const {
        return testsupport::EnvironmentWith({{"HOME", dir.At("home").utf8_string()},
                                             {"XDG_CONFIG_HOME", dir.At("config").utf8_string()},
                                             {"NO_AT_BRIDGE", "1"},
                                             {"DBUS_SESSION_BUS_ADDRESS", ""}});
    }

    void StartManager(Manager kind) { managers.Start(kind, Environment(), Log("manager.log")); }

    // Starts the program in single mode with masking, and waits for its window; `clearAfter`
    // seconds, when given, switch on the clearing of copies.
    void StartProgram(int clearAfter = 0) {
        const std::string clearing =
            clearAfter > 0
                ? "ClearClipboard=1\nClearClipboardSeconds=" + std::to_string(clearAfter) + "\n"
                : "";
        dir.WriteFile("settings.ini", clearing +
                                          "Standard=1\n"
                                          "NonShow=1\n"
                                          "PluralCreate=0\n"
                                          "DeterSimplePassword=0\n"
                                          "BeepOnCreate=0\n"
                                          "BeepOnCopy=0\n"
                                          "[MainPosition]\n"
                                          "X=0\n"
                                          "Y=0\n"
                                          "[StandardUseChar]\n"
                                          "Length=10\n"
                                          "AlphabetUpper=1\n"
                                          "AlphabetLower=1\n"
                                          "Numeric=1\n"
                                          "Symbol=0\n"
                                          "UseAllKind=1\n"
                                          "Fixed=0\n"
                                          "Dictionary=0\n");
        ASSERT_TRUE(program.Start({TESSARIN_EXECUTABLE, "-i", dir.At("settings.ini").utf8_string()},
                                  Environment(), Log("program.log")));
        ASSERT_TRUE(testsupport::PumpUntil(
            [&] { return (window = testsupport::ShownWindowOf(program.Pid())) != None; }, 30s))
            << "the program's window did not appear";
    }

    // Presses Return in the window and returns what the clipboard holds then.
    std::string CreatePassword() {
        EXPECT_TRUE(testsupport::PressKeyIn(window, XK_Return));
        EXPECT_TRUE(
            testsupport::PumpUntil([] { return testsupport::ClipboardOwner() != None; }, 10s))
            << "nothing was put on the clipboard";
        return testsupport::ClipboardText().utf8_string();
    }

    // Asks the program to end and waits for it (the events of the display handled meanwhile:
    // the test process may own the clipboard); returns the time it took.
    std::chrono::duration<double> Close() {
        const auto start = std::chrono::steady_clock::now();
        program.Signal(SIGTERM);
        testsupport::PumpUntil([&] { return program.HasEnded(); }, 30s);
        const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
        RecordProperty("close_seconds", std::to_string(taken.count()));
        printf("closing took %.3f s\n", taken.count());
        return taken;
    }

    std::string Log(const char* name) const { return dir.At(name).utf8_string(); }

    void PrintLog(const char* name) const {
        std::ifstream in(Log(name));
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        if (!text.empty()) {
            printf("--- %s\n%s\n", name, text.c_str());
        }
    }

    TempDirectory dir;
    testsupport::ClipboardManagers managers;
    testsupport::ChildProcess program;
    Window window = None;
};

bool IsPassword(const std::string& text) {
    return text.size() == 10 &&
           text.find_first_not_of(
               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789") ==
               std::string::npos;
}

TEST_P(ClipboardAtExitTest, ClosesPromptlyAndLeavesTheClipboardAsExpected) {
    const ExitCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartManager(c.manager));
    // Cleared only at the end: the time runs out long after the test.
    ASSERT_NO_FATAL_FAILURE(StartProgram(c.clear ? 300 : 0));

    const std::string password = CreatePassword();
    ASSERT_TRUE(IsPassword(password)) << "the clipboard holds \"" << password << "\"";

    const std::string other = "copied by another program";
    Window otherOwner = None;
    if (c.afterwards == Afterwards::OtherProgramCopies) {
        otherOwner = testsupport::PutOnClipboard(other);
        ASSERT_EQ(testsupport::ClipboardText(), other);
    }

    EXPECT_LT(Close(), kCloseLimit);
    ASSERT_TRUE(program.HasEnded()) << "the program did not end";
    EXPECT_EQ(program.ExitStatus(), 0);

    if (c.afterwards == Afterwards::OtherProgramCopies) {
        // Neither taken over by the manager nor replaced: the other program still serves it.
        EXPECT_EQ(testsupport::ClipboardOwner(), otherOwner);
        EXPECT_EQ(testsupport::ClipboardText(), other);
    } else if (c.clear) {
        // Taken off at the end, so the manager never had it to keep.
        EXPECT_EQ(testsupport::ClipboardOwner(), None);
        EXPECT_EQ(testsupport::ClipboardText(), "<no text>");
    } else if (c.manager == Manager::Answering) {
        EXPECT_NE(testsupport::ClipboardOwner(), None);
        EXPECT_EQ(testsupport::ClipboardText(), password);
    } else {
        // Nobody keeps it: the clipboard went with its owner.
        EXPECT_EQ(testsupport::ClipboardOwner(), None);
        EXPECT_EQ(testsupport::ClipboardText(), "<no text>");
    }
}

// Switched on, the clearing takes a copied password off the clipboard when its time is up, and
// the copy is marked for clipboard histories. (That another program's copy is never cleared is
// shown at the end of the run, and of the clearing itself where the time can be told.)
TEST_F(ClipboardAtExitTest, ACopyToBeClearedGoesWhenItsTimeIsUp) {
    ASSERT_NO_FATAL_FAILURE(StartManager(Manager::Absent));
    ASSERT_NO_FATAL_FAILURE(StartProgram(5));
    const auto copied = std::chrono::steady_clock::now();
    const std::string password = CreatePassword();
    ASSERT_TRUE(IsPassword(password)) << "the clipboard holds \"" << password << "\"";
    EXPECT_EQ(testsupport::ClipboardData("x-kde-passwordManagerHint"), "secret");

    EXPECT_TRUE(testsupport::PumpUntil([&] { return testsupport::ClipboardOwner() == None; }, 15s));
    const std::chrono::duration<double> after = std::chrono::steady_clock::now() - copied;
    EXPECT_GE(after.count(), 4.5) << "cleared before its time";
    EXPECT_EQ(testsupport::ClipboardText(), "<no text>");
    EXPECT_LT(Close(), kCloseLimit);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipboardAtExitTest,
    testing::Values(
        ExitCase{"NoManager", Manager::Absent, Afterwards::Nothing},
        ExitCase{"Manager", Manager::Answering, Afterwards::Nothing},
        ExitCase{"SilentManager", Manager::Silent, Afterwards::Nothing},
        ExitCase{"NoManagerOtherCopy", Manager::Absent, Afterwards::OtherProgramCopies},
        ExitCase{"ManagerOtherCopy", Manager::Answering, Afterwards::OtherProgramCopies},
        ExitCase{"SilentManagerOtherCopy", Manager::Silent, Afterwards::OtherProgramCopies},
        ExitCase{"ManagerClearing", Manager::Answering, Afterwards::Nothing, true},
        ExitCase{"ManagerClearingOtherCopy", Manager::Answering, Afterwards::OtherProgramCopies,
                 true}),
    [](const testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.name); });

}  // namespace
