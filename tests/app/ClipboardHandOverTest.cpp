// The hand-over of the clipboard to the clipboard manager, called in the test process (which
// plays the program that owns the clipboard), with each kind of manager on the display.
#include "app/ClipboardHandOver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "app/ClipboardManagers.h"
#include "support/DisplayClipboard.h"
#include "support/RunProgram.h"
#include "support/TempDirectory.h"

void PrintTo(HandOverResult result, std::ostream* out) {
    static const char* const names[] = {"NotOurs", "NoManager", "Answered", "NoAnswer",
                                        "NotSupported"};
    *out << names[static_cast<int>(result)];
}

namespace {

using namespace std::chrono_literals;
using testsupport::Manager;

const std::string kText = "Xy3kP9qR2m";

class HandOverFixture {
  protected:
    std::vector<std::string> Environment() const {
        return testsupport::EnvironmentWith({{"HOME", dir.Root().utf8_string()},
                                             {"XDG_CONFIG_HOME", dir.Root().utf8_string()},
                                             {"DBUS_SESSION_BUS_ADDRESS", ""}});
    }

    void StartManager(Manager kind) {
        managers.Start(kind, Environment(), dir.At("manager.log").utf8_string());
    }

    // The hand-over, timed.
    HandOverResult HandOver(std::chrono::milliseconds limit) {
        const auto start = std::chrono::steady_clock::now();
        const HandOverResult result = HandClipboardToManager(limit);
        taken = std::chrono::steady_clock::now() - start;
        return result;
    }

    void CleanUp() {
        managers.End();
        gtk_clipboard_clear(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
    }

    TempDirectory dir;
    testsupport::ClipboardManagers managers;
    std::chrono::duration<double> taken{};
};

struct HandOverCase {
    const char* name;
    Manager manager;
    bool copied;  // the test process has put the text on the clipboard
    HandOverResult expected;
};

void PrintTo(const HandOverCase& c, std::ostream* out) {
    *out << c.name;
}

class ClipboardHandOverTest : public HandOverFixture, public testing::TestWithParam<HandOverCase> {
  protected:
    void SetUp() override { ASSERT_TRUE(testsupport::DisplayIsClean()); }
    void TearDown() override { CleanUp(); }
};

TEST_P(ClipboardHandOverTest, AsksTheManagerOnlyForItsOwnClipboardAndNeverWaitsLong) {
    const HandOverCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartManager(c.manager));
    const Window ours = c.copied ? testsupport::PutOnClipboard(kText) : None;

    // A silent manager is waited for as long as the limit says, not GTK's ten seconds.
    EXPECT_EQ(HandOver(2s), c.expected);
    EXPECT_LT(taken, 5s);

    if (c.expected == HandOverResult::Answered) {
        // The manager has taken the clipboard over with the text.
        EXPECT_NE(testsupport::ClipboardOwner(), ours);
        EXPECT_NE(testsupport::ClipboardOwner(), None);
    } else {
        EXPECT_EQ(testsupport::ClipboardOwner(), ours);
    }
    EXPECT_EQ(testsupport::ClipboardText(), c.copied ? kText : "<no text>");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipboardHandOverTest,
    testing::Values(HandOverCase{"NothingCopied", Manager::Answering, false,
                                 HandOverResult::NotOurs},
                    HandOverCase{"NoManager", Manager::Absent, true, HandOverResult::NoManager},
                    HandOverCase{"Manager", Manager::Answering, true, HandOverResult::Answered},
                    HandOverCase{"SilentManager", Manager::Silent, true, HandOverResult::NoAnswer}),
    [](const testing::TestParamInfo<HandOverCase>& info) { return std::string(info.param.name); });

class ClipboardHandOverOwnerTest : public HandOverFixture, public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(testsupport::DisplayIsClean()); }
    void TearDown() override { CleanUp(); }
};

// Once the clipboard is another program's (here the manager's, after a first hand-over), it is
// left to that program: no second request makes the manager copy it again.
TEST_F(ClipboardHandOverOwnerTest, LeavesAnotherProgramsClipboardAlone) {
    ASSERT_NO_FATAL_FAILURE(StartManager(Manager::Answering));
    testsupport::PutOnClipboard(kText);
    ASSERT_EQ(HandOver(2s), HandOverResult::Answered);
    const Window managerOwner = testsupport::ClipboardOwner();

    EXPECT_EQ(HandOver(2s), HandOverResult::NotOurs);
    EXPECT_EQ(testsupport::ClipboardOwner(), managerOwner);
    EXPECT_EQ(testsupport::ClipboardText(), kText);
}

// GTK's own hand-over when its main loop ends (the text was put on the clipboard the way a
// text control's copy does it), with the wait for the manager limited as the program's end
// limits it.
class ToolkitClipboardWaitTest : public HandOverFixture, public testing::TestWithParam<Manager> {
  protected:
    void SetUp() override { ASSERT_TRUE(testsupport::DisplayIsClean()); }
    void TearDown() override { CleanUp(); }

    // Runs the main loop just long enough to end it; returns the time the end took.
    std::chrono::duration<double> RunAndEndMainLoop() {
        g_idle_add(
            [](gpointer) -> gboolean {
                LimitToolkitClipboardWait(500ms);
                gtk_main_quit();
                return G_SOURCE_REMOVE;
            },
            nullptr);
        const auto start = std::chrono::steady_clock::now();
        gtk_main();
        return std::chrono::steady_clock::now() - start;
    }
};

TEST_P(ToolkitClipboardWaitTest, EndsTheMainLoopSoonAndStillHandsOverToAnAnsweringManager) {
    ASSERT_NO_FATAL_FAILURE(StartManager(GetParam()));
    const Window ours = testsupport::PutOnClipboard(kText);

    // Unlimited, a silent manager holds the end of the main loop for ten seconds.
    EXPECT_LT(RunAndEndMainLoop(), 5s);

    if (GetParam() == Manager::Answering) {
        EXPECT_NE(testsupport::ClipboardOwner(), ours);
        EXPECT_NE(testsupport::ClipboardOwner(), None);
    } else {
        EXPECT_EQ(testsupport::ClipboardOwner(), ours);
    }
    EXPECT_EQ(testsupport::ClipboardText(), kText);

    // The program's own hand-over comes next: the clipboard is the manager's now, or the manager
    // has ignored GTK's request and is not waited for a second time.
    EXPECT_EQ(HandOver(2s), GetParam() == Manager::Answering ? HandOverResult::NotOurs
                                                             : HandOverResult::NoAnswer);
    EXPECT_LT(taken, 1s);
}

INSTANTIATE_TEST_SUITE_P(Managers, ToolkitClipboardWaitTest,
                         testing::Values(Manager::Silent, Manager::Answering),
                         [](const testing::TestParamInfo<Manager>& info) {
                             return std::string(info.param == Manager::Silent ? "Silent"
                                                                              : "Answering");
                         });

}  // namespace
