#include "framework/dialogs/orlLogDialog.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include "support/ControlEvents.h"
#include "support/WaitForEvents.h"

#include "framework/dialogs/orlMessagePictures.h"
#include "framework/orlFonts.h"
#include "support/WindowFixture.h"
#include "support/orlDialogTestSupport.h"

namespace {

class LogDialogTest : public WindowFixture {
  protected:
    static wxTextCtrl* Report(wxDialog& dialog) {
        return dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("text", &dialog));
    }

    // The line of the report shown at the top of its visible area.
    static long TopLine(wxTextCtrl* report) {
        long column = -1, row = -1;
        report->HitTest(wxPoint(3, 3), &column, &row);
        return row;
    }

    CountingBell bell;
};

TEST_F(LogDialogTest, PutsTheMessageBesideTheErrorPictureAboveAnEmptyReportAndOk) {
    orlLogDialog dialog(Frame(), "The setting cannot be saved.");
    ShowOnScreen(&dialog);

    EXPECT_EQ(dialog.GetTitle(), "Error");
    EXPECT_EQ(dialog.GetParent(), Frame());
    EXPECT_TRUE(dialog.HasFlag(wxRESIZE_BORDER));
    EXPECT_TRUE(dialog.HasFlag(wxCLOSE_BOX));

    auto* picture =
        dynamic_cast<wxStaticBitmap*>(wxWindow::FindWindowByName("staticBitmap", &dialog));
    auto* message = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", &dialog));
    wxTextCtrl* report = Report(dialog);
    auto* ok = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_OK));
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(message, nullptr);
    ASSERT_NE(report, nullptr);
    ASSERT_NE(ok, nullptr);

    const wxImage shown = picture->GetBitmap().ConvertToImage();
    const wxImage error = orlGetErrorBitmap().ConvertToImage();
    ASSERT_EQ(shown.GetSize(), wxSize(40, 40));
    EXPECT_TRUE(std::equal(shown.GetData(), shown.GetData() + 40 * 40 * 3, error.GetData()));
    EXPECT_EQ(message->GetLabel(), "The setting cannot be saved.");

    EXPECT_TRUE(report->IsEmpty());
    EXPECT_TRUE(report->IsMultiLine());
    EXPECT_FALSE(report->IsEditable());
    EXPECT_TRUE(report->HasFlag(wxTE_NOHIDESEL));
    EXPECT_TRUE(report->HasFlag(wxHSCROLL)) << "long lines are not wrapped";
    EXPECT_EQ(report->GetFont(), orlGetTextFont());
    EXPECT_GE(report->GetSize().x, 350);
    EXPECT_GE(report->GetSize().y, 100);

    EXPECT_EQ(ok->GetLabel(), "OK");
    EXPECT_EQ(dialog.GetDefaultItem(), ok);

    // Top to bottom: the message row 10 pixels in, the report 10 pixels from the sides and
    // below the row, OK centred 10 pixels below the report and above the bottom.
    const wxSize client = dialog.GetClientSize();
    const wxRect row = picture->GetRect().Union(message->GetRect());
    const wxRect area = report->GetRect();
    const wxRect button = ok->GetRect();
    EXPECT_EQ(row.GetTopLeft(), wxPoint(10, 10));
    EXPECT_EQ(message->GetRect().x - picture->GetRect().GetRight() - 1, 10);
    EXPECT_EQ(area.y - row.GetBottom() - 1, 10);
    EXPECT_EQ(area.x, 10);
    EXPECT_EQ(client.x - area.GetRight() - 1, 10);
    EXPECT_EQ(button.y - area.GetBottom() - 1, 10);
    EXPECT_EQ(client.y - button.GetBottom() - 1, 10);
    EXPECT_NEAR(button.x + button.width / 2.0, client.x / 2.0, 1.0);

    EXPECT_EQ(bell.Rings(), 0) << "the bell waits for ShowModal";
}

TEST_F(LogDialogTest, GrowsWithItsReportButNeverBelowItsFittedSize) {
    orlLogDialog dialog(Frame(), "Message");
    ShowOnScreen(&dialog);
    const wxSize fitted = dialog.GetSize();
    const wxSize reportFitted = Report(dialog)->GetSize();

    EXPECT_EQ(dialog.GetMinSize(), fitted);

    dialog.SetSize(fitted + wxSize(200, 150));
    wxYield();
    EXPECT_EQ(Report(dialog)->GetSize(), reportFitted + wxSize(200, 150));

    dialog.SetSize(fitted - wxSize(100, 50));
    wxYield();
    EXPECT_EQ(dialog.GetSize(), fitted);
}

TEST_F(LogDialogTest, AddTextPutsALineFeedBetweenTextsOnRequest) {
    struct Step {
        const char* text;
        bool lineFeedFirst;
    };
    struct Case {
        std::vector<Step> steps;
        const char* expected;
    };
    const Case cases[] = {
        {{{"a", true}}, "a"},
        {{{"a", true}, {"b", true}}, "a\nb"},
        {{{"a", true}, {"b", false}}, "ab"},
        {{{"", true}, {"b", true}}, "b"},
        {{{"one\ntwo", false}, {"three", true}, {"", true}}, "one\ntwo\nthree\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        orlLogDialog dialog(Frame(), "Message");
        for (const Step& step : c.steps) {
            dialog.AddText(step.text, step.lineFeedFirst);
        }
        EXPECT_EQ(Report(dialog)->GetValue(), c.expected);
    }
}

TEST_F(LogDialogTest, ShowModalShowsTheReportFromItsFirstLineWithOkFocused) {
    orlLogDialog dialog(Frame(), "Message");
    for (int line = 1; line <= 200; ++line) {
        dialog.AddText(wxString::Format("line %d", line), true);
    }
    // Appending leaves the report at its end.
    ShowOnScreen(&dialog);
    ASSERT_GT(TopLine(Report(dialog)), 100);

    long topLine = -1, from = -1, to = -1, caret = -1;
    wxWindowID focus = wxID_NONE;
    int ringsWhenShown = -1;
    int result = wxID_NONE;
    wxTEST_DIALOG(result = dialog.ShowModal(),
                  wxExpectModal<orlLogDialog>([&](orlLogDialog* shown) {
                      ringsWhenShown = bell.Rings();
                      // The report scrolls once the toolkit gets to it.
                      testsupport::WaitUntil([&] { return TopLine(Report(*shown)) == 0; },
                                             std::chrono::seconds(2));
                      topLine = TopLine(Report(*shown));
                      Report(*shown)->GetSelection(&from, &to);
                      caret = Report(*shown)->GetInsertionPoint();
                      for (wxWindow* child : shown->GetChildren()) {
                          if (HasWindowFocus(child)) {
                              focus = child->GetId();
                          }
                      }
                      return wxID_OK;
                  }));

    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(topLine, 0);
    EXPECT_EQ(from, to) << "nothing selected";
    EXPECT_EQ(caret, 0);
    EXPECT_EQ(focus, wxID_OK);
    EXPECT_EQ(ringsWhenShown, 1);
}

TEST_F(LogDialogTest, EndsWithOkOnlyForOk) {
    enum class Action { Click, Key, CloseBox };
    struct Case {
        Action action;
        int key;
        int expected;
    };
    const Case cases[] = {
        {Action::Click, 0, wxID_OK},
        {Action::Key, GDK_KEY_Return, wxID_OK},
        {Action::Key, GDK_KEY_Escape, wxID_CANCEL},
        {Action::CloseBox, 0, wxID_CANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.action) << " " << c.key);
        EndingDialog<orlLogDialog> dialog(Frame(), "Message");
        dialog.AddText("report", false);
        ShowOnScreen(&dialog);
        if (c.action == Action::Click) {
            testsupport::Press(&dialog, wxID_OK);
        } else if (c.action == Action::Key) {
            PressKey(dialog, static_cast<guint>(c.key));
        } else {
            dialog.Close();
        }
        EXPECT_TRUE(dialog.Ended());
        EXPECT_EQ(dialog.EndedWith(), c.expected);
    }
}

TEST_F(LogDialogTest, FixedTextsComeFromTheMessageCatalog) {
    MadeUpTranslations catalog({{"Error", "Fehler"}, {"OK", "Gut"}});
    orlLogDialog dialog(Frame(), "Message");
    EXPECT_EQ(dialog.GetTitle(), "Fehler");
    EXPECT_EQ(dialog.FindWindow(wxID_OK)->GetLabel(), "Gut");
}

}  // namespace
