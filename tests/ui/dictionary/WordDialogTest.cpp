#include "ui/dictionary/WordDialog.h"

#include <gtest/gtest.h>
#include <wx/arrstr.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DictionaryBrowserFixture.h"
#include "framework/orlFonts.h"

namespace {

using WordDialogTest = DictionaryBrowserFixture;

TEST_F(WordDialogTest, ShowsTheWordsOfItsLengthInOrderOneALineFromTheStart) {
    // More words of length 4 than the text shows at once, given out of order.
    std::vector<std::string> words = ManyWords(200, 4);
    words.insert(words.begin(), {"zulu", "beta", "ab"});
    UseWords(words);
    wxArrayString fourLetters;
    for (const std::string& word : words) {
        if (word.size() == 4) {
            fourLetters.Add(word);
        }
    }
    fourLetters.Sort();
    std::string allFour;
    for (const wxString& word : fourLetters) {
        allFour += word.utf8_string() + "\n";
    }
    ASSERT_EQ(allFour.substr(allFour.size() - 10), "beta\nzulu\n");

    const struct {
        std::uint32_t length;
        std::string label;
        std::string text;
    } cases[] = {
        {4, "Digit Number: 4", allFour}, {2, "Digit Number: 2", "ab\n"},
        {7, "Digit Number: 7", ""},  // a length without words, below the longest
        {9, "Digit Number: 9", ""},  // beyond the longest
        {0, "Digit Number: 0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        WordDialog list(Frame(), c.length, dictionary);
        ShownWordList shown;
        wxTEST_DIALOG(list.ShowModal(), RecordWordList(shown));
        EXPECT_EQ(shown.title, "Dictionary Word");
        EXPECT_EQ(shown.label, c.label);
        EXPECT_EQ(shown.text, c.text);
        EXPECT_EQ(shown.insertionPoint, 0);
    }
}

TEST_F(WordDialogTest, IsFilledWhenShownAndScrolledToTheStart) {
    UseWords(ManyWords(300, 5));
    WordDialog list(Frame(), 5, dictionary);
    wxTextCtrl* text = WordListText(&list);
    EXPECT_EQ(text->GetValue(), "") << "nothing before it is shown";

    ShowOnScreen(&list);
    EXPECT_TRUE(text->GetValue().StartsWith("aaaaa\naaaab\n"));
    EXPECT_EQ(text->GetNumberOfLines(), 301) << "300 lines and the empty one after the last";
    EXPECT_EQ(text->GetInsertionPoint(), 0);
    const wxPoint start = text->PositionToCoords(0);
    EXPECT_GE(start.y, 0) << "the first line is in view";
    EXPECT_LT(start.y, text->GetClientSize().y);
}

TEST_F(WordDialogTest, IsBuiltAroundItsTextWithTheFocusOnClose) {
    WordDialog words(Frame(), 5, dictionary);
    EXPECT_EQ(words.GetId(), WordDialog::kDialogId);
    EXPECT_EQ(words.GetTitle(), "Dictionary Word");
    EXPECT_TRUE(words.HasFlag(wxRESIZE_BORDER));
    EXPECT_EQ(words.GetMinSize(), words.GetSize());

    wxTextCtrl* text = WordListText(&words);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->IsMultiLine());
    EXPECT_FALSE(text->IsEditable());
    EXPECT_TRUE(text->HasFlag(wxHSCROLL));
    EXPECT_EQ(text->GetFont(), orlGetTextFont());

    wxButton* close = Button(&words, wxID_CANCEL);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetLabel(), "Close");
    EXPECT_EQ(words.GetDefaultItem(), close);
    ShowOnScreen(&words);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return HasWindowFocus(close); }));
}

TEST_F(WordDialogTest, CloseAndEscapeEndItWithCancel) {
    UseWords({"ab"});
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Close");
        EndingDialog<WordDialog> words(Frame(), 2, dictionary);
        ShowOnScreen(&words);
        if (escape) {
            PressKey(words, GDK_KEY_Escape);
        } else {
            Press(&words, wxID_CANCEL);
        }
        EXPECT_TRUE(words.Ended());
        EXPECT_EQ(words.EndedWith(), wxID_CANCEL);
    }
}

}  // namespace
