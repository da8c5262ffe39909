#include "ui/preferences/PreferenceDialog.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "framework/window/orlListBoxBook.h"
#include "settings/MainConfig.h"
#include "support/ControlEvents.h"
#include "support/LiveSettingsFixture.h"
#include "support/MessageBoxExpectation.h"
#include "support/orlDialogTestSupport.h"
#include "support/orlWindowTestSupport.h"
#include "ui/preferences/PreferencePage.h"

namespace {

// The dialog with its modal loop stood in for, so that OK and Cancel end it as they would.
using Dialog = EndingDialog<PreferenceDialog>;

const char* const kPageNames[] = {"Password", "Strength Check", "Font", "Dictionary", "Version"};

// The descendants of the window of the type, depth first in creation order.
template <class T>
void CollectAll(wxWindow* window, std::vector<T*>& found) {
    for (wxWindow* child : window->GetChildren()) {
        if (auto* typed = dynamic_cast<T*>(child)) {
            found.push_back(typed);
        }
        CollectAll(child, found);
    }
}

template <class T>
std::vector<T*> All(wxWindow* window) {
    std::vector<T*> found;
    CollectAll(window, found);
    return found;
}

// While it lives, GTK hands the text input to the X input method, as it does by default in
// Japanese, Korean, Chinese and Thai locales. The variable and the setting that choose the
// method are put back afterwards; changing the setting makes GTK choose again.
class XInputMethod {
  public:
    XInputMethod() {
        const char* value = g_getenv(kVariable);
        hadVariable = value != nullptr;
        if (hadVariable) {
            variable = value;
        }
        g_setenv(kVariable, "xim", TRUE);
        g_object_get(gtk_settings_get_default(), kSetting, &setting, nullptr);
        g_object_set(gtk_settings_get_default(), kSetting, "xim", nullptr);
    }
    ~XInputMethod() {
        if (hadVariable) {
            g_setenv(kVariable, variable.c_str(), TRUE);
        } else {
            g_unsetenv(kVariable);
        }
        g_object_set(gtk_settings_get_default(), kSetting, setting, nullptr);
        g_free(setting);
    }
    XInputMethod(const XInputMethod&) = delete;
    XInputMethod& operator=(const XInputMethod&) = delete;

  private:
    static constexpr const char* kVariable = "GTK_IM_MODULE";
    static constexpr const char* kSetting = "gtk-im-module";
    bool hadVariable = false;
    std::string variable;
    gchar* setting = nullptr;
};

// What the screen shows in the rectangle (screen coordinates), read back from the X server:
// how many pixels differ from the colour, and the first of them.
struct ScreenCheck {
    int differing = 0;
    wxPoint firstAt;
    wxColour first;
};

ScreenCheck CompareScreen(const wxRect& rect, const wxColour& colour) {
    ScreenCheck check;
    GdkPixbuf* pixels = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rect.x, rect.y,
                                                   rect.width, rect.height);
    if (pixels == nullptr) {
        check.differing = rect.width * rect.height;
        return check;
    }
    const int channels = gdk_pixbuf_get_n_channels(pixels);
    const int stride = gdk_pixbuf_get_rowstride(pixels);
    const guchar* data = gdk_pixbuf_read_pixels(pixels);
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            const guchar* p = data + y * stride + x * channels;
            if (p[0] != colour.Red() || p[1] != colour.Green() || p[2] != colour.Blue()) {
                if (check.differing++ == 0) {
                    check.firstAt = rect.GetPosition() + wxPoint(x, y);
                    check.first = wxColour(p[0], p[1], p[2]);
                }
            }
        }
    }
    g_object_unref(pixels);
    return check;
}

wxColour ScreenPixel(const wxPoint& at) {
    wxColour colour;
    GdkPixbuf* pixels = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), at.x, at.y, 1, 1);
    if (pixels != nullptr) {
        const guchar* p = gdk_pixbuf_read_pixels(pixels);
        colour = wxColour(p[0], p[1], p[2]);
        g_object_unref(pixels);
    }
    return colour;
}

class PreferenceDialogTest : public LiveSettingsFixture {
  protected:
    void SetUp() override {
        LiveSettingsFixture::SetUp();
        ResetWindowGeometry();
    }
    void TearDown() override {
        ResetWindowGeometry();
        LiveSettingsFixture::TearDown();
    }

    static orlListBoxBook* BookOf(wxWindow* dialog) {
        return dynamic_cast<orlListBoxBook*>(dialog->FindWindow(PreferenceDialog::kBookId));
    }

    static PreferencePage* PageOf(wxWindow* dialog, int kind) {
        return dynamic_cast<PreferencePage*>(BookOf(dialog)->GetPage(static_cast<size_t>(kind)));
    }

    // The user clicks the page's row in the list.
    static void ClickPage(wxWindow* dialog, int kind) {
        wxListBox* list = BookOf(dialog)->GetListBox();
        list->SetSelection(kind);
        wxCommandEvent event(wxEVT_LISTBOX, list->GetId());
        event.SetEventObject(list);
        event.SetInt(kind);
        list->HandleWindowEvent(event);
    }

    static void Press(wxWindow* dialog, wxWindowID id) { testsupport::Press(dialog, id); }

    static bool ResetEnabled(wxWindow* dialog) {
        dialog->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return dialog->FindWindow(wxID_REVERT)->IsEnabled();
    }

    // The capital-letter field, the first text field of the "Password" page.
    static wxTextCtrl* CapitalText(wxWindow* dialog) {
        auto fields = All<wxTextCtrl>(PageOf(dialog, PreferencePage::PAGE_PASSWORD));
        return fields.empty() ? nullptr : fields.front();
    }

    // The "Standard" level, the first radio button of the "Strength Check" page.
    static wxRadioButton* StandardLevel(wxWindow* dialog) {
        auto radios = All<wxRadioButton>(PageOf(dialog, PreferencePage::PAGE_STRENGTH_CHECK));
        return radios.empty() ? nullptr : radios.front();
    }
};

TEST_F(PreferenceDialogTest, HasItsTitlePagesAndButtons) {
    PreferenceDialog dialog(Frame());
    EXPECT_EQ(dialog.GetTitle(), "Preferences");
    EXPECT_EQ(dialog.GetParent(), Frame());
    EXPECT_TRUE(dialog.HasFlag(wxRESIZE_BORDER));

    orlListBoxBook* book = BookOf(&dialog);
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->GetParent(), &dialog);
    EXPECT_EQ(book->GetWindowStyle() & wxBK_ALIGN_MASK, wxBK_LEFT);
    ASSERT_EQ(book->GetPageCount(), 5u);
    for (int kind = 0; kind < 5; ++kind) {
        SCOPED_TRACE(kPageNames[kind]);
        PreferencePage* page = PageOf(&dialog, kind);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->kind, kind);
        EXPECT_EQ(page->GetParent(), book);
        EXPECT_EQ(page->name, kPageNames[kind]);
        EXPECT_EQ(book->GetPageText(static_cast<size_t>(kind)), kPageNames[kind]);
    }

    auto lines = All<wxStaticLine>(&dialog);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back()->GetParent(), &dialog);

    struct Expected {
        wxWindowID id;
        const char* label;
    };
    const Expected buttons[] = {{wxID_OK, "OK"}, {wxID_REVERT, "Reset"}, {wxID_CANCEL, "Cancel"}};
    int lastX = -1;
    for (const Expected& b : buttons) {
        SCOPED_TRACE(b.label);
        auto* button = dynamic_cast<wxButton*>(dialog.FindWindow(b.id));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GetParent(), &dialog);
        EXPECT_EQ(button->GetLabel(), b.label);
        EXPECT_GT(button->GetPosition().x, lastX) << "OK, Reset, Cancel from left to right";
        lastX = button->GetPosition().x;
    }
    EXPECT_EQ(dialog.GetDefaultItem(), dialog.FindWindow(wxID_OK));
    // OK at the left edge, Reset and Cancel at the right.
    const wxWindow* ok = dialog.FindWindow(wxID_OK);
    const wxWindow* cancel = dialog.FindWindow(wxID_CANCEL);
    EXPECT_EQ(ok->GetPosition().x, 20);
    EXPECT_EQ(cancel->GetRect().GetRight() + 1, dialog.GetClientSize().x - 20);
}

TEST_F(PreferenceDialogTest, CannotBeMadeSmallerThanItsLaidOutSize) {
    PreferenceDialog dialog(Frame());
    const wxSize laidOut = dialog.GetSize();
    EXPECT_EQ(dialog.GetMinSize(), laidOut);
    // The largest page fits beside the list.
    orlListBoxBook* book = BookOf(&dialog);
    for (size_t i = 0; i < book->GetPageCount(); ++i) {
        const wxSize page = book->GetPage(i)->GetBestSize();
        EXPECT_GE(book->GetSize().x, page.x + book->GetListBox()->GetSize().x + 5) << i;
        EXPECT_GE(book->GetSize().y, page.y) << i;
    }
    dialog.SetSize(laidOut.x - 50, laidOut.y - 50);
    EXPECT_EQ(dialog.GetSize(), laidOut);
}

// A dialog widened on any page, closed and opened again keeps the size it was closed with, and
// can still be made as small as its laid-out size.
TEST_F(PreferenceDialogTest, AWidenedDialogCanBeMadeSmallAgainAfterReopening) {
    for (int page = 0; page < PreferencePage::kPageCount; ++page) {
        SCOPED_TRACE(page);
        ResetWindowGeometry();
        Config().PreferencePage = page;
        wxSize laidOut;
        wxSize widened;
        {
            PreferenceDialog dialog(Frame());
            ShowOnScreen(&dialog);
            laidOut = dialog.GetMinSize();
            widened = laidOut + wxSize(300, 100);
            dialog.SetSize(widened);
            testsupport::WaitUntil([&] { return dialog.GetSize() == widened; });
        }
        PreferenceDialog again(Frame());
        ShowOnScreen(&again);
        for (int i = 0; i < 10; ++i) {
            wxYield();
        }
        EXPECT_EQ(again.GetSize(), widened) << "reopened at the size it was closed with";
        EXPECT_EQ(again.GetMinSize(), laidOut) << "its least size is still the laid-out one";
        again.SetSize(laidOut);
        EXPECT_EQ(again.GetSize(), laidOut);
    }
}

TEST_F(PreferenceDialogTest, APageThatComesToNeedMoreRoomEnlargesTheShownDialog) {
    Config().PreferencePage = PreferencePage::PAGE_VERSION;
    PreferenceDialog dialog(Frame());
    ShowOnScreen(&dialog);
    const wxSize before = dialog.GetSize();

    // A hidden page's controls take their true size only when the toolkit first styles them,
    // once the page is shown: here the "Password" page comes to need 80 x 60 pixels more.
    PreferencePage* page = PageOf(&dialog, PreferencePage::PAGE_PASSWORD);
    const wxSize grown = page->GetBestSize() + wxSize(80, 60);
    page->GetSizer()->Add(grown.x, grown.y);
    page->InvalidateBestSize();
    ClickPage(&dialog, PreferencePage::PAGE_PASSWORD);

    EXPECT_TRUE(testsupport::WaitUntil([&] { return dialog.GetSize() != before; }));
    EXPECT_GE(page->GetSize().x, grown.x);
    EXPECT_GE(page->GetSize().y, grown.y);
    EXPECT_EQ(dialog.GetMinSize(), dialog.GetSize()) << "no smaller than that from now on";
}

TEST_F(PreferenceDialogTest, OpensTheStoredPageOrPasswordWithoutChangingTheStoredNumber) {
    const int stored[] = {0, 1, 2, 3, 4, -1, 5, 1000};
    for (int value : stored) {
        SCOPED_TRACE(value);
        Config().PreferencePage = value;
        PreferenceDialog dialog(Frame());
        const int expected = value >= 0 && value <= 4 ? value : 0;
        EXPECT_EQ(BookOf(&dialog)->GetSelection(), expected);
        EXPECT_EQ(dialog.GetCurrentPage(), PageOf(&dialog, expected));
        EXPECT_TRUE(PageOf(&dialog, expected)->IsShown());
        EXPECT_EQ(BookOf(&dialog)->GetListBox()->GetSelection(), expected);
        EXPECT_EQ(Config().PreferencePage, value) << "opening stores nothing";
    }
}

TEST_F(PreferenceDialogTest, APageChangeIsStoredAtOnceAndSurvivesCancel) {
    Config().PreferencePage = 7;  // no such page
    MainConfig expected = Config();
    {
        Dialog dialog(Frame());
        ClickPage(&dialog, PreferencePage::PAGE_DICTIONARY);
        EXPECT_EQ(Config().PreferencePage, 3) << "stored while the dialog is open";
        ClickPage(&dialog, PreferencePage::PAGE_FONT);
        EXPECT_EQ(Config().PreferencePage, 2);
        Press(&dialog, wxID_CANCEL);
        EXPECT_TRUE(dialog.Ended());
        EXPECT_EQ(dialog.EndedWith(), wxID_CANCEL);
    }
    expected.PreferencePage = 2;
    EXPECT_TRUE(Config() == expected) << "nothing else changed";

    Dialog again(Frame());
    EXPECT_EQ(BookOf(&again)->GetSelection(), 2) << "the next opening shows it";
}

TEST_F(PreferenceDialogTest, ResetIsEnabledOnlyOnPagesThatAllowIt) {
    PreferenceDialog dialog(Frame());
    for (int kind = 0; kind < 5; ++kind) {
        SCOPED_TRACE(kPageNames[kind]);
        ClickPage(&dialog, kind);
        EXPECT_EQ(ResetEnabled(&dialog), kind <= PreferencePage::PAGE_FONT);
    }
    // Pressed anyway on a page that cannot be reset, it asks nothing (an unexpected box would
    // fail the test).
    Press(&dialog, wxID_REVERT);
}

TEST_F(PreferenceDialogTest, ResetAsksAndOnYesLoadsTheDefaultsIntoTheVisiblePageOnly) {
    Config().CapitalLetter = "XYZ";
    Config().StrengthCheckLevel = 1;
    const MainConfig before = Config();
    Dialog dialog(Frame());
    ASSERT_TRUE(dialog.TransferDataToWindow());
    ClickPage(&dialog, PreferencePage::PAGE_PASSWORD);
    wxTextCtrl* capital = CapitalText(&dialog);
    wxRadioButton* standard = StandardLevel(&dialog);
    ASSERT_NE(capital, nullptr);
    ASSERT_NE(standard, nullptr);
    ASSERT_EQ(capital->GetValue(), "XYZ");
    ASSERT_TRUE(standard->GetValue());

    const wxString question = "Is \"Password\" setting returned to an initial value?";
    wxString asked;
    auto answer = [&](int id) {
        return [&asked, id](orlMessageCommonDialog* box) {
            asked = MessageOf(box);
            return id;
        };
    };
    wxTEST_DIALOG(Press(&dialog, wxID_REVERT),
                  wxExpectModal<orlMessageCommonDialog>(answer(wxID_NO)));
    EXPECT_EQ(asked, question);
    EXPECT_EQ(capital->GetValue(), "XYZ") << "No leaves the page as it was";

    asked.clear();
    wxTEST_DIALOG(Press(&dialog, wxID_REVERT),
                  wxExpectModal<orlMessageCommonDialog>(answer(wxID_YES)));
    EXPECT_EQ(asked, question);
    EXPECT_EQ(capital->GetValue(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_TRUE(standard->GetValue()) << "the other pages keep their values";
    EXPECT_TRUE(Config() == before) << "the live settings wait for OK";

    Press(&dialog, wxID_CANCEL);
    EXPECT_EQ(dialog.EndedWith(), wxID_CANCEL);
    EXPECT_EQ(Config().CapitalLetter, "XYZ");
    EXPECT_TRUE(Config() == before);
}

TEST_F(PreferenceDialogTest, OkReplacesTheLiveSettingsByThePagesValues) {
    Config().StrengthCheckLevel = 1;
    MainConfig expected = Config();
    Dialog dialog(Frame());
    ASSERT_TRUE(dialog.TransferDataToWindow());
    wxTextCtrl* capital = CapitalText(&dialog);
    ASSERT_NE(capital, nullptr);
    capital->ChangeValue("QQRS");

    Press(&dialog, wxID_OK);
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(dialog.EndedWith(), wxID_OK);
    expected.CapitalLetter = "QRS";
    EXPECT_EQ(Config().CapitalLetter, "QRS");
    EXPECT_EQ(Config().StrengthCheckLevel, 1);
    EXPECT_TRUE(Config() == expected) << "everything else as it was";
}

TEST_F(PreferenceDialogTest, OkSelectsTheFirstInvalidPageAndShowsOnlyItsMessage) {
    struct Case {
        const char* name;
        bool capitalEmpty;
        bool fontInvalid;
        int page;
        const char* message;
    };
    const Case cases[] = {
        {"both invalid", true, true, PreferencePage::PAGE_PASSWORD,
         "The capital letter is not input"},
        {"only the fonts", false, true, PreferencePage::PAGE_FONT,
         "The font of the one password text is wrong"},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Config().SetDefaults();
        Config().PreferencePage = PreferencePage::PAGE_VERSION;
        if (t.fontInvalid) {
            Config().OnePasswordFont = wxNullFont;
        }
        const MainConfig before = Config();
        Dialog dialog(Frame());
        ASSERT_TRUE(dialog.TransferDataToWindow());
        if (t.capitalEmpty) {
            CapitalText(&dialog)->ChangeValue("");
        }

        wxString shown;
        wxTEST_DIALOG(Press(&dialog, wxID_OK),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* box) {
                          shown = MessageOf(box);
                          EXPECT_EQ(BookOf(&dialog)->GetSelection(), t.page)
                              << "the page is shown before its message";
                          return wxID_OK;
                      }));
        EXPECT_EQ(shown, t.message);
        EXPECT_FALSE(dialog.Ended()) << "the dialog stays open";
        EXPECT_EQ(BookOf(&dialog)->GetSelection(), t.page);
        EXPECT_EQ(Config().PreferencePage, t.page) << "the remembered page follows";
        MainConfig expected = before;
        expected.PreferencePage = t.page;
        EXPECT_TRUE(Config() == expected) << "nothing else is written";
    }
}

TEST_F(PreferenceDialogTest, ThePageAreaIsPaintedUnderTheXInputMethod) {
    // Under the dialog, a backdrop of a colour that no page shows: wherever the dialog leaves
    // its page area unpainted, the backdrop stays on the screen.
    const wxColour backdrop(255, 0, 255);
    Frame()->SetBackgroundColour(backdrop);
    Frame()->SetSize(wxRect(wxPoint(0, 0), wxGetDisplaySize()));
    ShowFrame();
    const wxPoint inFrame = Frame()->ClientToScreen(wxPoint(20, 20));
    ASSERT_TRUE(testsupport::WaitUntil([&] { return ScreenPixel(inFrame) == backdrop; }))
        << "the backdrop is not on the screen";

    XInputMethod inputMethod;
    // The "Version" page leaves room below its group, where only the background shows.
    Config().PreferencePage = PreferencePage::PAGE_VERSION;
    PreferenceDialog dialog(Frame());
    ShowOnScreen(&dialog);
    // The dialog gets the keyboard, as a dialog the user has just opened does.
    gtk_window_present(GTK_WINDOW(dialog.GetHandle()));
    wxWindow* page = dialog.GetCurrentPage();
    ASSERT_NE(page, nullptr);
    wxStaticBox* group = All<wxStaticBox>(page).at(0);

    const wxPoint inDialog = dialog.ClientToScreen(wxPoint(3, 3));
    ASSERT_TRUE(testsupport::WaitUntil([&] { return ScreenPixel(inDialog) != backdrop; }))
        << "the dialog does not cover the backdrop";
    const wxColour background = ScreenPixel(inDialog);

    wxRect belowGroup = page->GetScreenRect();
    belowGroup.SetTop(group->GetScreenRect().GetBottom() + 3);
    belowGroup.SetBottom(page->GetScreenRect().GetBottom() - 1);
    ASSERT_GT(belowGroup.height, 20);

    ScreenCheck check;
    testsupport::WaitUntil([&] {
        check = CompareScreen(belowGroup, background);
        return check.differing == 0;
    });
    EXPECT_EQ(check.differing, 0)
        << "pixels of the page area are not the dialog's background, the first at ("
        << check.firstAt.x << ", " << check.firstAt.y << ") "
        << check.first.GetAsString(wxC2S_HTML_SYNTAX).utf8_string() << " instead of "
        << background.GetAsString(wxC2S_HTML_SYNTAX).utf8_string();
}

}  // namespace
