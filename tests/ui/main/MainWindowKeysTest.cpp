// The main window's keys, pressed on a real keyboard: Enter presses "Create" from the text
// fields and check boxes, and Tab leaves the batch area without typing into it.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/Dictionary.h"
#include "support/FocusChecks.h"
#include "support/UserInput.h"
#include "ui/main/MainFrame.h"
#include "ui/main/MainWindowFixture.h"

namespace {

void CollectWindows(wxWindow* window, const wxString& name, std::vector<wxWindow*>& found) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->GetName() == name) {
            found.push_back(child);
        }
        CollectWindows(child, name, found);
    }
}

// The main window over the live settings, shown and active: ten-character passwords of capital
// letters, digits and two symbols (so that the symbol combo box is enabled).
class MainWindowKeysTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        UseChar& use = Config().StandardUseChar;
        use.Length = 10;
        use.AlphabetUpper = true;
        use.AlphabetLower = false;
        use.Numeric = true;
        use.Symbol = true;
        use.SymbolString = "#$";
        use.UseAllKind = true;
        Config().PluralCreateCount = 5;
    }

    void TearDown() override {
        input.reset();
        MainWindowFixture::TearDown();
    }

    void Open() {
        MakeWindow();
        ASSERT_TRUE(testsupport::ShowAndActivate(frame));
        input = std::make_unique<testsupport::UserInput>();
    }

    PasswordText* Text() const {
        return dynamic_cast<PasswordText*>(frame->FindWindow(PasswordText::kTextId));
    }

    std::vector<wxWindow*> Named(const wxString& name) const {
        std::vector<wxWindow*> found;
        CollectWindows(frame, name, found);
        return found;
    }

    // Puts the keyboard focus on the control, as a click or Tab would.
    void Focus(wxWindow* control) {
        control->SetFocus();
        ASSERT_TRUE(testsupport::WaitUntil([&] { return HasFocusWithin(control); }));
    }

    void PressKey(int key, int modifiers = wxMOD_NONE) { input->Press(key, modifiers); }

    std::unique_ptr<testsupport::UserInput> input;
};

// A single password of the settings.
bool IsPassword(const wxString& text) {
    return text.length() == 10 &&
           text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#$") == wxString::npos;
}

TEST_F(MainWindowKeysTest, EnterInTheTextFieldsAndCheckBoxesPressesCreate) {
    Open();
    std::vector<wxWindow*> controls = {Text()};
    const std::vector<wxWindow*> combos = Named("comboBox");
    ASSERT_EQ(combos.size(), 1u) << "the standard page's symbol combo box";
    controls.push_back(combos[0]);
    const std::vector<wxWindow*> checks = Named("check");
    ASSERT_EQ(checks.size(), 7u) << "five on the standard page, two of the window";
    controls.insert(controls.end(), checks.begin(), checks.end());

    for (wxWindow* control : controls) {
        SCOPED_TRACE(control->GetName() + " " + control->GetLabel());
        auto* check = dynamic_cast<wxCheckBox*>(control);
        const bool ticked = check != nullptr && check->GetValue();
        Text()->ChangeValue(wxString());
        Focus(control);

        PressKey(WXK_RETURN);
        EXPECT_TRUE(IsPassword(Text()->GetValue())) << "shown: " << Text()->GetValue();
        if (check != nullptr) {
            EXPECT_EQ(check->GetValue(), ticked) << "Enter is not a click on the box";
        }
    }
}

TEST_F(MainWindowKeysTest, SpaceStillTicksACheckBoxWithoutCreating) {
    Open();
    for (wxWindow* control : Named("check")) {
        SCOPED_TRACE(control->GetLabel());
        auto* check = dynamic_cast<wxCheckBox*>(control);
        ASSERT_NE(check, nullptr);
        const bool ticked = check->GetValue();
        Focus(check);
        PressKey(WXK_SPACE);
        EXPECT_EQ(check->GetValue(), !ticked);
        PressKey(WXK_SPACE);
        EXPECT_EQ(check->GetValue(), ticked);
        EXPECT_TRUE(Text()->IsEmpty()) << "nothing was created";
    }
}

TEST_F(MainWindowKeysTest, EnterInTheBatchStillBreaksTheLine) {
    Config().PluralCreate = true;
    Open();
    Focus(Text());
    PressKey('A');
    PressKey(WXK_RETURN);
    PressKey('B');
    EXPECT_EQ(Text()->GetValue(), "a\nb") << "no batch was made";
}

TEST_F(MainWindowKeysTest, TabLeavesTheBatchAndNeverTypesIntoIt) {
    Config().PluralCreate = true;
    Open();
    wxWindow* copyButton = frame->FindWindow(MainFrame::kCopyId);
    ASSERT_NE(copyButton, nullptr);
    const struct {
        const char* name;
        int modifiers;
        bool forward;
    } cases[] = {
        {"Tab", wxMOD_NONE, true},
        {"Ctrl+Tab", wxMOD_CONTROL, true},
        {"Shift+Tab", wxMOD_SHIFT, false},
        {"Ctrl+Shift+Tab", wxMOD_CONTROL | wxMOD_SHIFT, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Text()->ChangeValue("ABC123\nDEF456\n");
        // Copy takes the focus once the window has seen that there is something to copy.
        ASSERT_TRUE(testsupport::WaitUntil([&] { return copyButton->IsEnabled(); }));
        Focus(Text());
        Text()->SetInsertionPoint(3);
        PressKey(WXK_TAB, c.modifiers);
        EXPECT_EQ(Text()->GetValue(), "ABC123\nDEF456\n");
        EXPECT_FALSE(HasFocusWithin(Text())) << "the focus moved on";
        if (c.forward) {
            EXPECT_TRUE(HasWindowFocus(copyButton)) << "to the next control, Copy";
        }
    }
}

}  // namespace
