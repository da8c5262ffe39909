#include "framework/dialogs/orlMessageCommonDialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <algorithm>
#include <vector>

#include "framework/dialogs/orlAskQuestion.h"
#include "framework/dialogs/orlMessagePictures.h"
#include "framework/dialogs/orlShowError.h"
#include "support/ControlEvents.h"
#include "support/WindowFixture.h"
#include "support/orlDialogTestSupport.h"

namespace {

struct ButtonSeen {
    wxWindowID id;
    wxString label;
    wxString name;
    wxRect rect;
};

// What a shown message dialog looks like to the user.
struct MessageDialogSeen {
    bool seen = false;
    wxString title;
    wxString name;
    long style = 0;
    wxWindow* parent = nullptr;
    wxRect clientRect;
    wxString message;
    wxRect messageRect;
    int lineHeight = 0;
    wxImage picture;
    wxRect pictureRect;
    std::vector<ButtonSeen> buttons;  // left to right
    wxWindowID defaultButton = wxID_NONE;
    wxWindowID focus = wxID_NONE;
    int ringsWhenShown = -1;
};

// Shows the dialog and records it; positions are in the dialog's client coordinates.
MessageDialogSeen Look(wxDialog* dialog, const CountingBell& bell) {
    MessageDialogSeen seen;
    seen.ringsWhenShown = bell.Rings();
    ShowOnScreen(dialog);
    seen.seen = true;
    seen.title = dialog->GetTitle();
    seen.name = dialog->GetName();
    seen.style = dialog->GetWindowStyleFlag();
    seen.parent = dialog->GetParent();
    seen.clientRect = wxRect(dialog->GetClientSize());

    auto* text = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", dialog));
    if (text != nullptr) {
        seen.message = text->GetLabel();
        seen.messageRect = text->GetRect();
        seen.lineHeight = text->GetCharHeight();
    }
    auto* picture =
        dynamic_cast<wxStaticBitmap*>(wxWindow::FindWindowByName("staticBitmap", dialog));
    if (picture != nullptr) {
        seen.picture = picture->GetBitmap().ConvertToImage();
        seen.pictureRect = picture->GetRect();
    }
    for (wxWindow* child : dialog->GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child)) {
            seen.buttons.push_back(
                {button->GetId(), button->GetLabel(), button->GetName(), button->GetRect()});
        }
    }
    std::sort(seen.buttons.begin(), seen.buttons.end(),
              [](const ButtonSeen& a, const ButtonSeen& b) { return a.rect.x < b.rect.x; });
    if (auto* button = dynamic_cast<wxButton*>(dialog->GetDefaultItem())) {
        seen.defaultButton = button->GetId();
    }
    for (wxWindow* child : dialog->GetChildren()) {
        if (HasWindowFocus(child)) {
            seen.focus = child->GetId();
        }
    }
    return seen;
}

std::vector<wxWindowID> Ids(const std::vector<ButtonSeen>& buttons) {
    std::vector<wxWindowID> ids;
    for (const ButtonSeen& button : buttons) {
        ids.push_back(button.id);
    }
    return ids;
}

bool SamePicture(const wxImage& a, const wxImage& b) {
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize() || a.HasAlpha() != b.HasAlpha()) {
        return false;
    }
    const std::size_t pixels = static_cast<std::size_t>(a.GetWidth()) * a.GetHeight();
    return std::equal(a.GetData(), a.GetData() + pixels * 3, b.GetData()) &&
           (!a.HasAlpha() || std::equal(a.GetAlpha(), a.GetAlpha() + pixels, b.GetAlpha()));
}

class MessageDialogTest : public WindowFixture {
  protected:
    CountingBell bell;
};

TEST_F(MessageDialogTest, ShowErrorShowsTheMessageBesideTheErrorPictureWithOneFocusedOk) {
    const wxString message = "Give up!.\nPlease reconsider the setting";
    for (int answer : {wxID_OK, wxID_CANCEL}) {
        SCOPED_TRACE(answer);
        CountingBell rings;
        MessageDialogSeen seen;
        int result = wxID_NONE;
        wxTEST_DIALOG(result = orlShowError(Frame(), message),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* dialog) {
                          seen = Look(dialog, rings);
                          return answer;
                      }));

        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(result, answer);
        EXPECT_EQ(seen.title, "Error");
        EXPECT_EQ(seen.name, "dialog");
        EXPECT_EQ(seen.parent, Frame());
        EXPECT_EQ(seen.message, message);
        EXPECT_GE(seen.messageRect.height, 2 * seen.lineHeight) << "two lines of text";
        EXPECT_TRUE(SamePicture(seen.picture, orlGetErrorBitmap().ConvertToImage()));
        ASSERT_EQ(Ids(seen.buttons), std::vector<wxWindowID>{wxID_OK});
        EXPECT_EQ(seen.buttons[0].label, "OK");
        EXPECT_EQ(seen.buttons[0].name, "button");
        EXPECT_EQ(seen.defaultButton, wxID_OK);
        EXPECT_EQ(seen.focus, wxID_OK);
        EXPECT_EQ(seen.ringsWhenShown, 1) << "the bell sounds once, before the box waits";
        EXPECT_EQ(rings.Rings(), 1);
    }
}

TEST_F(MessageDialogTest, AskQuestionOffersYesThenNoWithYesAsTheDefault) {
    for (int answer : {wxID_YES, wxID_NO, wxID_CANCEL}) {
        SCOPED_TRACE(answer);
        CountingBell rings;
        MessageDialogSeen seen;
        int result = wxID_NONE;
        wxTEST_DIALOG(result = orlAskQuestion(Frame(), "Delete the word list?", wxYES_NO),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* dialog) {
                          seen = Look(dialog, rings);
                          return answer;
                      }));

        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(result, answer);
        EXPECT_EQ(seen.title, "Question");
        EXPECT_EQ(seen.parent, Frame());
        EXPECT_EQ(seen.message, "Delete the word list?");
        EXPECT_TRUE(SamePicture(seen.picture, orlGetQuestionBitmap().ConvertToImage()));
        ASSERT_EQ(Ids(seen.buttons), (std::vector<wxWindowID>{wxID_YES, wxID_NO}));
        EXPECT_EQ(seen.buttons[0].label, "Yes");
        EXPECT_EQ(seen.buttons[1].label, "No");
        EXPECT_EQ(seen.buttons[1].rect.x - seen.buttons[0].rect.GetRight() - 1, 10);
        EXPECT_EQ(seen.defaultButton, wxID_YES);
        EXPECT_EQ(seen.focus, wxID_YES);
        EXPECT_EQ(rings.Rings(), 1);
    }
}

TEST_F(MessageDialogTest, TheStyleBitsChooseTheButtonsAndTheFirstIsTheDefault) {
    struct Case {
        long style;
        std::vector<wxWindowID> buttons;
        std::vector<const char*> labels;
        std::vector<int> gapsBefore;  // from the button before, for all but the first
    };
    const Case cases[] = {
        {wxOK, {wxID_OK}, {"OK"}, {}},
        {wxYES_NO, {wxID_YES, wxID_NO}, {"Yes", "No"}, {10}},
        {wxOK | wxCANCEL, {wxID_OK, wxID_CANCEL}, {"OK", "Cancel"}, {10}},
        {wxYES | wxNO | wxCANCEL,
         {wxID_YES, wxID_NO, wxID_CANCEL},
         {"Yes", "No", "Cancel"},
         {10, 10}},
        {wxNO | wxCANCEL, {wxID_NO, wxID_CANCEL}, {"No", "Cancel"}, {10}},
        {wxCANCEL | wxNO | wxOK | wxYES,
         {wxID_YES, wxID_OK, wxID_NO, wxID_CANCEL},
         {"Yes", "OK", "No", "Cancel"},
         {0, 10, 10}},
        {wxCANCEL, {wxID_CANCEL}, {"Cancel"}, {}},
        {wxOK | wxICON_ERROR | wxCENTRE, {wxID_OK}, {"OK"}, {}},
        {0, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        orlMessageCommonDialog dialog(Frame(), "Caption", "Message", orlGetQuestionBitmap(),
                                      c.style);
        const MessageDialogSeen seen = Look(&dialog, bell);

        ASSERT_EQ(Ids(seen.buttons), c.buttons);
        for (std::size_t i = 0; i < seen.buttons.size(); ++i) {
            EXPECT_EQ(seen.buttons[i].label, c.labels[i]);
            EXPECT_EQ(seen.buttons[i].name, "button");
            EXPECT_EQ(seen.buttons[i].rect.height, seen.buttons[0].rect.height);
            if (i > 0) {
                EXPECT_EQ(seen.buttons[i].rect.x - seen.buttons[i - 1].rect.GetRight() - 1,
                          c.gapsBefore[i - 1])
                    << "before button " << i;
            }
        }
        const wxWindowID first = c.buttons.empty() ? wxID_NONE : c.buttons[0];
        EXPECT_EQ(seen.defaultButton, first);
        EXPECT_EQ(seen.focus, first);
    }
}

TEST_F(MessageDialogTest, PictureAndMessageStandSideBySideAboveTheButtons) {
    struct Case {
        const char* caption;
        const char* message;
    };
    const Case cases[] = {
        {"Caption", "A message far wider than the two buttons below it together"},
        {"Caption", "Short"},
        {"Caption", "Three\nlines\nof text"},
        {"", ""},  // an untitled box with the picture and the buttons only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        orlMessageCommonDialog dialog(Frame(), c.caption, c.message, orlGetErrorBitmap(), wxYES_NO);
        const MessageDialogSeen seen = Look(&dialog, bell);
        const wxRect& picture = seen.pictureRect;
        const wxRect& text = seen.messageRect;

        EXPECT_EQ(seen.title, c.caption);
        EXPECT_EQ(seen.message, c.message);
        EXPECT_EQ(seen.style & (wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER),
                  wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX)
            << "not resizable";
        EXPECT_EQ(picture.GetSize(), wxSize(40, 40));
        EXPECT_EQ(text.x - picture.GetRight() - 1, 10) << "10 pixels between picture and text";
        EXPECT_NEAR(picture.y + picture.height / 2.0, text.y + text.height / 2.0, 1.0)
            << "vertically centred on each other";

        // The message row 10 pixels from the top, centred; the buttons 10 pixels below it and
        // above the bottom edge, centred too.
        const wxRect row = picture.Union(text);
        const wxRect buttons = seen.buttons.front().rect.Union(seen.buttons.back().rect);
        EXPECT_EQ(row.y, 10);
        EXPECT_NEAR(row.x + row.width / 2.0, seen.clientRect.width / 2.0, 1.0);
        EXPECT_EQ(buttons.y - row.GetBottom() - 1, 10);
        EXPECT_EQ(seen.clientRect.height - buttons.GetBottom() - 1, 10);
        EXPECT_NEAR(buttons.x + buttons.width / 2.0, seen.clientRect.width / 2.0, 1.0);
        EXPECT_GE(std::min(row.x, buttons.x), 10);
    }
}

TEST_F(MessageDialogTest, TheBoxEndsWithTheAnswerOfTheButtonOrKeyTheUserPressed) {
    enum class Action { Click, Key, CloseBox };
    struct Case {
        long style;
        Action action;
        int what;  // the button clicked or the key pressed
        int expected;
    };
    const Case cases[] = {
        {wxYES_NO, Action::Click, wxID_YES, wxID_YES},
        {wxYES_NO, Action::Click, wxID_NO, wxID_NO},
        {wxYES_NO, Action::Key, GDK_KEY_Return, wxID_YES},
        {wxYES_NO, Action::Key, GDK_KEY_Escape, wxID_CANCEL},
        {wxYES_NO, Action::CloseBox, 0, wxID_CANCEL},
        {wxOK, Action::Click, wxID_OK, wxID_OK},
        {wxOK, Action::Key, GDK_KEY_Return, wxID_OK},
        {wxOK, Action::Key, GDK_KEY_Escape, wxID_CANCEL},
        {wxOK, Action::CloseBox, 0, wxID_CANCEL},
        {wxOK | wxCANCEL, Action::Click, wxID_CANCEL, wxID_CANCEL},
        {wxOK | wxCANCEL, Action::Key, GDK_KEY_Return, wxID_OK},
        {wxYES | wxNO | wxCANCEL, Action::Key, GDK_KEY_Return, wxID_YES},
        {wxYES | wxNO | wxCANCEL, Action::Key, GDK_KEY_Escape, wxID_CANCEL},
        {wxYES | wxNO | wxCANCEL, Action::CloseBox, 0, wxID_CANCEL},
        {0, Action::Key, GDK_KEY_Escape, wxID_CANCEL},
        {0, Action::CloseBox, 0, wxID_CANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << ", action "
                                        << static_cast<int>(c.action) << " " << c.what);
        EndingDialog<orlMessageCommonDialog> dialog(Frame(), "Caption", "Message",
                                                    orlGetQuestionBitmap(), c.style);
        ShowOnScreen(&dialog);
        switch (c.action) {
            case Action::Click: {
                testsupport::Press(&dialog, c.what);
                break;
            }
            case Action::Key:
                PressKey(dialog, static_cast<guint>(c.what));
                break;
            case Action::CloseBox:
                dialog.Close();  // what the close box does
                break;
        }
        EXPECT_TRUE(dialog.Ended());
        EXPECT_EQ(dialog.EndedWith(), c.expected);
        EXPECT_FALSE(dialog.IsShown());
    }
}

TEST_F(MessageDialogTest, TheBoxStandsInTheMiddleOfItsParentOrOfTheScreen) {
    Frame()->SetSize(130, 90, 700, 500);
    ShowFrame();
    for (wxWindow* parent : {static_cast<wxWindow*>(Frame()), static_cast<wxWindow*>(nullptr)}) {
        SCOPED_TRACE(parent != nullptr ? "on the frame" : "without a parent");
        orlMessageCommonDialog dialog(parent, "Caption", "Message", orlGetErrorBitmap(), wxOK);
        ShowOnScreen(&dialog);
        const wxRect around =
            parent != nullptr ? parent->GetScreenRect() : wxDisplay(0u).GetClientArea();
        const wxRect rect = dialog.GetScreenRect();
        EXPECT_NEAR(rect.x + rect.width / 2.0, around.x + around.width / 2.0, 1.0);
        EXPECT_NEAR(rect.y + rect.height / 2.0, around.y + around.height / 2.0, 1.0);
    }
}

TEST_F(MessageDialogTest, FixedTextsComeFromTheMessageCatalog) {
    MadeUpTranslations catalog({{"Error", "Fehler"},
                                {"Question", "Frage"},
                                {"Yes", "Ja"},
                                {"No", "Nein"},
                                {"OK", "Gut"},
                                {"Cancel", "Abbrechen"}});
    MessageDialogSeen error;
    MessageDialogSeen question;
    wxTEST_DIALOG((orlShowError(Frame(), "m"), orlAskQuestion(Frame(), "m", wxYES_NO)),
                  wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* dialog) {
                      error = Look(dialog, bell);
                      return wxID_OK;
                  }),
                  wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* dialog) {
                      question = Look(dialog, bell);
                      return wxID_YES;
                  }));
    EXPECT_EQ(error.title, "Fehler");
    ASSERT_EQ(error.buttons.size(), 1u);
    EXPECT_EQ(error.buttons[0].label, "Gut");
    EXPECT_EQ(question.title, "Frage");
    ASSERT_EQ(question.buttons.size(), 2u);
    EXPECT_EQ(question.buttons[0].label, "Ja");
    EXPECT_EQ(question.buttons[1].label, "Nein");

    orlMessageCommonDialog all(Frame(), "", "", wxNullBitmap, wxOK | wxCANCEL);
    EXPECT_EQ(all.FindWindow(wxID_CANCEL)->GetLabel(), "Abbrechen");
}

// The two pictures: discs on a transparent ground, red for errors and blue for questions,
// each with a white sign in the middle.
TEST(MessagePicturesTest, AreARedAndABlueDiscWithAWhiteSign) {
    struct Case {
        const char* what;
        wxImage image;
        bool red;
    };
    const Case cases[] = {{"error", orlGetErrorBitmap().ConvertToImage(), true},
                          {"question", orlGetQuestionBitmap().ConvertToImage(), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const wxImage& image = c.image;
        ASSERT_TRUE(image.IsOk());
        ASSERT_EQ(image.GetSize(), wxSize(40, 40));
        ASSERT_TRUE(image.HasAlpha());
        for (wxPoint corner : {wxPoint(0, 0), wxPoint(39, 0), wxPoint(0, 39), wxPoint(39, 39)}) {
            EXPECT_EQ(image.GetAlpha(corner.x, corner.y), 0)
                << "corner " << corner.x << "," << corner.y;
        }
        int coloured = 0, white = 0, opaque = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                if (image.GetAlpha(x, y) < 255) {
                    continue;
                }
                ++opaque;
                const int r = image.GetRed(x, y), g = image.GetGreen(x, y), b = image.GetBlue(x, y);
                if (r > 230 && g > 230 && b > 230) {
                    ++white;
                } else if (c.red ? (r > 150 && r > 2 * g && r > 2 * b)
                                 : (b > 150 && b > 2 * r && b > g + 40)) {
                    ++coloured;
                }
            }
        }
        EXPECT_GT(opaque, 1000) << "a disc filling most of the square";
        EXPECT_GT(coloured, opaque / 2);
        EXPECT_GT(white, 40) << "a sign that can be seen";
        EXPECT_GT(coloured + white, opaque * 9 / 10) << "nothing but the disc and the sign";
    }
    EXPECT_FALSE(
        SamePicture(orlGetErrorBitmap().ConvertToImage(), orlGetQuestionBitmap().ConvertToImage()));
}

}  // namespace
