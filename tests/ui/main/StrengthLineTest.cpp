// The strength line under the main window's pages, followed through a real mouse and
// keyboard: it shows what Create would make from the controls as they stand, reads them
// without taking anything from them, and never widens the window.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/slider.h>
#include <wx/stattext.h>

#include <memory>
#include <vector>

#include "engine/Dictionary.h"
#include "engine/RecipeEntropy.h"
#include "support/ControlEvents.h"
#include "support/DialogExpectation.h"
#include "support/FocusChecks.h"
#include "support/TempDirectory.h"
#include "support/UserInput.h"
#include "ui/main/CombinationDialogExpectation.h"
#include "ui/main/CombinationDialogWork.h"
#include "ui/main/MainFrame.h"
#include "ui/main/MainWindowFixture.h"
#include "ui/preferences/PreferenceDialog.h"

template <>
class wxExpectModal<PreferenceDialog> : public ExpectDialog<PreferenceDialog> {
  public:
    using ExpectDialog<PreferenceDialog>::ExpectDialog;
};

namespace {

using namespace combination_dialog_work;

// The main window, shown and active, over ten-character standard passwords of capital letters
// and digits without guaranteed kinds or the simple-password check, so that each figure is a
// plain length times log2 of the pool; the combination list holds "ID-" and twelve digits.
class StrengthLineTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        UseChar& use = Config().StandardUseChar;
        use.Length = 10;
        use.AlphabetUpper = true;
        use.AlphabetLower = false;
        use.Numeric = true;
        use.Symbol = false;
        use.SymbolString = "#$";
        use.UseAllKind = false;
        Config().DeterSimplePassword = false;

        UseChar fixed;
        fixed.Reset();
        fixed.Fixed = true;
        fixed.FixedString = "ID-";
        UseChar digits;
        digits.Reset();
        digits.Length = 12;
        digits.AlphabetUpper = digits.AlphabetLower = digits.Symbol = false;
        Config().CombinationUseChar.Clear();
        Config().CombinationUseChar.Add(fixed);
        Config().CombinationUseChar.Add(digits);

        // Eight words of five letters: a word item of 5 to 8 letters adds three bits.
        words.WriteFile("fruit.dic", "apple\ngrape\nlemon\nmango\npeach\nmelon\nberry\nolive\n");
        ASSERT_TRUE(dictionary.Load(words.Root()));
    }

    void TearDown() override {
        input.reset();
        MainWindowFixture::TearDown();
    }

    void Open() {
        MakeWindow();
        ASSERT_TRUE(testsupport::ShowAndActivate(frame));
        input = std::make_unique<testsupport::UserInput>();
        // The first figure comes once the window is up.
        EXPECT_TRUE(testsupport::WaitUntil([&] { return Shown() != "Strength:"; }));
        usualWidth = frame->GetSize().x;
    }

    wxString Shown() const {
        auto* label = dynamic_cast<wxStaticText*>(frame->FindWindow(MainFrame::kStrengthId));
        return label != nullptr ? label->GetLabel() : wxString("(no strength line)");
    }

    // True once the line shows the text; the window has kept its width all the while.
    bool Shows(const wxString& text) {
        const bool shown = testsupport::WaitUntil([&] { return Shown() == text; });
        EXPECT_EQ(frame->GetSize().x, usualWidth) << "the line never widens the window";
        return shown;
    }

    template <class T>
    T* Named(const wxString& name, const wxString& label = wxString()) const {
        for (T* control : testsupport::Descendants<T>(frame, name)) {
            if (label.empty() || control->GetLabel() == label) {
                return control;
            }
        }
        ADD_FAILURE() << "no " << name << " " << label;
        return nullptr;
    }
    wxCheckBox* Check(const wxString& label) const { return Named<wxCheckBox>("check", label); }

    void Click(wxWindow* control) { input->Click(control); }
    void PressKey(int key, int modifiers = wxMOD_NONE) { input->Press(key, modifiers); }
    void Focus(wxWindow* control) {
        control->SetFocus();
        ASSERT_TRUE(testsupport::WaitUntil([&] { return HasFocusWithin(control); }));
    }

    // Clicks the notebook's tab of the page.
    void ClickTab(int page) {
        wxNotebook* notebook = Named<wxNotebook>("notebook");
        ASSERT_NE(notebook, nullptr);
        for (int x = 2; x < notebook->GetClientSize().x; x += 4) {
            for (int y = 2; y < 60; y += 4) {
                if (notebook->HitTest(wxPoint(x, y)) == page) {
                    input->Click(notebook, wxPoint(x + 8, y + 4));
                    ASSERT_EQ(notebook->GetSelection(), page);
                    return;
                }
            }
        }
        FAIL() << "no tab " << page;
    }

    TempDirectory words;
    std::unique_ptr<testsupport::UserInput> input;
    int usualWidth = 0;
};

// The first figure waits for the window's first drawing: with the simple-password check on it
// reads the dictionary, which a window that is still being made does not wait for.
TEST_F(StrengthLineTest, TheFirstFigureWaitsForTheWindowToBeDrawn) {
    Config().DeterSimplePassword = true;
    dictionary.LoadWhenUsed(words.Root());
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, words.Root().utf8_str(), IN_OPEN), 0);
    const auto opened = [&] {
        char events[4096];
        return ::read(watch, events, sizeof events) > 0;
    };

    MakeWindow();
    for (int i = 0; i < 5; ++i) {
        wxYield();
    }
    EXPECT_EQ(Shown(), "Strength:");
    EXPECT_FALSE(opened()) << "the words were read before the window was drawn";

    ASSERT_TRUE(testsupport::ShowAndActivate(frame));
    EXPECT_TRUE(testsupport::WaitUntil([&] { return Shown().StartsWith("Strength: 5"); }))
        << Shown();  // ten characters of 36, less what looks simple
    EXPECT_TRUE(opened());
    close(watch);
}

TEST_F(StrengthLineTest, FollowsTheStandardPageAsTheUserChangesIt) {
    Open();
    // 10 log2 36 = 51.70
    EXPECT_TRUE(Shows("Strength: 51.7 bits, fair")) << Shown();

    auto* slider = Named<wxSlider>("slider");
    ASSERT_NE(slider, nullptr);
    Focus(slider);
    PressKey(WXK_RIGHT);
    EXPECT_TRUE(Shows("Strength: 56.9 bits, fair")) << Shown();  // 11 log2 36
    PressKey(WXK_END);
    EXPECT_TRUE(Shows("Strength: 103.4 bits, strong")) << Shown();  // 20 log2 36

    Click(Check("a-z"));
    EXPECT_TRUE(Shows("Strength: 119.1 bits, strong")) << Shown();  // 20 log2 62
    Click(Check("Symbol"));
    EXPECT_TRUE(Shows("Strength: 120.0 bits, strong")) << Shown();  // 20 log2 64, "#$" added

    // A symbol typed into the box counts at once; a repeated one counts once, as Create
    // filters it.
    auto* symbols = Named<wxComboBox>("comboBox");
    ASSERT_NE(symbols, nullptr);
    Focus(symbols);
    symbols->SetInsertionPointEnd();
    PressKey('5', wxMOD_SHIFT);
    ASSERT_EQ(symbols->GetValue(), "#$%");
    EXPECT_TRUE(Shows("Strength: 120.4 bits, strong")) << Shown();  // 20 log2 65
    PressKey('5', wxMOD_SHIFT);
    EXPECT_TRUE(Shows("Strength: 120.4 bits, strong")) << Shown();

    // Without a kind, or with the symbol box ticked and empty, Create makes nothing.
    for (const char* kind : {"A-Z", "a-z", "0-9", "Symbol"}) {
        Click(Check(kind));
    }
    EXPECT_TRUE(Shows("Strength: none, the settings make no password")) << Shown();
    Click(Check("Symbol"));
    Focus(symbols);
    symbols->SelectAll();
    PressKey(WXK_DELETE);
    ASSERT_EQ(symbols->GetValue(), "");
    EXPECT_TRUE(Shows("Strength: none, the settings make no password")) << Shown();
    Click(Check("0-9"));
    EXPECT_TRUE(Shows("Strength: none, the settings make no password")) << Shown();
    Click(Check("Symbol"));
    EXPECT_TRUE(Shows("Strength: 66.4 bits, fair")) << Shown();  // 20 log2 10

    // Nothing was taken from the page: neither the record nor the symbol history changed.
    const UseChar& stored = Config().StandardUseChar;
    EXPECT_EQ(stored.Length, 10u);
    EXPECT_TRUE(stored.AlphabetUpper);
    EXPECT_FALSE(stored.Symbol);
    EXPECT_EQ(stored.SymbolString, "#$");
    EXPECT_EQ(Config().SymbolStrings.Index("#$%"), wxNOT_FOUND);
}

TEST_F(StrengthLineTest, CountsTheSimplePasswordCheckWhenItsBoxIsTicked) {
    Config().StandardUseChar.Length = 4;
    Config().StandardUseChar.AlphabetUpper = false;
    Open();
    EXPECT_TRUE(Shows("Strength: 13.3 bits, weak")) << Shown();  // 4 log2 10

    Click(Check("Don't generate a simple password"));
    GenerationSettings checked = Config().GetGenerationSettings();
    checked.DeterSimplePassword = true;
    const RecipeEntropy entropy = ComputeRecipeEntropy(checked, dictionary);
    ASSERT_TRUE(entropy.valid);
    ASSERT_LT(entropy.bits, 13.2) << "four digits in a row, repeated or in order, are simple";
    EXPECT_TRUE(Shows("Strength: " + GetEntropyText(entropy.bits, EntropyNumber::kLocale)))
        << Shown();

    Click(Check("Don't generate a simple password"));
    EXPECT_TRUE(Shows("Strength: 13.3 bits, weak")) << Shown();
}

TEST_F(StrengthLineTest, FollowsTheSelectedPageAndTheRowsOfTheList) {
    Open();
    EXPECT_TRUE(Shows("Strength: 51.7 bits, fair")) << Shown();
    ClickTab(1);
    EXPECT_TRUE(Shows("Strength: 39.9 bits, weak")) << Shown();  // 12 log2 10, "ID-" adds nothing

    auto* list = dynamic_cast<wxListCtrl*>(frame->FindWindow(CombinationPage::kListId));
    ASSERT_NE(list, nullptr);
    Focus(list);
    wxTEST_DIALOG(PressKey(WXK_INSERT),
                  wxExpectModal<CombinationDialog>([&](CombinationDialog* dialog) {
                      ChooseWordLengths(5, 8)(dialog);
                      EXPECT_TRUE(dialog->TransferDataFromWindow());
                      return wxID_OK;
                  }));
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_TRUE(Shows("Strength: 42.9 bits, weak")) << Shown();  // one of eight words

    // Moving the new row first changes nothing; deleting it takes its bits away.
    Click(frame->FindWindow(CombinationPage::kUpId));
    EXPECT_TRUE(Shows("Strength: 42.9 bits, weak")) << Shown();
    Focus(list);
    PressKey(WXK_DELETE);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_TRUE(Shows("Strength: 39.9 bits, weak")) << Shown();

    ClickTab(0);
    EXPECT_TRUE(Shows("Strength: 51.7 bits, fair")) << Shown();
    EXPECT_EQ(Config().CombinationUseChar.GetCount(), 2u);
}

TEST_F(StrengthLineTest, FollowsAcceptedPreferences) {
    Open();
    EXPECT_TRUE(Shows("Strength: 51.7 bits, fair")) << Shown();
    wxTEST_DIALOG(Click(frame->FindWindow(MainFrame::kPreferencesId)),
                  wxExpectModal<PreferenceDialog>([&](auto*) {
                      Config().CapitalLetter = "ABCDEF";  // as an accepted dialog would
                      return wxID_OK;
                  }));
    EXPECT_TRUE(Shows("Strength: 40.0 bits, weak")) << Shown();  // 10 log2 16
}

}  // namespace
