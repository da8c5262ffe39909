#include "ui/dictionary/WordCountDialog.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/statbox.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DictionaryBrowserFixture.h"
#include "framework/config/orlSystemConfig.h"

namespace {

using Row = std::pair<std::string, std::string>;
using Rows = std::vector<Row>;

// A dialog whose context menu is looked at instead of popped up; choosing from it is up to
// the test.
class MenuRecordingDialog : public WordCountDialog {
  public:
    using WordCountDialog::WordCountDialog;

    int menuCount = 0;
    wxPoint menuPosition;
    std::vector<std::pair<int, std::string>> menuItems;

  protected:
    void ShowContextMenu(wxMenu& menu, const wxPoint& position) override {
        ++menuCount;
        menuPosition = position;
        menuItems.clear();
        for (const wxMenuItem* item : menu.GetMenuItems()) {
            menuItems.emplace_back(item->GetId(), item->GetItemLabel().utf8_string());
        }
    }
};

class WordCountDialogTest : public DictionaryBrowserFixture {
  protected:
    static wxListCtrl* CountList(wxWindow* dialog) {
        return dynamic_cast<wxListCtrl*>(dialog->FindWindow(WordCountDialog::kCountListId));
    }

    static Rows ListRows(wxWindow* dialog) {
        wxListCtrl* list = CountList(dialog);
        Rows rows;
        for (long row = 0; row < list->GetItemCount(); ++row) {
            rows.emplace_back(list->GetItemText(row, 0).utf8_string(),
                              list->GetItemText(row, 1).utf8_string());
        }
        return rows;
    }

    // The label that shows the total: the text beside the "Show" button.
    static std::string TotalText(wxWindow* dialog) {
        wxWindow* show = dialog->FindWindow(WordCountDialog::kShowButtonId);
        for (wxWindow* child : show->GetParent()->GetChildren()) {
            auto* text = dynamic_cast<wxStaticText*>(child);
            if (text != nullptr && text->GetLabel().StartsWith("Total Count: ")) {
                return text->GetLabel().utf8_string();
            }
        }
        return "(no total)";
    }

    static void Select(wxWindow* dialog, long row) {
        CountList(dialog)->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    }

    static bool ShowEnabled(wxWindow* dialog) {
        dialog->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return dialog->FindWindow(WordCountDialog::kShowButtonId)->IsEnabled();
    }

    // Puts the keyboard focus into the list of the shown dialog, as a click would.
    static bool FocusList(wxWindow* dialog) {
        gdk_window_focus(gtk_widget_get_window(GTK_WIDGET(dialog->GetHandle())), GDK_CURRENT_TIME);
        CountList(dialog)->SetFocus();
        return testsupport::WaitUntil([&] {
            wxWindow* focus = wxWindow::FindFocus();
            return focus != nullptr && CountList(dialog)->IsDescendant(focus);
        });
    }
};

// ---------------------------------------------------------------------------------------------
// The counts

struct CountCase {
    const char* name;
    std::vector<std::string> words;
    std::string total;
    Rows rows;
};

TEST_F(WordCountDialogTest, ListsTheNumberOfWordsOfEveryLengthAndTheTotal) {
    std::vector<std::string> many = ManyWords(1234, 4);
    many.push_back("longestword");
    const CountCase cases[] = {
        {"two words", {"ab", "xyz"}, "Total Count: 2", {{"1", "0"}, {"2", "1"}, {"3", "1"}}},
        {"empty dictionary", {}, "Total Count: 0", {{"(No Data)", ""}}},
        {"gaps between the lengths",
         {"a", "hello", "world", "abc"},
         "Total Count: 4",
         {{"1", "1"}, {"2", "0"}, {"3", "1"}, {"4", "0"}, {"5", "2"}}},
        {"counts in the thousands",
         many,
         "Total Count: 1,235",
         {{"1", "0"},
          {"2", "0"},
          {"3", "0"},
          {"4", "1,234"},
          {"5", "0"},
          {"6", "0"},
          {"7", "0"},
          {"8", "0"},
          {"9", "0"},
          {"10", "0"},
          {"11", "1"}}},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        UseWords(c.words);
        WordCountDialog dialog(Frame(), dictionary);
        EXPECT_TRUE(dialog.TransferDataToWindow());
        EXPECT_EQ(TotalText(&dialog), c.total);
        EXPECT_EQ(ListRows(&dialog), c.rows);
    }
}

TEST_F(WordCountDialogTest, GroupsTheDigitsAsTheLocaleWritesNumbers) {
    UseWords(ManyWords(1234, 3));
    const std::pair<const char*, const char*> locales[] = {{".", "1,234"}, {",", "1 234"}};
    for (const auto& [point, grouped] : locales) {
        SCOPED_TRACE(point);
        FixedLocaleFacts::Use("english", point);
        WordCountDialog dialog(Frame(), dictionary);
        dialog.TransferDataToWindow();
        EXPECT_EQ(TotalText(&dialog), std::string("Total Count: ") + grouped);
        EXPECT_EQ(ListRows(&dialog).at(2), Row("3", grouped));
    }
}

TEST_F(WordCountDialogTest, IsFilledWhenShownAndRefilledEachTime) {
    UseWords({"ab", "xyz"});
    WordCountDialog dialog(Frame(), dictionary);
    EXPECT_EQ(CountList(&dialog)->GetItemCount(), 0) << "nothing before it is shown";

    ShowOnScreen(&dialog);
    EXPECT_EQ(TotalText(&dialog), "Total Count: 2");
    EXPECT_EQ(ListRows(&dialog), (Rows{{"1", "0"}, {"2", "1"}, {"3", "1"}}));

    dialog.Hide();
    UseWords({"abcd"});
    ShowOnScreen(&dialog);
    EXPECT_EQ(TotalText(&dialog), "Total Count: 1");
    EXPECT_EQ(ListRows(&dialog), (Rows{{"1", "0"}, {"2", "0"}, {"3", "0"}, {"4", "1"}}));
}

TEST_F(WordCountDialogTest, TheLengthColumnFitsItsHeaderAndItsEntriesAndTheCountsKeepTheirs) {
    UseWords(ManyWords(30, 3));
    WordCountDialog dialog(Frame(), dictionary);
    wxListCtrl* list = CountList(&dialog);
    const int countWidth = list->GetColumnWidth(1);
    dialog.TransferDataToWindow();

    const int lengthWidth = list->GetColumnWidth(0);
    EXPECT_GE(lengthWidth, list->GetTextExtent("Digit Number").x);
    EXPECT_EQ(list->GetColumnWidth(1), countWidth);

    // A header narrower than an entry: the column takes the entry's width.
    list->SetColumnWidth(0, 10);
    UseWords({});
    dialog.TransferDataToWindow();
    EXPECT_GE(list->GetColumnWidth(0), list->GetTextExtent("(No Data)").x);
    EXPECT_GE(list->GetColumnWidth(0), list->GetTextExtent("Digit Number").x);
    EXPECT_EQ(list->GetColumnWidth(1), countWidth);
}

// ---------------------------------------------------------------------------------------------
// The word list of one length

TEST_F(WordCountDialogTest, ShowIsEnabledExactlyWhileARowIsSelected) {
    UseWords({"ab", "xyz"});
    WordCountDialog dialog(Frame(), dictionary);
    dialog.TransferDataToWindow();
    EXPECT_FALSE(ShowEnabled(&dialog));

    Select(&dialog, 1);
    EXPECT_TRUE(ShowEnabled(&dialog));

    CountList(&dialog)->SetItemState(1, 0, wxLIST_STATE_SELECTED);
    EXPECT_FALSE(ShowEnabled(&dialog));

    dialog.TransferDataToWindow();
    EXPECT_FALSE(ShowEnabled(&dialog)) << "refilling drops the selection";
}

TEST_F(WordCountDialogTest, ShowActivationAndTheMenuCommandOpenTheWordsOfTheRowsLength) {
    UseWords({"ab", "xyz", "cab", "a"});
    struct Way {
        const char* name;
        std::function<void(WordCountDialog*, long)> open;
    };
    const Way ways[] = {
        {"Show button",
         [](WordCountDialog* dialog, long row) {
             Select(dialog, row);
             Press(dialog, WordCountDialog::kShowButtonId);
         }},
        {"activated row",
         [](WordCountDialog* dialog, long row) {
             wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, WordCountDialog::kCountListId);
             activated.SetEventObject(CountList(dialog));
             activated.m_itemIndex = row;
             CountList(dialog)->HandleWindowEvent(activated);
         }},
        {"Show Words command",
         [](WordCountDialog* dialog, long row) {
             Select(dialog, row);
             wxCommandEvent command(wxEVT_MENU, WordCountDialog::kShowWordsMenuId);
             command.SetEventObject(dialog);
             dialog->HandleWindowEvent(command);
         }},
    };
    const struct {
        long row;
        const char* label;
        const char* text;
    } rows[] = {{2, "Digit Number: 3", "cab\nxyz\n"},
                {0, "Digit Number: 1", "a\n"},
                {1, "Digit Number: 2", "ab\n"}};
    for (const Way& way : ways) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(way.name) + ", row " + std::to_string(row.row));
            WordCountDialog dialog(Frame(), dictionary);
            dialog.TransferDataToWindow();
            ShownWordList shown;
            wxTEST_DIALOG(way.open(&dialog, row.row), RecordWordList(shown));
            EXPECT_EQ(shown.count, 1);
            EXPECT_EQ(shown.parent, &dialog);
            EXPECT_EQ(shown.label, row.label);
            EXPECT_EQ(shown.text, row.text);
        }
    }
}

TEST_F(WordCountDialogTest, ShowAndTheMenuCommandDoNothingWithoutASelectedRow) {
    UseWords({"ab", "xyz"});
    WordCountDialog dialog(Frame(), dictionary);
    dialog.TransferDataToWindow();
    // Any word list opened here would fail the test as an unexpected dialog.
    Press(&dialog, WordCountDialog::kShowButtonId);
    wxCommandEvent command(wxEVT_MENU, WordCountDialog::kShowWordsMenuId);
    command.SetEventObject(&dialog);
    dialog.HandleWindowEvent(command);
}

TEST_F(WordCountDialogTest, TheNoDataRowOpensAnEmptyListOfLengthOne) {
    UseWords({});
    WordCountDialog dialog(Frame(), dictionary);
    dialog.TransferDataToWindow();
    Select(&dialog, 0);
    ShownWordList shown;
    wxTEST_DIALOG(Press(&dialog, WordCountDialog::kShowButtonId), RecordWordList(shown));
    EXPECT_EQ(shown.label, "Digit Number: 1");
    EXPECT_EQ(shown.text, "");
}

TEST_F(WordCountDialogTest, EnterInTheListOpensTheWordsOfTheCurrentRow) {
    UseWords({"ab", "xyz", "abcd"});
    WordCountDialog dialog(Frame(), dictionary);
    ShowOnScreen(&dialog);
    ASSERT_TRUE(FocusList(&dialog));
    Select(&dialog, 3);

    ShownWordList shown;
    wxTEST_DIALOG(testsupport::SendKey(gtk_widget_get_window(GTK_WIDGET(dialog.GetHandle())),
                                       GDK_KEY_Return, 0, gtk_main_do_event),
                  RecordWordList(shown));
    EXPECT_EQ(shown.label, "Digit Number: 4");
    EXPECT_EQ(shown.text, "abcd\n");
}

// ---------------------------------------------------------------------------------------------
// The context menu

TEST_F(WordCountDialogTest, TheContextMenuOffersShowWordsOnlyWithAFocusedListAndASelection) {
    UseWords({"ab", "xyz"});
    MenuRecordingDialog dialog(Frame(), dictionary);
    ShowOnScreen(&dialog);
    const wxPoint atScreen = dialog.ClientToScreen(wxPoint(40, 50));
    auto request = [&] {
        wxContextMenuEvent event(wxEVT_CONTEXT_MENU, WordCountDialog::kCountListId, atScreen);
        event.SetEventObject(CountList(&dialog));
        CountList(&dialog)->HandleWindowEvent(event);
    };

    ASSERT_TRUE(FocusList(&dialog));
    request();
    EXPECT_EQ(dialog.menuCount, 0) << "no row selected";

    Select(&dialog, 1);
    Button(&dialog, wxID_CANCEL)->SetFocus();
    ASSERT_TRUE(testsupport::WaitUntil(
        [&] { return !CountList(&dialog)->IsDescendant(wxWindow::FindFocus()); }));
    request();
    EXPECT_EQ(dialog.menuCount, 0) << "the list does not have the focus";

    ASSERT_TRUE(FocusList(&dialog));
    request();
    ASSERT_EQ(dialog.menuCount, 1);
    EXPECT_EQ(dialog.menuPosition, wxPoint(40, 50));
    using Items = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(dialog.menuItems, (Items{{WordCountDialog::kShowWordsMenuId, "&Show Words"}}));

    // Choosing the item shows the words of the selected row.
    ShownWordList shown;
    wxTEST_DIALOG(
        {
            wxCommandEvent chosen(wxEVT_MENU, dialog.menuItems.at(0).first);
            chosen.SetEventObject(&dialog);
            dialog.HandleWindowEvent(chosen);
        },
        RecordWordList(shown));
    EXPECT_EQ(shown.label, "Digit Number: 2");
}

TEST_F(WordCountDialogTest, AContextMenuAskedForFromTheKeyboardOpensAtTheMouse) {
    UseWords({"ab", "xyz"});
    MenuRecordingDialog dialog(Frame(), dictionary);
    ShowOnScreen(&dialog);
    ASSERT_TRUE(FocusList(&dialog));
    Select(&dialog, 0);

    wxContextMenuEvent event(wxEVT_CONTEXT_MENU, WordCountDialog::kCountListId, wxDefaultPosition);
    event.SetEventObject(CountList(&dialog));
    CountList(&dialog)->HandleWindowEvent(event);
    ASSERT_EQ(dialog.menuCount, 1);
    EXPECT_EQ(dialog.menuPosition, wxDefaultPosition);
}

// ---------------------------------------------------------------------------------------------
// Reading the dictionary again

class RereadTest : public WordCountDialogTest {
  protected:
    void SetUp() override {
        WordCountDialogTest::SetUp();
        orlSystemConfig& locator = orlSystemConfig::Get();
        savedPackage = locator.GetPackage();
        savedProgram = locator.GetProgramPath();
        // The program seems to live in the temporary directory, beside its "dict".
        locator.Init("tessarin-test", temp.At("tessarin"));
        ASSERT_EQ(Config().GetDictionaryDirectory(), temp.At("dict"));
    }

    void TearDown() override {
        orlSystemConfig::Get().Init(savedPackage, savedProgram);
        WordCountDialogTest::TearDown();
    }

    wxString savedPackage;
    wxString savedProgram;
};

TEST_F(RereadTest, AsksAndReadsTheWordFilesAgainOnlyWhenAnsweredYes) {
    const struct {
        int answer;
        bool reread;
    } cases[] = {{wxID_YES, true}, {wxID_NO, false}, {wxID_CANCEL, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        // The dictionary holds what another directory held; the settings' directory has
        // fewer words.
        TempDirectory elsewhere;
        elsewhere.WriteFile("words.dic", "ab\nxyz\nabcd\nwxyz\n");
        dictionary.Load(elsewhere.Root());
        WriteWords("short.dic", {"ab", "xyz"});
        WordCountDialog dialog(Frame(), dictionary);
        dialog.TransferDataToWindow();
        Select(&dialog, 3);

        wxWindow* askedOver = nullptr;
        wxString question;
        wxTEST_DIALOG(Press(&dialog, wxID_REVERT),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* box) {
                          askedOver = box->GetParent();
                          question = MessageOf(box);
                          return c.answer;
                      }));
        EXPECT_EQ(askedOver, &dialog);
        EXPECT_EQ(question, "Is the dictionary file read again?");

        if (c.reread) {
            EXPECT_EQ(dictionary.GetCounts(), 2u);
            EXPECT_EQ(TotalText(&dialog), "Total Count: 2");
            EXPECT_EQ(ListRows(&dialog), (Rows{{"1", "0"}, {"2", "1"}, {"3", "1"}}));
        } else {
            EXPECT_EQ(dictionary.GetCounts(), 4u);
            EXPECT_EQ(TotalText(&dialog), "Total Count: 4");
            EXPECT_EQ(ListRows(&dialog), (Rows{{"1", "0"}, {"2", "1"}, {"3", "1"}, {"4", "2"}}));
            EXPECT_TRUE(ShowEnabled(&dialog)) << "the selection stays";
        }
    }
}

TEST_F(RereadTest, AMissingDirectoryReadsAsAnEmptyDictionary) {
    UseWords({"ab", "xyz"});
    WordCountDialog dialog(Frame(), dictionary);
    dialog.TransferDataToWindow();
    ASSERT_EQ(unlink(temp.At("dict/words.dic").fn_str()), 0);
    ASSERT_EQ(rmdir(temp.At("dict").fn_str()), 0);

    wxTEST_DIALOG(Press(&dialog, wxID_REVERT), wxExpectModal<orlMessageCommonDialog>(wxID_YES));
    EXPECT_TRUE(dictionary.IsEmpty());
    EXPECT_EQ(TotalText(&dialog), "Total Count: 0");
    EXPECT_EQ(ListRows(&dialog), (Rows{{"(No Data)", ""}}));
}

// ---------------------------------------------------------------------------------------------
// The dialog itself

TEST_F(WordCountDialogTest, HoldsItsControlsUnderTheirIdentifiers) {
    WordCountDialog dialog(Frame(), dictionary);
    EXPECT_EQ(dialog.GetId(), WordCountDialog::kDialogId);
    EXPECT_EQ(dialog.GetTitle(), "Dictionary Word Count");
    EXPECT_TRUE(dialog.HasFlag(wxRESIZE_BORDER));
    EXPECT_EQ(dialog.GetMinSize(), dialog.GetSize());

    wxButton* show = Button(&dialog, WordCountDialog::kShowButtonId);
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->GetLabel(), "Show");
    EXPECT_EQ(show->GetToolTipText(), "Show the word list");
    ASSERT_NE(Button(&dialog, wxID_REVERT), nullptr);
    EXPECT_EQ(Button(&dialog, wxID_REVERT)->GetLabel(), "Reread");
    ASSERT_NE(Button(&dialog, wxID_CANCEL), nullptr);
    EXPECT_EQ(Button(&dialog, wxID_CANCEL)->GetLabel(), "Close");
    EXPECT_EQ(dialog.GetDefaultItem(), Button(&dialog, wxID_CANCEL));

    wxListCtrl* list = CountList(&dialog);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->HasFlag(wxLC_REPORT));
    EXPECT_TRUE(list->HasFlag(wxLC_SINGLE_SEL));
    ASSERT_EQ(list->GetColumnCount(), 2);
    const char* headers[] = {"Digit Number", "Count"};
    for (int column = 0; column < 2; ++column) {
        wxListItem item;
        item.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_FORMAT);
        list->GetColumn(column, item);
        EXPECT_EQ(item.GetText(), headers[column]);
        EXPECT_EQ(item.GetAlign(), wxLIST_FORMAT_RIGHT);
    }

    std::vector<std::string> boxes;
    for (wxWindow* child : dialog.GetChildren()) {
        if (auto* box = dynamic_cast<wxStaticBox*>(child)) {
            boxes.push_back(box->GetLabel().utf8_string());
        }
    }
    EXPECT_EQ(boxes, (std::vector<std::string>{"Word", "Explanation"}));
    EXPECT_EQ(wxWindow::FindWindowByName("groupBox", &dialog)->GetLabel(), "Word");
}

TEST_F(WordCountDialogTest, CloseAndEscapeEndItWithCancel) {
    UseWords({"ab"});
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Close");
        EndingDialog<WordCountDialog> counts(Frame(), dictionary);
        ShowOnScreen(&counts);
        if (escape) {
            // With the focus in the list, as after clicking a row.
            ASSERT_TRUE(FocusList(&counts));
            PressKey(counts, GDK_KEY_Escape);
        } else {
            Press(&counts, wxID_CANCEL);
        }
        EXPECT_TRUE(counts.Ended());
        EXPECT_EQ(counts.EndedWith(), wxID_CANCEL);
    }
}

TEST_F(WordCountDialogTest, EachDialogReopensWhereAndAsLargeAsItWasLeft) {
    FixedDisplays::Use(OneDisplay());
    Frame()->SetSize(100, 80, 640, 480);
    ShowFrame();
    UseWords({"ab"});
    wxSize countsSize;
    wxSize wordsSize;
    {
        WordCountDialog counts(Frame(), dictionary);
        WordDialog words(&counts, 2, dictionary);
        EXPECT_EQ(orlTopLevelWindowBase::GetWindowInfoCount(), 0u) << "building records nothing";
        countsSize = counts.GetSize() + wxSize(50, 40);
        wordsSize = words.GetSize() + wxSize(30, 60);

        ShowOnScreen(&counts);
        counts.SetSize(countsSize);
        counts.Move(Frame()->GetPosition() + wxPoint(40, 70));
        wxYield();
        ShowOnScreen(&words);
        words.SetSize(wordsSize);
        words.Move(counts.GetPosition() + wxPoint(15, 25));
        wxYield();
    }
    using Record = std::tuple<std::string, wxPoint, wxSize>;
    std::vector<Record> records;
    for (const orlWindowInfo& info : WindowInfoList()) {
        records.emplace_back(info.Keyword.utf8_string(), info.PosMargin, info.Size);
    }
    EXPECT_EQ(records, (std::vector<Record>{{"Dictionary Word Count", {40, 70}, countsSize},
                                            {"Dictionary Word", {15, 25}, wordsSize}}));

    Frame()->Move(300, 200);
    wxYield();
    WordCountDialog counts(Frame(), dictionary);
    EXPECT_EQ(counts.GetPosition(), wxPoint(340, 270));
    EXPECT_EQ(counts.GetSize(), countsSize);
    WordDialog words(&counts, 3, dictionary);
    EXPECT_EQ(words.GetPosition(), wxPoint(355, 295));
    EXPECT_EQ(words.GetSize(), wordsSize);
}

}  // namespace
