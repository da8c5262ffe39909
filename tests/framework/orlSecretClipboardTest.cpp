#include "framework/window/orlSecretClipboard.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/ClipboardText.h"
#include "support/MainLoopWait.h"

namespace {

using testsupport::ClipboardData;
using testsupport::ClipboardText;

// The clipboard emptied before and after each test, read as another program reads it.
class SecretClipboardTest : public testing::Test {
  protected:
    void SetUp() override { Empty(); }
    void TearDown() override { Empty(); }

    // Whoever owns the clipboard, the test process takes it and lets it go.
    static void Empty() {
        testsupport::SetClipboardText("");
        gtk_clipboard_clear(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
    }
};

TEST_F(SecretClipboardTest, PutsTheTextWithTheSecretHintForClipboardHistories) {
    orlSecretClipboard clipboard;
    ASSERT_TRUE(clipboard.Put("Xq7#kP2m", 30));
    EXPECT_EQ(ClipboardText(), "Xq7#kP2m");
    EXPECT_EQ(ClipboardData("UTF8_STRING"), "Xq7#kP2m");
    EXPECT_EQ(ClipboardData("x-kde-passwordManagerHint"), "secret");
    EXPECT_TRUE(clipboard.HoldsText());
    EXPECT_TRUE(clipboard.IsClearPending());
    EXPECT_EQ(clipboard.GetClearInterval(), 30000);
}

TEST_F(SecretClipboardTest, ClearingEmptiesTheClipboardOnlyWhileItHoldsTheText) {
    struct Case {
        const char* name;
        bool otherCopy;  // another program copies something in between
        const char* left;
    };
    const Case cases[] = {
        {"still ours", false, "<no text>"},
        {"another program's copy since", true, "someone else's"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        orlSecretClipboard clipboard;
        ASSERT_TRUE(clipboard.Put("Xq7#kP2m", 30));
        ASSERT_EQ(ClipboardText(), "Xq7#kP2m");
        if (c.otherCopy) {
            testsupport::SetClipboardText("someone else's");
            ASSERT_TRUE(testsupport::IterateUntil([&] { return !clipboard.HoldsText(); },
                                                  std::chrono::seconds(5)))
                << "the toolkit lets the text go when another takes the clipboard";
        }
        clipboard.Clear();
        EXPECT_EQ(ClipboardText(), c.left);
        EXPECT_FALSE(clipboard.HoldsText());
        EXPECT_FALSE(clipboard.IsClearPending());
        Empty();
    }
}

TEST_F(SecretClipboardTest, TheTextGoesWhenItsTimeIsUp) {
    orlSecretClipboard clipboard;
    ASSERT_TRUE(clipboard.Put("first", 0));
    EXPECT_FALSE(clipboard.IsClearPending()) << "no time, no clearing";
    ASSERT_TRUE(clipboard.Put("Xq7#kP2m", 1));
    ASSERT_EQ(ClipboardText(), "Xq7#kP2m");
    EXPECT_TRUE(
        testsupport::IterateUntil([&] { return !clipboard.HoldsText(); }, std::chrono::seconds(5)));
    EXPECT_EQ(ClipboardText(), "<no text>");
}

}  // namespace
