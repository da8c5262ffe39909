#include "ui/main/StandardPage.h"

#include <gtest/gtest.h>
#include <wx/statbox.h>
#include <wx/statline.h>

#include <vector>

#include "engine/SymbolStrings.h"
#include "framework/orlFonts.h"
#include "settings/MainConfig.h"
#include "support/ControlEvents.h"
#include "support/FocusChecks.h"
#include "support/LiveSettingsFixture.h"
#include "support/MessageBoxExpectation.h"
#include "support/Strings.h"
#include "support/WindowFixture.h"
#include "ui/main/SymbolCombo.h"

namespace {

using testsupport::Array;
using testsupport::Texts;

std::vector<std::string> ListOf(const wxComboBox* combo) {
    return testsupport::Strings(combo->GetStrings());
}

std::vector<std::string> History() {
    return testsupport::Strings(MainConfig::Get().SymbolStrings);
}

// The page in the test frame, with its controls found the way a user of the page finds them.
class StandardPageTest : public LiveSettingsFixture {
  protected:
    void SetUp() override {
        LiveSettingsFixture::SetUp();
        page = new StandardPage(Frame());
        auto checks = Children<wxCheckBox>("check");
        EXPECT_EQ(checks.size(), 5u);
        if (checks.size() == 5u) {
            upper = checks[0];
            lower = checks[1];
            digit = checks[2];
            symbol = checks[3];
            useAll = checks[4];
        }
        slider = dynamic_cast<wxSlider*>(page->FindWindow(StandardPage::kLengthSliderId));
        label = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", page));
        combo = dynamic_cast<wxComboBox*>(wxWindow::FindWindowByName("comboBox", page));
        ASSERT_NE(useAll, nullptr);
        ASSERT_NE(slider, nullptr);
        ASSERT_NE(label, nullptr);
        ASSERT_NE(combo, nullptr);
    }

    // The page's children of the type and window name, in creation order.
    template <class T>
    std::vector<T*> Children(const wxString& name) const {
        return testsupport::Children<T>(page, name);
    }

    // Ticks or clears the check box as a click would.
    void Click(wxCheckBox* check, bool value) { testsupport::Tick(check, value); }

    // Validates with no box expected.
    bool ValidateQuietly() { return page->Validate(); }

    StandardPage* page = nullptr;
    wxCheckBox* upper = nullptr;
    wxCheckBox* lower = nullptr;
    wxCheckBox* digit = nullptr;
    wxCheckBox* symbol = nullptr;
    wxCheckBox* useAll = nullptr;
    wxSlider* slider = nullptr;
    wxStaticText* label = nullptr;
    wxComboBox* combo = nullptr;
};

TEST_F(StandardPageTest, ControlsHaveTheirLabelsAndStartingState) {
    EXPECT_TRUE(page->HasFlag(wxTAB_TRAVERSAL));

    EXPECT_EQ(slider->GetMin(), 1);
    EXPECT_EQ(slider->GetMax(), 20);
    EXPECT_EQ(slider->GetValue(), 1);
    EXPECT_EQ(label->GetLabel(), "");
    EXPECT_TRUE(label->HasFlag(wxST_NO_AUTORESIZE));
    const wxSize widest = page->GetTextExtent("20");
    EXPECT_GE(label->GetSize().x, widest.x);
    EXPECT_GE(label->GetSize().y, widest.y);

    struct Check {
        wxCheckBox* box;
        const char* label;
    };
    for (const Check& check : {Check{upper, "A-Z"}, Check{lower, "a-z"}, Check{digit, "0-9"},
                               Check{symbol, "Symbol"}, Check{useAll, "Use all character kind"}}) {
        SCOPED_TRACE(check.label);
        EXPECT_EQ(check.box->GetLabel(), check.label);
    }

    std::vector<wxString> boxes;
    for (wxStaticBox* box : Children<wxStaticBox>("groupBox")) {
        boxes.push_back(box->GetLabel());
    }
    EXPECT_EQ(boxes, (std::vector<wxString>{"Length", "Use Character"}));
    EXPECT_EQ(Children<wxStaticLine>("staticLine").size(), 1u);
}

TEST_F(StandardPageTest, ControlsStandInTheirRowsTopToBottom) {
    Frame()->SetClientSize(400, 300);
    ShowFrame();
    Frame()->Layout();
    auto rect = [](wxWindow* w) { return w->GetScreenRect(); };
    auto line = Children<wxStaticLine>("staticLine").at(0);

    EXPECT_LT(rect(label).GetRight(), rect(slider).GetLeft());
    EXPECT_LT(rect(slider).GetBottom(), rect(upper).GetTop());
    EXPECT_LT(rect(upper).GetRight(), rect(lower).GetLeft());
    EXPECT_LT(rect(lower).GetRight(), rect(digit).GetLeft());
    EXPECT_LT(rect(upper).GetBottom(), rect(symbol).GetTop());
    EXPECT_LT(rect(symbol).GetRight(), rect(combo).GetLeft());
    EXPECT_LT(rect(combo).GetBottom(), rect(line).GetTop());
    EXPECT_LT(rect(line).GetBottom(), rect(useAll).GetTop());
    // The slider and the combo box take the width left in their rows.
    EXPECT_GT(rect(slider).width, 200);
    EXPECT_GT(rect(combo).width, 200);
}

TEST_F(StandardPageTest, SettingsMoveIntoTheControlsAndBack) {
    struct Case {
        const char* name;
        unsigned length;
        bool upper, lower, digit, symbol, useAll;
        wxString symbols;  // as stored
        wxString shown;    // the combo box's text
    };
    const Case cases[] = {
        {"all kinds", 20, true, true, true, true, true, "!#$", "!#$"},
        {"shortest, symbols only", 1, false, false, false, true, false, "@", "@"},
        {"no symbols, disabled box", 8, true, false, true, false, false, "%&", "%&"},
        {"stored text filtered when shown", 12, false, true, false, true, true, "$$\t#", "$#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseChar& use = Config().StandardUseChar;
        use.Reset();
        use.Length = c.length;
        use.AlphabetUpper = c.upper;
        use.AlphabetLower = c.lower;
        use.Numeric = c.digit;
        use.Symbol = c.symbol;
        use.UseAllKind = c.useAll;
        use.SymbolString = c.symbols;
        use.Fixed = true;
        use.FixedString = "fixed";
        use.Dictionary = true;
        use.DictionaryMin = 3;
        use.DictionaryMax = 7;
        const UseChar before = use;

        EXPECT_TRUE(page->TransferDataToWindow());
        EXPECT_EQ(slider->GetValue(), static_cast<int>(c.length));
        EXPECT_EQ(label->GetLabel(), wxString::Format("%u", c.length));
        EXPECT_EQ(upper->GetValue(), c.upper);
        EXPECT_EQ(lower->GetValue(), c.lower);
        EXPECT_EQ(digit->GetValue(), c.digit);
        EXPECT_EQ(symbol->GetValue(), c.symbol);
        EXPECT_EQ(useAll->GetValue(), c.useAll);
        EXPECT_EQ(combo->GetValue(), c.shown);
        EXPECT_EQ(combo->IsEnabled(), c.symbol);

        // Untouched controls give the record back, the filtered symbol text included; the
        // fixed-text and dictionary fields the page does not show survive.
        use.Length = 21 - c.length;
        use.AlphabetUpper = !c.upper;
        use.AlphabetLower = !c.lower;
        use.Numeric = !c.digit;
        use.Symbol = !c.symbol;
        use.UseAllKind = !c.useAll;
        use.SymbolString = "?";
        EXPECT_TRUE(page->TransferDataFromWindow());
        UseChar expected = before;
        expected.SymbolString = c.shown;
        EXPECT_EQ(use, expected);
    }
}

TEST_F(StandardPageTest, ChangedControlsMoveIntoTheSettings) {
    Config().StandardUseChar.Fixed = true;
    Config().StandardUseChar.FixedString = "keep";
    page->TransferDataToWindow();
    slider->SetValue(17);
    Click(upper, false);
    Click(lower, true);
    Click(digit, false);
    Click(symbol, true);
    Click(useAll, true);
    combo->SetValue("*+*");

    EXPECT_TRUE(page->TransferDataFromWindow());
    const UseChar& use = Config().StandardUseChar;
    EXPECT_EQ(use.Length, 17u);
    EXPECT_FALSE(use.AlphabetUpper);
    EXPECT_TRUE(use.AlphabetLower);
    EXPECT_FALSE(use.Numeric);
    EXPECT_TRUE(use.Symbol);
    EXPECT_TRUE(use.UseAllKind);
    EXPECT_EQ(use.SymbolString, "*+");
    EXPECT_TRUE(use.Fixed);
    EXPECT_EQ(use.FixedString, "keep");
    EXPECT_EQ(History(), Texts({"*+"}));
    EXPECT_EQ(combo->GetValue(), "*+");
    EXPECT_EQ(ListOf(combo), Texts({"*+", GetDefaultSymbolString()}));
}

TEST_F(StandardPageTest, TakingTheValuesRecordsTheSymbolTextAtTheFrontOfTheHistory) {
    struct Case {
        const char* name;
        wxString typed;
        wxString stored;  // SymbolString afterwards
        std::vector<wxString> history;
    };
    // Stored before each case: SymbolString "!" and the history "#$", "%&".
    const Case cases[] = {
        {"new text goes first", "()", "()", {"()", "#$", "%&"}},
        {"known text moves first", "%&", "%&", {"%&", "#$"}},
        {"filtered before it is recorded", "a\t(a", "a(", {"a(", "#$", "%&"}},
        {"the default string is used but not recorded",
         GetDefaultSymbolString(),
         GetDefaultSymbolString(),
         {"#$", "%&"}},
        {"an erased text changes nothing", "", "!", {"#$", "%&"}},
        {"a text of nothing usable changes nothing", L"\t\u00e4", "!", {"#$", "%&"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Config().StandardUseChar.SymbolString = "!";
        Config().SymbolStrings = Array({"#$", "%&"});
        page->TransferDataToWindow();
        Click(symbol, false);
        combo->SetValue(c.typed);

        page->TransferDataFromWindow();
        EXPECT_EQ(Config().StandardUseChar.SymbolString, c.stored);
        EXPECT_EQ(History(), Texts(c.history));
    }
}

TEST_F(StandardPageTest, TheSymbolListOffersTheHistoryWithTheCurrentTextFirstAndTheDefaultLast) {
    Config().SymbolStrings = Array({"#$", "%&", "()"});
    Config().StandardUseChar.SymbolString = "%&";
    page->TransferDataToWindow();
    EXPECT_EQ(ListOf(combo), Texts({"%&", "#$", "()", GetDefaultSymbolString()}));
    EXPECT_EQ(History(), Texts({"#$", "%&", "()"})) << "the history is kept";

    // A string recorded elsewhere appears once the list is refreshed; the typed text stays.
    combo->SetValue("<>");
    Config().AddSymbolHistory("[]");
    page->RefreshSymbolList();
    EXPECT_EQ(combo->GetValue(), "<>");
    EXPECT_EQ(ListOf(combo), Texts({"<>", "[]", "#$", "%&", "()", GetDefaultSymbolString()}));
    EXPECT_EQ(History(), Texts({"[]", "#$", "%&", "()"}));
}

TEST_F(StandardPageTest, EveryMoveOfTheSliderShowsItsPositionBesideIt) {
    const wxEventType types[] = {
        wxEVT_SCROLL_TOP,        wxEVT_SCROLL_BOTTOM,       wxEVT_SCROLL_LINEUP,
        wxEVT_SCROLL_LINEDOWN,   wxEVT_SCROLL_PAGEUP,       wxEVT_SCROLL_PAGEDOWN,
        wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED,
    };
    int position = 2;
    for (wxEventType type : types) {
        SCOPED_TRACE(position);
        wxScrollEvent event(type, slider->GetId(), position, wxHORIZONTAL);
        event.SetEventObject(slider);
        slider->HandleWindowEvent(event);
        EXPECT_EQ(label->GetLabel(), wxString::Format("%d", position));
        ++position;
    }
}

TEST_F(StandardPageTest, TheSymbolBoxEnablesTheSymbolTextAtOnce) {
    Config().StandardUseChar.Symbol = true;
    page->TransferDataToWindow();
    ASSERT_TRUE(combo->IsEnabled());
    Click(symbol, false);
    EXPECT_FALSE(combo->IsEnabled());
    Click(symbol, true);
    EXPECT_TRUE(combo->IsEnabled());
}

TEST_F(StandardPageTest, ValidationReportsTheFirstFaultAndFocusesTheControlToCorrect) {
    struct Case {
        const char* name;
        bool upper, lower, digit, symbol;
        wxString typed;
        wxString message;
        wxString textAfter;
    };
    const Case cases[] = {
        {"no kind, symbol cleared last", false, false, false, false, "!",
         "The use character is not specified", "!"},
        {"no kind, symbol text empty too", false, false, false, false, "",
         "The use character is not specified", ""},
        {"symbol text of tabs", true, false, false, true, "\t\t", "The symbol string is not input",
         ""},
        {"symbol text outside printable ASCII", false, false, false, true, L"\u00e4\u00f6\u3042",
         "The symbol string is not input", ""},
        {"symbol text erased", false, true, true, true, "", "The symbol string is not input", ""},
    };
    ShowFrame();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->TransferDataToWindow();
        Click(upper, c.upper);
        Click(lower, c.lower);
        Click(digit, c.digit);
        Click(symbol, true);
        combo->SetValue(c.typed);
        Click(symbol, c.symbol);
        lower->SetFocus();
        const UseChar before = Config().StandardUseChar;

        wxString message;
        wxWindow* parent = nullptr;
        bool valid = true;
        wxTEST_DIALOG(valid = page->Validate(),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* dialog) {
                          message = MessageOf(dialog);
                          parent = dialog->GetParent();
                          return wxID_OK;
                      }));
        wxYield();

        EXPECT_FALSE(valid);
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(parent, Frame());
        EXPECT_TRUE(HasFocusWithin(c.symbol ? static_cast<wxWindow*>(combo) : upper))
            << "the focus is on the control to correct";
        EXPECT_EQ(combo->GetValue(), c.textAfter);
        EXPECT_EQ(Config().StandardUseChar, before) << "validation leaves the settings alone";
    }
}

TEST_F(StandardPageTest, ValidationPassesQuietlyAndFiltersTheSymbolTextInUse) {
    struct Case {
        const char* name;
        bool upper, symbol;
        wxString typed;
        wxString textAfter;
    };
    const Case cases[] = {
        {"repeated symbols kept once", false, true, "%%$$", "%$"},
        {"space and tilde are usable", false, true, " ~\t", " ~"},
        {"symbol text unused is not looked at", true, false, "\t\t", "\t\t"},
        {"symbol text unused may be empty", true, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->TransferDataToWindow();
        Click(upper, c.upper);
        Click(symbol, c.symbol);
        combo->SetValue(c.typed);

        EXPECT_TRUE(ValidateQuietly());
        EXPECT_EQ(combo->GetValue(), c.textAfter);
    }

    // The filtered text is what is taken and recorded.
    Config().SymbolStrings = Array({"#"});
    page->TransferDataToWindow();
    Click(symbol, true);
    combo->SetValue("%%$$");
    ASSERT_TRUE(ValidateQuietly());
    page->TransferDataFromWindow();
    EXPECT_EQ(Config().StandardUseChar.SymbolString, "%$");
    EXPECT_EQ(History(), Texts({"%$", "#"}));
}

class SymbolComboTest : public LiveSettingsFixture {};

TEST_F(SymbolComboTest, StartsEditableAndEmptyWithTheDefaultStringInTheTextFont) {
    wxComboBox* combo = CreateSymbolCombo(Frame(), 2123);
    EXPECT_EQ(combo->GetParent(), Frame());
    EXPECT_EQ(combo->GetId(), 2123);
    EXPECT_EQ(combo->GetValue(), "");
    EXPECT_FALSE(combo->HasFlag(wxCB_READONLY));
    EXPECT_EQ(ListOf(combo), Texts({GetDefaultSymbolString()}));
    EXPECT_EQ(combo->GetFont(), orlGetTextFont());
}

TEST_F(SymbolComboTest, FillingListsTheHistoryAsIfTheTextWereRecordedAndFiltersTheText) {
    struct Case {
        const char* name;
        std::vector<wxString> history;
        wxString text;
        std::vector<wxString> list;  // without the default string, which always ends it
        wxString value;
    };
    const Case cases[] = {
        {"empty history, empty text", {}, "", {}, ""},
        {"new text first", {"#$", "%&"}, "!", {"!", "#$", "%&"}, "!"},
        {"known text moved first", {"#$", "%&"}, "%&", {"%&", "#$"}, "%&"},
        {"text filtered", {"#$"}, "ab\tba", {"ab", "#$"}, "ab"},
        {"default text only at the end",
         {"#$"},
         GetDefaultSymbolString(),
         {"#$"},
         GetDefaultSymbolString()},
        {"at most nine recorded",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
         "0",
         {"0", "1", "2", "3", "4", "5", "6", "7", "8"},
         "0"},
    };
    wxComboBox* combo = CreateSymbolCombo(Frame(), wxID_ANY);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Config().SymbolStrings = Array(c.history);
        FillSymbolCombo(combo, c.text);
        std::vector<wxString> list = c.list;
        list.push_back(GetDefaultSymbolString());
        EXPECT_EQ(ListOf(combo), Texts(list));
        EXPECT_EQ(combo->GetValue(), c.value);
        EXPECT_EQ(History(), Texts(c.history)) << "the stored history is kept";
    }
}

}  // namespace
