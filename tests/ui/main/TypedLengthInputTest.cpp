// Lengths and counts typed on a real keyboard into spin controls, then confirmed with a click
// on OK: what the user typed is what is judged, and it is still there to be
// corrected when the check says it is out of range or missing. (The controls take digits
// only.)
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/spinctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/Dictionary.h"
#include "engine/UseChar.h"
#include "support/FocusChecks.h"
#include "support/LiveSettingsFixture.h"
#include "support/MessageBoxExpectation.h"
#include "support/TempDirectory.h"
#include "support/UserInput.h"
#include "support/WaitForEvents.h"
#include "support/orlWindowTestSupport.h"
#include "ui/main/CombinationDialog.h"
#include "ui/preferences/PreferenceDialog.h"
#include "ui/preferences/PreferencePage.h"

namespace {

class TypedLengthInputTest : public LiveSettingsFixture {
  protected:
    void SetUp() override {
        LiveSettingsFixture::SetUp();
        ResetWindowGeometry();
        ShowFrame();
        // Words of 3 to 12 letters.
        directory.WriteFile("words.dic", "cat\nbirdies\nabcdefghijkl\n");
        ASSERT_TRUE(words.Load(directory.Root()));
        input = std::make_unique<testsupport::UserInput>();
    }

    void TearDown() override {
        input.reset();
        LiveSettingsFixture::TearDown();
    }

    // Puts the focus on the spin control, selects its text and types the text key by key.
    void TypeInto(wxSpinCtrl* spin, const std::string& text) {
        spin->SetFocus();
        ASSERT_TRUE(testsupport::WaitUntil([&] { return HasFocusWithin(spin); }));
        input->Press('A', wxMOD_CONTROL);
        input->Press(WXK_DELETE);
        for (const char c : text) {
            input->Press(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        ASSERT_EQ(spin->GetTextValue(), wxString(text)) << "typed as it was";
    }

    // Clicks OK with the mouse, expecting the message box with the text.
    void ClickOkExpectingMessage(wxWindow* dialog, const wxString& message) {
        wxString shown;
        auto answer = [&](orlMessageCommonDialog* box) {
            shown = MessageOf(box);
            return wxID_OK;
        };
        auto* ok = dynamic_cast<wxButton*>(dialog->FindWindow(wxID_OK));
        ASSERT_NE(ok, nullptr);
        wxTEST_DIALOG(input->Click(ok), wxExpectModal<orlMessageCommonDialog>(answer));
        EXPECT_EQ(shown, message);
        EXPECT_TRUE(dialog->IsShown()) << "the dialog stays open for the correction";
    }

    TempDirectory directory;
    Dictionary words;
    std::unique_ptr<testsupport::UserInput> input;
};

struct TypedCase {
    const char* name;
    wxWindowID spinId;
    std::string typed;
};

TEST_F(TypedLengthInputTest, TheItemDialogJudgesTheLengthAsTypedAndLeavesItThere) {
    const TypedCase cases[] = {
        {"too long, OK clicked", CombinationDialog::kMinSpinId, "150"},
        {"too short, OK clicked", CombinationDialog::kMaxSpinId, "2"},
        {"erased, OK clicked", CombinationDialog::kMaxSpinId, ""},
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.name);
        UseChar item;
        item.Reset();
        item.Dictionary = true;
        item.DictionaryMin = 3;
        item.DictionaryMax = 7;
        {
            CombinationDialog dialog(&item, Frame(), words);
            ASSERT_TRUE(testsupport::ShowAndActivate(&dialog));
            auto* spin = dynamic_cast<wxSpinCtrl*>(dialog.FindWindow(c.spinId));
            ASSERT_NE(spin, nullptr);
            TypeInto(spin, c.typed);
            ClickOkExpectingMessage(
                &dialog, "Please specify the length of the dictionary word between from 3 to 12");
            EXPECT_EQ(spin->GetTextValue(), wxString(c.typed)) << "what the user typed";
            EXPECT_TRUE(HasFocusWithin(spin));
            dialog.Hide();
        }
        EXPECT_EQ(item.DictionaryMin, 3u) << "the item is unchanged";
        EXPECT_EQ(item.DictionaryMax, 7u);
    }
}

TEST_F(TypedLengthInputTest, ThePreferencesJudgeTheBatchSizeAsTypedAndLeaveItThere) {
    const struct {
        const char* name;
        std::string typed;
    } cases[] = {
        {"too many, OK clicked", "5000"},
        {"none, OK clicked", "0"},
        {"erased, OK clicked", ""},
    };
    Config().PreferencePage = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PreferenceDialog dialog(Frame());
        ASSERT_TRUE(testsupport::ShowAndActivate(&dialog));
        wxSpinCtrl* spin = nullptr;
        std::function<void(wxWindow*)> find = [&](wxWindow* window) {
            for (wxWindow* child : window->GetChildren()) {
                // The first: the batch size comes before the clipboard's time.
                if (auto* found = dynamic_cast<wxSpinCtrl*>(child);
                    found && found->IsShown() && spin == nullptr) {
                    spin = found;
                }
                find(child);
            }
        };
        find(dialog.GetCurrentPage());
        ASSERT_NE(spin, nullptr) << "the batch size on the Password page";
        TypeInto(spin, c.typed);
        ClickOkExpectingMessage(&dialog, "Specify the create count between from 1 to 1000");
        EXPECT_EQ(spin->GetTextValue(), wxString(c.typed)) << "what the user typed";
        EXPECT_TRUE(HasFocusWithin(spin));
        EXPECT_EQ(Config().PluralCreateCount, 100) << "the settings are unchanged";
        dialog.Hide();
    }
}

}  // namespace
