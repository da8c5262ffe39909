// The combination list under a real mouse and keyboard: which rows a click, a Shift+click or a
// Shift+arrow selects after the page's own commands, and which rows Delete then removes.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/listctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/MainConfig.h"
#include "support/FocusChecks.h"
#include "support/LiveSettingsFixture.h"
#include "support/UserInput.h"
#include "ui/main/CombinationDialogExpectation.h"
#include "ui/main/CombinationDialogWork.h"
#include "ui/main/CombinationPage.h"

namespace {

using namespace combination_dialog_work;

using Names = std::vector<std::string>;

class CombinationListInputTest : public LiveSettingsFixture {
  protected:
    void SetUp() override {
        LiveSettingsFixture::SetUp();
        page = new CombinationPage(Frame());
        list = dynamic_cast<wxListCtrl*>(page->FindWindow(CombinationPage::kListId));
        ASSERT_NE(list, nullptr);
        Frame()->SetClientSize(420, 360);  // every row in sight
        // Every click here is a click of its own: rows are clicked again soon after, which GTK
        // would otherwise take for a double click (and the page opens the item dialog).
        g_object_set(gtk_settings_get_default(), "gtk-double-click-time", 1, nullptr);
        ASSERT_TRUE(testsupport::ShowAndActivate(Frame()));
        input = std::make_unique<testsupport::UserInput>();
    }

    void TearDown() override {
        input.reset();
        LiveSettingsFixture::TearDown();
    }

    // Puts fixed-text items of the names into the list.
    void Fill(const Names& names) {
        Config().CombinationUseChar.Clear();
        for (const std::string& name : names) {
            Config().CombinationUseChar.Add(FixedItem(name));
        }
        page->TransferDataToWindow();
        wxYield();
    }

    long RowOf(const std::string& name) const {
        const Names names = Stored();
        for (std::size_t row = 0; row < names.size(); ++row) {
            if (names[row] == name) {
                return static_cast<long>(row);
            }
        }
        ADD_FAILURE() << "no row " << name;
        return -1;
    }

    // Clicks the row of the item, on its Kind text.
    void ClickRow(const std::string& name, int modifiers = wxMOD_NONE) {
        const long row = RowOf(name);
        wxRect rect;
        ASSERT_TRUE(list->GetItemRect(row, rect));
        input->Click(list, wxPoint(rect.x + 20, rect.y + rect.height / 2), modifiers);
    }

    void ClickButton(wxWindowID id) { input->Click(page->FindWindow(id)); }

    void PressKey(int key, int modifiers = wxMOD_NONE) { input->Press(key, modifiers); }

    // Brings the keyboard focus back from the page's buttons to the list with Shift+Tab.
    void TabBackToList() {
        for (int i = 0; i < 8 && !HasFocusWithin(list); ++i) {
            PressKey(WXK_TAB, wxMOD_SHIFT);
        }
        ASSERT_TRUE(HasFocusWithin(list));
    }

    // Confirms the item dialog opened by the action, with the text typed in.
    void ConfirmFixedText(const std::function<void()>& action, const wxString& text) {
        wxTEST_DIALOG(action(), wxExpectModal<CombinationDialog>([&](CombinationDialog* dialog) {
                          TypeFixedText(text)(dialog);
                          EXPECT_TRUE(dialog->TransferDataFromWindow());
                          return wxID_OK;
                      }));
    }

    // Clicks the button that opens the item dialog; the user types the text and confirms.
    void ConfirmFixedText(wxWindowID button, const wxString& text) {
        ConfirmFixedText([&] { ClickButton(button); }, text);
    }

    // The names of the items in row order.
    Names Stored() const {
        page->TransferDataFromWindow();
        Names names;
        const UseCharArray& items = Config().CombinationUseChar;
        for (std::size_t i = 0; i < items.GetCount(); ++i) {
            names.push_back(items[i].FixedString.utf8_string());
        }
        return names;
    }

    // The names of the rows shown selected.
    Names Selected() const {
        const Names names = Stored();
        Names selected;
        for (long row = 0; row < list->GetItemCount(); ++row) {
            if (list->GetItemState(row, wxLIST_STATE_SELECTED) != 0) {
                selected.push_back(names[row]);
            }
        }
        return selected;
    }

    CombinationPage* page = nullptr;
    wxListCtrl* list = nullptr;
    std::unique_ptr<testsupport::UserInput> input;
};

// After each of the page's commands, the mouse and the arrow keys go on from the row the page
// left selected (the toolkit's list keeps its own focused row and the start of a Shift range,
// which setting the rows' states does not move); and Delete removes exactly the rows shown
// selected.
TEST_F(CombinationListInputTest, ClicksAndShiftSelectionGoOnFromTheRowsThePageSelected) {
    const Names seven = {"AA", "BB", "CC", "DD", "EE", "FF", "GG"};
    const Names eight = {"AA", "BB", "CC", "DD", "EE", "FF", "GG", "HH"};
    struct Case {
        const char* name;
        Names rows;
        std::function<void()> steps;
        Names selected;
    };
    const Case cases[] = {
        {"a plain click, then Shift+click",
         seven,
         [&] {
             ClickRow("EE");
             ClickRow("GG", wxMOD_SHIFT);
         },
         {"EE", "FF", "GG"}},
        {"a plain click, then Shift+Down",
         seven,
         [&] {
             ClickRow("BB");
             PressKey(WXK_DOWN, wxMOD_SHIFT);
         },
         {"BB", "CC"}},
        {"Add, then a click on the row clicked before",
         seven,
         [&] {
             ClickRow("CC");
             ConfirmFixedText(CombinationPage::kAddId, "HH");
             ClickRow("CC");
         },
         {"CC"}},
        {"Add, then a click on the first row",
         seven,
         [&] {
             ClickRow("CC");
             ConfirmFixedText(CombinationPage::kAddId, "HH");
             ClickRow("AA");
         },
         {"AA"}},
        {"Add, then Shift+Up",
         seven,
         [&] {
             ClickRow("BB");
             ConfirmFixedText(CombinationPage::kAddId, "HH");
             TabBackToList();
             PressKey(WXK_UP, wxMOD_SHIFT);
         },
         {"GG", "HH"}},
        {"Insert, then Shift+Up",
         seven,
         [&] {
             ClickRow("BB");
             ConfirmFixedText([&] { PressKey(WXK_INSERT); }, "HH");
             PressKey(WXK_UP, wxMOD_SHIFT);
         },
         {"GG", "HH"}},
        {"Add, then Shift+click",
         seven,
         [&] {
             ClickRow("BB");
             ConfirmFixedText(CombinationPage::kAddId, "HH");
             ClickRow("FF", wxMOD_SHIFT);
         },
         {"FF", "GG", "HH"}},
        {"Edit, then Down",
         seven,
         [&] {
             ClickRow("BB");
             ClickRow("DD", wxMOD_SHIFT);
             ConfirmFixedText(CombinationPage::kEditId, "XX");
             TabBackToList();
             PressKey(WXK_DOWN);
         },
         {"CC"}},
        {"Edit, then Shift+Down",
         seven,
         [&] {
             ClickRow("BB");
             ClickRow("DD", wxMOD_SHIFT);
             ConfirmFixedText(CombinationPage::kEditId, "XX");
             TabBackToList();
             PressKey(WXK_DOWN, wxMOD_SHIFT);
         },
         {"XX", "CC"}},
        {"Enter on a row, then Shift+Up",
         seven,
         [&] {
             ClickRow("DD");
             ClickRow("BB", wxMOD_SHIFT);
             ConfirmFixedText([&] { PressKey(WXK_RETURN); }, "XX");
             PressKey(WXK_UP, wxMOD_SHIFT);
         },
         {"AA", "XX"}},
        {"Delete, then a click and a Shift+click",
         eight,
         [&] {
             ClickRow("AA");
             ClickButton(CombinationPage::kDeleteId);
             ClickRow("EE");
             ClickRow("GG", wxMOD_SHIFT);
         },
         {"EE", "FF", "GG"}},
        {"Delete, then a click and Shift+Down",
         eight,
         [&] {
             ClickRow("AA");
             ClickButton(CombinationPage::kDeleteId);
             ClickRow("CC");
             PressKey(WXK_DOWN, wxMOD_SHIFT);
         },
         {"CC", "DD"}},
        {"Delete of a range, then Shift+Down",
         seven,
         [&] {
             ClickRow("CC");
             ClickRow("BB", wxMOD_SHIFT);
             ClickButton(CombinationPage::kDeleteId);
             TabBackToList();
             PressKey(WXK_DOWN, wxMOD_SHIFT);
         },
         {"DD", "EE"}},
        {"the Delete key on a range, then Shift+Down",
         seven,
         [&] {
             ClickRow("CC");
             ClickRow("BB", wxMOD_SHIFT);
             PressKey(WXK_DELETE);
             PressKey(WXK_DOWN, wxMOD_SHIFT);
         },
         {"DD", "EE"}},
        {"Up, then Shift+Down",
         seven,
         [&] {
             ClickRow("CC");
             ClickButton(CombinationPage::kUpId);
             TabBackToList();
             PressKey(WXK_DOWN, wxMOD_SHIFT);
         },
         {"CC", "BB"}},
        {"Up, then a click on the row above",
         seven,
         [&] {
             ClickRow("CC");
             ClickButton(CombinationPage::kUpId);
             ClickRow("AA");
         },
         {"AA"}},
        {"Down, then Shift+Up",
         seven,
         [&] {
             ClickRow("CC");
             ClickButton(CombinationPage::kDownId);
             TabBackToList();
             PressKey(WXK_UP, wxMOD_SHIFT);
         },
         {"DD", "CC"}},
        {"Down of a range, then Shift+Down",
         seven,
         [&] {
             ClickRow("BB");
             ClickRow("CC", wxMOD_SHIFT);
             ClickButton(CombinationPage::kDownId);
             TabBackToList();
             PressKey(WXK_DOWN, wxMOD_SHIFT);
         },
         {"BB", "CC", "EE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(c.rows);
        c.steps();
        const Names before = Stored();
        EXPECT_EQ(Selected(), c.selected);

        // Delete, without a question, takes exactly those rows.
        const Names shown = Selected();
        if (shown.empty()) {
            continue;  // Delete would only say that nothing is selected
        }
        PressKey(WXK_DELETE);
        Names left;
        for (const std::string& name : before) {
            if (std::find(shown.begin(), shown.end(), name) == shown.end()) {
                left.push_back(name);
            }
        }
        EXPECT_EQ(Stored(), left);
    }
}

// Space on a row opens the item dialog for that row, as Enter and a double click do.
TEST_F(CombinationListInputTest, SpaceOrEnterOnARowOpensThatRow) {
    for (const int key : {WXK_SPACE, WXK_RETURN}) {
        SCOPED_TRACE(key == WXK_SPACE ? "Space" : "Enter");
        Fill({"AA", "BB", "CC", "DD"});
        ClickRow("CC");
        wxString shown;
        wxTEST_DIALOG(PressKey(key),
                      wxExpectModal<CombinationDialog>([&](CombinationDialog* dialog) {
                          if (wxComboBox* combo = FixedCombo(dialog)) {
                              shown = combo->GetValue();
                          }
                          TypeFixedText("XX")(dialog);
                          EXPECT_TRUE(dialog->TransferDataFromWindow());
                          return wxID_OK;
                      }));
        EXPECT_EQ(shown, "CC") << "the dialog shows the row's item";
        EXPECT_EQ(Stored(), (Names{"AA", "BB", "XX", "DD"}));
        EXPECT_EQ(Selected(), Names{"XX"});
    }
}

TEST_F(CombinationListInputTest, CtrlSpaceStillTakesTheRowOutOfTheSelectionAndBack) {
    Fill({"AA", "BB", "CC", "DD"});
    ClickRow("BB");
    ClickRow("DD", wxMOD_CONTROL);
    ASSERT_EQ(Selected(), (Names{"BB", "DD"}));
    PressKey(WXK_SPACE, wxMOD_CONTROL);
    EXPECT_EQ(Selected(), Names{"BB"});
    PressKey(WXK_SPACE, wxMOD_CONTROL);
    EXPECT_EQ(Selected(), (Names{"BB", "DD"}));
}

}  // namespace
