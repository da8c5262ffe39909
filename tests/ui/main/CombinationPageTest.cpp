#include "ui/main/CombinationPage.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "settings/MainConfig.h"
#include "support/ControlEvents.h"
#include "support/DialogExpectation.h"
#include "support/FocusChecks.h"
#include "support/GdkKeys.h"
#include "support/LiveSettingsFixture.h"
#include "support/MessageBoxExpectation.h"
#include "support/WaitForEvents.h"
#include "ui/main/CombinationDialog.h"
#include "ui/main/CombinationDialogExpectation.h"
#include "ui/main/CombinationDialogWork.h"

namespace {

using namespace combination_dialog_work;

using Rows = std::vector<long>;
using Texts = std::vector<std::string>;

class CombinationPageTest : public LiveSettingsFixture {
  protected:
    void SetUp() override {
        LiveSettingsFixture::SetUp();
        page = new CombinationPage(Frame());
        list = dynamic_cast<wxListCtrl*>(page->FindWindow(CombinationPage::kListId));
        ASSERT_NE(list, nullptr);
    }

    wxButton* Button(wxWindowID id) const { return dynamic_cast<wxButton*>(page->FindWindow(id)); }

    // Puts fixed-text items of the names into the settings and the list.
    void Fill(const std::vector<wxString>& names) {
        Config().CombinationUseChar.Clear();
        for (const wxString& name : names) {
            Config().CombinationUseChar.Add(FixedItem(name));
        }
        EXPECT_TRUE(page->TransferDataToWindow());
    }

    void Select(const Rows& rows) {
        for (long row : rows) {
            list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        }
    }

    Rows Selected() const {
        Rows rows;
        for (long row = 0; row < list->GetItemCount(); ++row) {
            if (list->GetItemState(row, wxLIST_STATE_SELECTED) != 0) {
                rows.push_back(row);
            }
        }
        return rows;
    }

    Texts Column(int column) const {
        Texts texts;
        for (long row = 0; row < list->GetItemCount(); ++row) {
            texts.push_back(list->GetItemText(row, column).utf8_string());
        }
        return texts;
    }

    // The fixed texts of the items the page hands to the settings, in row order.
    Texts Stored() const {
        EXPECT_TRUE(page->TransferDataFromWindow());
        Texts texts;
        const UseCharArray& items = Config().CombinationUseChar;
        for (std::size_t i = 0; i < items.GetCount(); ++i) {
            texts.push_back(items[i].FixedString.utf8_string());
        }
        return texts;
    }

    // The list's Kind texts of fixed-text items of the names.
    static Texts Shown(const std::vector<std::string>& names) {
        Texts texts;
        for (const std::string& name : names) {
            texts.push_back("Fixed (" + name + ")");
        }
        return texts;
    }

    void Press(wxWindowID id) { testsupport::Press(Button(id)); }

    // The command a key of the page's accelerator table gives.
    void Command(wxWindowID id) {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(page);
        page->HandleWindowEvent(event);
    }

    // A real key press on the shown frame, through the toolkit's own key handling.
    void PressKey(guint keyval, guint state = 0) {
        GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(Frame()->GetHandle()));
        ASSERT_NE(window, nullptr) << "the frame is not shown";
        testsupport::SendKey(window, keyval, state, gtk_main_do_event);
    }

    // Runs the action expecting one error box; returns its message.
    wxString ErrorOf(const std::function<void()>& action) {
        wxString message;
        wxWindow* parent = nullptr;
        wxTEST_DIALOG(action(),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* dialog) {
                          message = MessageOf(dialog);
                          parent = dialog->GetParent();
                          return wxID_OK;
                      }));
        EXPECT_EQ(parent, Frame()) << "the box belongs to the page's top-level window";
        return message;
    }

    // Runs the action expecting the item dialog, which the user works and confirms.
    void ConfirmDialog(const std::function<void()>& action, const DialogWork& work) {
        wxTEST_DIALOG(action(), wxExpectModal<CombinationDialog>([&](CombinationDialog* dialog) {
                          EXPECT_EQ(dialog->GetParent(), Frame());
                          work(dialog);
                          // The hook skips the dialog's own OK processing: take the values
                          // as OK would.
                          EXPECT_TRUE(dialog->TransferDataFromWindow());
                          return wxID_OK;
                      }));
    }

    // Runs the action expecting the item dialog, which the user works and then cancels.
    // Even a dialog that wrote into its item must leave the list as it was: the page gives
    // it a copy.
    void CancelDialog(const std::function<void()>& action, const DialogWork& work) {
        wxTEST_DIALOG(action(), wxExpectModal<CombinationDialog>([&](CombinationDialog* dialog) {
                          work(dialog);
                          dialog->TransferDataFromWindow();
                          return wxID_CANCEL;
                      }));
    }

    bool RowVisible(long row) const {
        const long top = list->GetTopItem();
        return row >= top && row < top + list->GetCountPerPage();
    }

    CombinationPage* page = nullptr;
    wxListCtrl* list = nullptr;
};

TEST_F(CombinationPageTest, ControlsHaveTheirLabelsAndSizes) {
    EXPECT_TRUE(page->HasFlag(wxTAB_TRAVERSAL));

    EXPECT_TRUE(list->InReportView());
    EXPECT_TRUE(list->HasFlag(wxLC_HRULES));
    EXPECT_TRUE(list->HasFlag(wxLC_VRULES));
    EXPECT_FALSE(list->HasFlag(wxLC_SINGLE_SEL)) << "several rows can be selected";
    EXPECT_EQ(list->GetMinSize(), wxSize(270, 130));
    ASSERT_EQ(list->GetColumnCount(), 2);
    struct Column {
        const char* heading;
        int width;
    };
    const Column columns[] = {{"Kind", 200}, {"Length", 70}};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(columns[i].heading);
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        ASSERT_TRUE(list->GetColumn(i, column));
        EXPECT_EQ(column.GetText(), columns[i].heading);
        EXPECT_EQ(list->GetColumnWidth(i), columns[i].width);
    }

    struct ButtonCase {
        wxWindowID id;
        const char* label;
        const char* tooltip;
    };
    const ButtonCase buttons[] = {
        {2607, "Add", "Add the item"},
        {2608, "Edit", "Edit the selected item"},
        {2609, "Delete", "Delete the selected item"},
        {2610, "Up", "Move the selected item up"},
        {2611, "Down", "Move the selected item downward"},
    };
    int widest = 0;
    for (const ButtonCase& b : buttons) {
        if (wxButton* button = Button(b.id)) {
            widest = std::max(widest, button->GetTextExtent(b.label).x);
        }
    }
    // The system's edge width counts twice; one it does not report (-1) counts as none.
    const int width = widest + 2 * std::max(0, wxSystemSettings::GetMetric(wxSYS_EDGE_X)) + 14;
    for (const ButtonCase& b : buttons) {
        SCOPED_TRACE(b.label);
        wxButton* button = Button(b.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GetLabel(), b.label);
        EXPECT_EQ(button->GetToolTipText(), b.tooltip);
        EXPECT_EQ(button->GetSize().x, width) << "every button as wide as the widest label needs";
    }
}

TEST_F(CombinationPageTest, TheListTakesTheRoomAboveACentredRowOfButtons) {
    Frame()->SetClientSize(500, 320);
    ShowFrame();
    Frame()->Layout();
    const wxRect area = page->GetClientRect();
    const wxRect listRect = list->GetRect();
    EXPECT_EQ(listRect.x, 5);
    EXPECT_EQ(listRect.y, 5);
    EXPECT_EQ(listRect.width, area.width - 10);

    int left = area.width;
    int right = 0;
    wxRect previous;
    for (wxWindowID id = CombinationPage::kAddId; id <= CombinationPage::kDownId; ++id) {
        SCOPED_TRACE(id);
        const wxRect rect = Button(id)->GetRect();
        EXPECT_GT(rect.y, listRect.GetBottom());
        EXPECT_EQ(rect.GetBottom(), area.height - 6) << "a border of 5 below";
        if (id != CombinationPage::kAddId) {
            EXPECT_EQ(rect.y, previous.y);
            EXPECT_EQ(rect.x, previous.GetRight() + 1 + 3) << "a gap of 3 between buttons";
        }
        left = std::min(left, rect.x);
        right = std::max(right, rect.GetRight());
        previous = rect;
    }
    EXPECT_LE(std::abs(left - (area.width - 1 - right)), 1) << "the row is centred";
}

TEST_F(CombinationPageTest, RowsShowWhatKindOfElementEachItemMakesAndItsLength) {
    struct Case {
        const char* name;
        std::function<void(UseChar&)> set;
        const char* kind;
        const char* length;
    };
    const Case cases[] = {
        {"fixed text", [](UseChar& u) { u = FixedItem("abcd"); }, "Fixed (abcd)", "4"},
        {"fixed text counted in characters, not bytes",
         [](UseChar& u) { u = FixedItem(wxString::FromUTF8("\xc3\xa4\xc3\xb6\xc3\xbc")); },
         "Fixed (\xc3\xa4\xc3\xb6\xc3\xbc)", "3"},
        {"fixed wins over dictionary",
         [](UseChar& u) {
             u = FixedItem("x y");
             u.Dictionary = true;
         },
         "Fixed (x y)", "3"},
        {"dictionary, one length",
         [](UseChar& u) {
             u.Dictionary = true;
             u.DictionaryMin = 5;
             u.DictionaryMax = 5;
         },
         "Dictionary Word", "5"},
        {"dictionary, a range",
         [](UseChar& u) {
             u.Dictionary = true;
             u.DictionaryMin = 4;
             u.DictionaryMax = 7;
         },
         "Dictionary Word", "4-7"},
        {"every kind, all required", [](UseChar& u) { u.Length = 12; },
         "A-Z,a-z,0-9,Symbol,All kind", "12"},
        {"every kind, not all required",
         [](UseChar& u) {
             u.UseAllKind = false;
             u.Length = 20;
         },
         "A-Z,a-z,0-9,Symbol", "20"},
        {"capitals and digits, all required",
         [](UseChar& u) {
             u.AlphabetLower = false;
             u.Symbol = false;
             u.Length = 8;
         },
         "A-Z,0-9,All kind", "8"},
        {"one kind: nothing to mix",
         [](UseChar& u) {
             u.AlphabetUpper = false;
             u.AlphabetLower = false;
             u.Numeric = false;
             u.Length = 1;
         },
         "Symbol", "1"},
        {"no kind",
         [](UseChar& u) {
             u.AlphabetUpper = false;
             u.AlphabetLower = false;
             u.Numeric = false;
             u.Symbol = false;
         },
         "", "10"},
    };
    Config().CombinationUseChar.Clear();
    Texts kinds, lengths;
    for (const Case& c : cases) {
        UseChar item;
        c.set(item);
        Config().CombinationUseChar.Add(item);
        kinds.push_back(c.kind);
        lengths.push_back(c.length);
    }
    page->TransferDataToWindow();
    ASSERT_EQ(list->GetItemCount(), static_cast<int>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(Column(0)[i], kinds[i]);
        EXPECT_EQ(Column(1)[i], lengths[i]);
    }
}

TEST_F(CombinationPageTest, TheItemsGoIntoTheListAndBackUnchangedAndInOrder) {
    UseChar dictionary;
    dictionary.Dictionary = true;
    dictionary.DictionaryMin = 3;
    dictionary.DictionaryMax = 9;
    UseChar variable;
    variable.Length = 17;
    variable.Numeric = false;
    variable.SymbolString = "#%";
    UseCharArray items;
    items.Add(variable);
    items.Add(FixedItem("abc"));
    items.Add(dictionary);
    items.Add(variable);

    // Rows shown before are replaced, and nothing is left selected.
    Fill({"old", "older"});
    Select({0, 1});
    Config().CombinationUseChar = items;
    EXPECT_TRUE(page->TransferDataToWindow());
    EXPECT_EQ(list->GetItemCount(), 4);
    EXPECT_EQ(Selected(), Rows{});

    Config().CombinationUseChar.Clear();
    Config().CombinationUseChar.Add(FixedItem("stale"));
    EXPECT_TRUE(page->TransferDataFromWindow());
    EXPECT_EQ(Config().CombinationUseChar, items);

    // An empty list empties the settings' list.
    Config().CombinationUseChar.Clear();
    page->TransferDataToWindow();
    Config().CombinationUseChar = items;
    page->TransferDataFromWindow();
    EXPECT_TRUE(Config().CombinationUseChar.IsEmpty());
}

TEST_F(CombinationPageTest, DeletingRemovesTheSelectedRowsAndSelectsTheRowThatFollowed) {
    struct Case {
        const char* name;
        Rows selected;
        std::vector<std::string> left;
        Rows selectedAfter;
    };
    const Case cases[] = {
        {"rows 1 and 3", {1, 3}, {"0", "2", "4"}, {2}},
        {"the last two: the new last row", {3, 4}, {"0", "1", "2"}, {2}},
        {"the last one", {4}, {"0", "1", "2", "3"}, {3}},
        {"the first one", {0}, {"1", "2", "3", "4"}, {0}},
        {"a block in the middle", {1, 2, 3}, {"0", "4"}, {1}},
        {"every row: nothing left to select", {0, 1, 2, 3, 4}, {}, {}},
    };
    const struct {
        const char* name;
        wxWindowID id;
        bool button;
    } sources[] = {{"button", CombinationPage::kDeleteId, true},
                   {"Delete key", CombinationPage::kDeleteKeyId, false}};
    for (const auto& source : sources) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(source.name) + ": " + c.name);
            Fill({"0", "1", "2", "3", "4"});
            Select(c.selected);
            source.button ? Press(source.id) : Command(source.id);
            EXPECT_EQ(Column(0), Shown(c.left));
            EXPECT_EQ(Selected(), c.selectedAfter);
            EXPECT_EQ(Stored(), c.left);
        }
    }
}

TEST_F(CombinationPageTest, MovingShiftsSelectedBlocksOneRowAndTheSelectionTravelsAlong) {
    struct Case {
        const char* name;
        wxWindowID id;
        Rows selected;
        std::vector<std::string> order;
        Rows selectedAfter;
    };
    const Case cases[] = {
        {"up: the top row stays, row 2 moves to 1",
         CombinationPage::kUpId,
         {0, 2},
         {"A", "C", "B", "D"},
         {0, 1}},
        {"up: a block moves as a whole",
         CombinationPage::kUpId,
         {2, 3},
         {"A", "C", "D", "B"},
         {1, 2}},
        {"up: a block at the top stays",
         CombinationPage::kUpId,
         {0, 1},
         {"A", "B", "C", "D"},
         {0, 1}},
        {"up: separate rows each move",
         CombinationPage::kUpId,
         {1, 3},
         {"B", "A", "D", "C"},
         {0, 2}},
        {"down: the bottom row stays, row 1 moves to 2",
         CombinationPage::kDownId,
         {1, 3},
         {"A", "C", "B", "D"},
         {2, 3}},
        {"down: a block moves as a whole",
         CombinationPage::kDownId,
         {0, 1},
         {"C", "A", "B", "D"},
         {1, 2}},
        {"down: a block at the bottom stays",
         CombinationPage::kDownId,
         {2, 3},
         {"A", "B", "C", "D"},
         {2, 3}},
        {"down: separate rows each move",
         CombinationPage::kDownId,
         {0, 2},
         {"B", "A", "D", "C"},
         {1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill({"A", "B", "C", "D"});
        Select(c.selected);
        Press(c.id);
        EXPECT_EQ(Column(0), Shown(c.order));
        EXPECT_EQ(Column(1), Texts(4, "1"));
        EXPECT_EQ(Selected(), c.selectedAfter);
        EXPECT_EQ(Stored(), c.order) << "the items move with their rows";
    }
}

TEST_F(CombinationPageTest, TheFocusedRowTravelsWithItsItem) {
    Fill({"A", "B", "C", "D"});
    Select({2});
    list->SetItemState(2, wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
    Press(CombinationPage::kUpId);
    EXPECT_EQ(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED), 1);
    Press(CombinationPage::kDownId);
    Press(CombinationPage::kDownId);
    EXPECT_EQ(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED), 3);
    EXPECT_EQ(Stored(), (Texts{"A", "B", "D", "C"}));
}

TEST_F(CombinationPageTest, MovingASingleRowChangesNothing) {
    for (wxWindowID id : {CombinationPage::kUpId, CombinationPage::kDownId}) {
        SCOPED_TRACE(id);
        Fill({"only"});
        Select({0});
        Press(id);
        EXPECT_EQ(Stored(), Texts{"only"});
        EXPECT_EQ(Selected(), Rows{0});
    }
}

TEST_F(CombinationPageTest, CommandsThatNeedASelectionSayItIsMissingAndChangeNothing) {
    const struct {
        const char* name;
        wxWindowID id;
        bool button;
    } sources[] = {
        {"Edit", CombinationPage::kEditId, true},
        {"Delete", CombinationPage::kDeleteId, true},
        {"Up", CombinationPage::kUpId, true},
        {"Down", CombinationPage::kDownId, true},
        {"Delete key", CombinationPage::kDeleteKeyId, false},
    };
    for (const auto& source : sources) {
        for (const std::vector<wxString>& rows :
             {std::vector<wxString>{"A", "B", "C"}, std::vector<wxString>{}}) {
            SCOPED_TRACE(std::string(source.name) + (rows.empty() ? ", empty list" : ""));
            Fill(rows);
            const Texts before = Stored();
            const wxString message =
                ErrorOf([&] { source.button ? Press(source.id) : Command(source.id); });
            EXPECT_EQ(message, "The list item has not been selected");
            EXPECT_EQ(Stored(), before);
            EXPECT_EQ(Selected(), Rows{});
        }
    }
}

TEST_F(CombinationPageTest, ButtonsAreEnabledOnlyWhenTheyHaveSomethingToWorkOn) {
    struct Case {
        const char* name;
        std::vector<wxString> rows;
        Rows selected;
        bool editDelete;
        bool upDown;
    };
    const Case cases[] = {
        {"empty list", {}, {}, false, false},
        {"rows, none selected", {"A", "B"}, {}, false, false},
        {"one row, selected", {"A"}, {0}, true, false},
        {"two rows, one selected", {"A", "B"}, {1}, true, true},
        {"three rows, all selected", {"A", "B", "C"}, {0, 1, 2}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(c.rows);
        Select(c.selected);
        // Start from the opposite states, so that every button must be updated.
        for (wxWindowID id = CombinationPage::kEditId; id <= CombinationPage::kDeleteId; ++id) {
            Button(id)->Enable(!c.editDelete);
        }
        for (wxWindowID id = CombinationPage::kUpId; id <= CombinationPage::kDownId; ++id) {
            Button(id)->Enable(!c.upDown);
        }
        page->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        EXPECT_TRUE(Button(CombinationPage::kAddId)->IsEnabled());
        EXPECT_EQ(Button(CombinationPage::kEditId)->IsEnabled(), c.editDelete);
        EXPECT_EQ(Button(CombinationPage::kDeleteId)->IsEnabled(), c.editDelete);
        EXPECT_EQ(Button(CombinationPage::kUpId)->IsEnabled(), c.upDown);
        EXPECT_EQ(Button(CombinationPage::kDownId)->IsEnabled(), c.upDown);
    }
}

TEST_F(CombinationPageTest, ValidationAsksForAnItemAndFocusesTheListWhenItIsEmpty) {
    ShowFrame();
    Fill({});
    Button(CombinationPage::kAddId)->SetFocus();
    bool valid = true;
    EXPECT_EQ(ErrorOf([&] { valid = page->Validate(); }), "The item is not set");
    EXPECT_FALSE(valid);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return HasFocusWithin(list); }))
        << "the focus is on the list";

    Fill({"A"});
    EXPECT_TRUE(page->Validate()) << "no box with a row in the list";
}

TEST_F(CombinationPageTest, TheListShowsTheCombinationListFont) {
    const wxFont first(15, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_BOLD);
    const wxFont second(9, wxFONTFAMILY_ROMAN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    ASSERT_NE(list->GetFont(), first);
    Config().CombinationListFont = first;
    auto* another = new CombinationPage(Frame());
    auto* anotherList = dynamic_cast<wxListCtrl*>(another->FindWindow(CombinationPage::kListId));
    ASSERT_NE(anotherList, nullptr);
    EXPECT_EQ(anotherList->GetFont(), first) << "a new page starts with the setting";

    Config().CombinationListFont = second;
    EXPECT_EQ(anotherList->GetFont(), first) << "only applying the setting changes the list";
    another->ApplyListFont();
    EXPECT_EQ(anotherList->GetFont(), second);
}

TEST_F(CombinationPageTest, TheHeadingsFitTheirColumnsInALargerFont) {
    const wxFont large(14, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false,
                       "Sans");
    struct Case {
        int column;
        const char* heading;
        int width;  // the column's width in the usual font
    };
    const Case cases[] = {{0, "Kind", 200}, {1, "Length", 70}};
    for (const Case& c : cases) {
        EXPECT_EQ(list->GetColumnWidth(c.column), c.width) << c.heading;
    }
    Config().CombinationListFont = large;
    page->ApplyListFont();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        // The header draws its text between margins of 8 pixels or so on either side.
        EXPECT_GE(list->GetColumnWidth(c.column), list->GetTextExtent(c.heading).x + 16)
            << "text " << list->GetTextExtent(c.heading).x;
        EXPECT_GE(list->GetColumnWidth(c.column), c.width) << "never narrower than usual";
    }
}

TEST_F(CombinationPageTest, AddingAppendsTheConfirmedItemAndSelectsOnlyIt) {
    const struct {
        const char* name;
        std::function<void()> action;
    } sources[] = {
        {"button", [&] { Press(CombinationPage::kAddId); }},
        {"Insert key", [&] { Command(CombinationPage::kInsertKeyId); }},
    };
    for (const auto& source : sources) {
        SCOPED_TRACE(source.name);
        Fill({"A", "B"});
        Select({0, 1});
        int startLength = 0;
        ConfirmDialog(source.action, [&](CombinationDialog* dialog) {
            if (auto* slider =
                    DialogControl<wxSlider>(dialog, CombinationDialog::kLengthSliderId)) {
                startLength = slider->GetValue();
            }
            TypeFixedText("abcd")(dialog);
        });
        EXPECT_EQ(startLength, 10) << "the dialog starts from a fresh item";
        EXPECT_EQ(Column(0), Shown({"A", "B", "abcd"}));
        EXPECT_EQ(Column(1), (Texts{"1", "1", "4"}));
        EXPECT_EQ(Selected(), Rows{2});
        EXPECT_EQ(Stored(), (Texts{"A", "B", "abcd"}));
        EXPECT_TRUE(Config().CombinationUseChar[2].Fixed);
    }
}

TEST_F(CombinationPageTest, AddingIntoAnEmptyListThenCancellingAnAddChangesNothing) {
    Fill({});
    ConfirmDialog([&] { Press(CombinationPage::kAddId); }, ChooseLength(6));
    EXPECT_EQ(Column(0), Texts{"A-Z,a-z,0-9,Symbol,All kind"});
    EXPECT_EQ(Column(1), Texts{"6"});
    EXPECT_EQ(Selected(), Rows{0});

    Select({0});
    CancelDialog([&] { Press(CombinationPage::kAddId); }, TypeFixedText("never"));
    EXPECT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(Column(1), Texts{"6"});
    EXPECT_EQ(Selected(), Rows{0});
}

TEST_F(CombinationPageTest, EditingChangesTheFirstSelectedRowAndSelectsOnlyIt) {
    struct Case {
        const char* name;
        DialogWork work;
        const char* kind;
        const char* length;
    };
    const Case cases[] = {
        {"another fixed text", TypeFixedText("wxyz1"), "Fixed (wxyz1)", "5"},
        {"random characters", ChooseLength(7), "A-Z,a-z,0-9,Symbol,All kind", "7"},
        {"a dictionary word, lengths in either order", ChooseWordLengths(8, 6), "Dictionary Word",
         "6-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill({"A", "B", "C"});
        Select({1, 2});
        wxString shownText;
        ConfirmDialog([&] { Press(CombinationPage::kEditId); },
                      [&](CombinationDialog* dialog) {
                          if (wxComboBox* combo = FixedCombo(dialog)) {
                              shownText = combo->GetValue();
                          }
                          c.work(dialog);
                      });
        EXPECT_EQ(shownText, "B") << "the dialog shows the row's item";
        EXPECT_EQ(Column(0), (Texts{"Fixed (A)", c.kind, "Fixed (C)"}));
        EXPECT_EQ(Column(1)[1], c.length);
        EXPECT_EQ(Selected(), Rows{1});
        Stored();
        EXPECT_EQ(Config().CombinationUseChar.GetCount(), 3u);
        EXPECT_EQ(Config().CombinationUseChar[0], FixedItem("A"));
        EXPECT_EQ(Config().CombinationUseChar[2], FixedItem("C"));
    }
}

TEST_F(CombinationPageTest, ActivatingARowEditsThatRow) {
    Fill({"A", "B", "C"});
    Select({0});
    wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, CombinationPage::kListId);
    activated.SetEventObject(list);
    activated.SetIndex(2);
    ConfirmDialog([&] { list->HandleWindowEvent(activated); }, TypeFixedText("new"));
    EXPECT_EQ(Stored(), (Texts{"A", "B", "new"}));
    EXPECT_EQ(Selected(), Rows{2});
}

TEST_F(CombinationPageTest, CancellingAnEditLeavesTheRowAndItsItem) {
    Fill({"A", "B"});
    Select({1});
    const UseCharArray before = Config().CombinationUseChar;
    CancelDialog([&] { Press(CombinationPage::kEditId); }, ChooseLength(3));
    EXPECT_EQ(Column(0), Shown({"A", "B"}));
    EXPECT_EQ(Column(1), (Texts{"1", "1"}));
    EXPECT_EQ(Selected(), Rows{1});
    page->TransferDataFromWindow();
    EXPECT_EQ(Config().CombinationUseChar, before);
}

TEST_F(CombinationPageTest, TheKeysOfThePageReachItsCommands) {
    std::vector<wxString> names;
    for (int i = 0; i < 40; ++i) {
        names.push_back(wxString::Format("%02d", i));
    }
    Fill(names);
    ShowFrame();
    list->SetFocus();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return list->GetCountPerPage() > 0; }));
    ASSERT_LT(list->GetCountPerPage(), 40) << "the list must be able to scroll";
    Select({5});

    PressKey(GDK_KEY_End);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return RowVisible(39); }));
    EXPECT_EQ(Selected(), Rows{5}) << "scrolling keeps the selection";
    PressKey(GDK_KEY_Home);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return RowVisible(0); }));
    EXPECT_EQ(Selected(), Rows{5});

    PressKey(GDK_KEY_a, GDK_CONTROL_MASK);
    EXPECT_EQ(Selected().size(), 40u) << "Ctrl+A selects every row";

    PressKey(GDK_KEY_Delete);
    EXPECT_EQ(list->GetItemCount(), 0);

    // Home and End on an empty list do nothing.
    PressKey(GDK_KEY_Home);
    PressKey(GDK_KEY_End);
    EXPECT_EQ(ErrorOf([&] { PressKey(GDK_KEY_Delete); }), "The list item has not been selected");

    ConfirmDialog([&] { PressKey(GDK_KEY_Insert); }, TypeFixedText("typed"));
    EXPECT_EQ(Stored(), Texts{"typed"});
}

}  // namespace
