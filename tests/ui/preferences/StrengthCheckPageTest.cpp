#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "engine/Dictionary.h"
#include "framework/orlIdentity.h"
#include "support/FixedIdentity.h"
#include "support/FocusChecks.h"
#include "support/GdkKeys.h"
#include "support/LogDialogExpectation.h"
#include "support/MessageBoxExpectation.h"
#include "support/TempDirectory.h"
#include "ui/preferences/PageTestSupport.h"
#include "ui/preferences/StrengthCheckPage.h"

namespace {

// The Strength Check page, with no identity names and a dictionary of one word, so that the
// verdicts are known.
class StrengthCheckPageTest : public PreferencePageFixture {
  protected:
    void SetUp() override {
        PreferencePageFixture::SetUp();
        FixedIdentity::Use("", "", "");
        words.WriteFile("words.dic", "sunset\n");
        ASSERT_TRUE(Dictionary::Get().Load(words.Root()));

        page = MakePage(PreferencePage::PAGE_STRENGTH_CHECK);
        const auto texts = Find<wxTextCtrl>(page, "text");
        const auto radios = Find<wxRadioButton>(page, "radioButton");
        ASSERT_EQ(texts.size(), 1u);
        ASSERT_EQ(radios.size(), 2u);
        text = texts[0];
        standard = radios[0];
        high = radios[1];
    }
    void TearDown() override {
        orlSetIdentity(nullptr);
        PreferencePageFixture::TearDown();
    }

    // What the report dialog showed for one press of Test.
    struct Shown {
        wxString title, message, report;
        wxWindow* parent = nullptr;
    };

    Shown TestExpectingReport() {
        Shown shown;
        wxTEST_DIALOG(Press(page, StrengthCheckPage::kTestId),
                      wxExpectModal<orlLogDialog>([&](orlLogDialog* dialog) {
                          shown.title = dialog->GetTitle();
                          shown.message = MessageOf(dialog);
                          shown.report = ReportOf(dialog);
                          shown.parent = dialog->GetParent();
                          return wxID_OK;
                      }));
        return shown;
    }

    TempDirectory words;
    PreferencePage* page = nullptr;
    wxTextCtrl* text = nullptr;
    wxRadioButton* standard = nullptr;
    wxRadioButton* high = nullptr;
};

TEST_F(StrengthCheckPageTest, ReportShowsEachTestedLineWithItsVerdictAndTheSummary) {
    struct Case {
        const char* name;
        wxString typed;
        bool highLevel;
        const char* report;
        const char* summary;
    };
    const Case cases[] = {
        {"line feeds", "Kq7#mZ2p\nabcdef\n", false,
         "Kq7#mZ2p\t : OK\nabcdef\t : There is a sequential number\n",
         "A weak password was found. ( 1 / 2 )"},
        {"carriage returns alone", "Kq7#mZ2p\rabcdef", false,
         "Kq7#mZ2p\t : OK\nabcdef\t : There is a sequential number\n",
         "A weak password was found. ( 1 / 2 )"},
        {"carriage return and line feed", "Kq7#mZ2p\r\nabcdef\r\n", false,
         "Kq7#mZ2p\t : OK\nabcdef\t : There is a sequential number\n",
         "A weak password was found. ( 1 / 2 )"},
        {"blank lines skipped and not counted", "\n\nSunset\n \t \n\r\n", false,
         "Sunset\t : The dictionary word is used\n", "A weak password was found. ( 1 / 1 )"},
        {"ends trimmed, inner spaces kept", "  Kq7 #mZ2p \t\n", false, "Kq7 #mZ2p\t : OK\n",
         "All OK."},
        {"two characters are off the subject and not weak", "ab\nKq7#mZ2p", false,
         "ab\t : OK (Off the subject)\nKq7#mZ2p\t : OK\n", "All OK."},
        {"the page's high level, not the stored one", "mn'opq", true,
         "mn'opq\t : There is a sequential number\n", "A weak password was found. ( 1 / 1 )"},
        {"the page's standard level", "mn'opq", false, "mn'opq\t : OK\n", "All OK."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Config().StrengthCheckLevel = c.highLevel ? 1 : 2;
        page->LoadValues(Config());
        (c.highLevel ? high : standard)->SetValue(true);
        text->ChangeValue(c.typed);

        const Shown shown = TestExpectingReport();
        EXPECT_EQ(shown.title, "Result");
        EXPECT_EQ(shown.message, c.summary);
        EXPECT_EQ(shown.report.utf8_string(), c.report);
        EXPECT_EQ(shown.parent, Frame());
        EXPECT_EQ(Config().StrengthCheckTestValue, c.typed);
        EXPECT_EQ(Config().StrengthCheckLevel, c.highLevel ? 1 : 2)
            << "the level is stored only when the dialog is accepted";
        EXPECT_EQ(text->GetValue(), c.typed) << "the test leaves the page as it was";
    }
}

TEST_F(StrengthCheckPageTest, NothingToTestIsReportedAndTheTextStillStored) {
    ShowFrame();
    for (const wxString& typed : {wxString(""), wxString(" \n\r\n\t \r  ")}) {
        SCOPED_TRACE(typed.utf8_string());
        page->LoadValues(Config());
        text->ChangeValue(typed);
        standard->SetFocus();
        wxTEST_DIALOG(Press(page, StrengthCheckPage::kTestId),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* box) {
                          EXPECT_EQ(MessageOf(box), "Please input the tested character string");
                          EXPECT_EQ(box->GetParent(), Frame());
                          return wxID_OK;
                      }));
        EXPECT_TRUE(testsupport::WaitUntil([&] { return HasFocusWithin(text); }));
        EXPECT_EQ(Config().StrengthCheckTestValue, typed);
    }
}

// The preferences dialog works on a copy; the tested text reaches the live settings at once,
// so a cancelled dialog keeps it and the next opening shows it.
TEST_F(StrengthCheckPageTest, TestedTextOutlivesACancelledDialog) {
    const MainConfig opened = Config();
    page->LoadValues(opened);
    high->SetValue(false);
    standard->SetValue(true);
    text->ChangeValue("Kq7#mZ2p\nzz\n");
    TestExpectingReport();
    delete page;  // cancelled: SaveValues never runs

    MainConfig expected = opened;
    expected.StrengthCheckTestValue = "Kq7#mZ2p\nzz\n";
    EXPECT_TRUE(Config() == expected) << "nothing but the test text changed";

    PreferencePage* reopened = MakePage(PreferencePage::PAGE_STRENGTH_CHECK);
    reopened->LoadValues(Config());
    EXPECT_EQ(Find<wxTextCtrl>(reopened, "text")[0]->GetValue(), "Kq7#mZ2p\nzz\n");
}

TEST_F(StrengthCheckPageTest, LevelOtherThanStandardShowsHighLevelAndIsSavedAsIt) {
    struct Case {
        int stored;
        bool standardShown;
        int saved;
    };
    const Case cases[] = {{1, true, 1}, {2, false, 2}, {0, false, 2}, {7, false, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        MainConfig settings = Config();
        settings.StrengthCheckLevel = c.stored;
        page->LoadValues(settings);
        EXPECT_EQ(standard->GetValue(), c.standardShown);
        EXPECT_EQ(high->GetValue(), !c.standardShown);
        page->SaveValues(settings);
        EXPECT_EQ(settings.StrengthCheckLevel, c.saved);
    }
}

TEST_F(StrengthCheckPageTest, LoadedTextStartsAtItsBeginningAndCtrlASelectsAllOfIt) {
    ShowFrame();
    MainConfig settings = Config();
    settings.StrengthCheckTestValue = "first\nsecond\nthird";
    page->LoadValues(settings);
    EXPECT_EQ(text->GetInsertionPoint(), 0);
    EXPECT_FALSE(text->HasSelection());

    text->SetFocus();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return HasFocusWithin(text); }));
    GdkWindow* window = Frame()->GTKGetDrawingWindow();
    ASSERT_NE(window, nullptr);
    testsupport::SendKey(window, GDK_KEY_a, GDK_CONTROL_MASK, gdk_event_put);
    EXPECT_TRUE(testsupport::WaitUntil([&] {
        return text->GetStringSelection() == text->GetValue();
    })) << "selected: \""
        << text->GetStringSelection().utf8_string() << "\"";
}

}  // namespace
