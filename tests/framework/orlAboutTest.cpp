#include "framework/dialogs/orlAbout.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/hyperlink.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/version.h>

#include <algorithm>
#include <vector>

#include "framework/codes/orlCharCode.h"
#include "framework/orlProductInfo.h"
#include "support/ControlEvents.h"
#include "support/WindowFixture.h"
#include "support/orlDialogTestSupport.h"

template <>
class wxExpectModal<orlAbout> : public ExpectDialog<orlAbout> {
  public:
    using ExpectDialog<orlAbout>::ExpectDialog;
};

namespace {

// The toolkit this program was built with, as the box names it.
wxString ToolkitLine() {
    return wxString::Format("wxWidgets (Unicode) %d.%d.%d", wxMAJOR_VERSION, wxMINOR_VERSION,
                            wxRELEASE_NUMBER);
}

// A 32 x 32 picture that is told apart from others by one blue pixel.
wxBitmap MakePicture() {
    wxBitmap bitmap(32, 32, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxRED_BRUSH);
    dc.Clear();
    dc.SetPen(*wxBLUE_PEN);
    dc.DrawPoint(3, 5);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

bool SamePicture(const wxImage& a, const wxImage& b) {
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize()) {
        return false;
    }
    const std::size_t bytes = static_cast<std::size_t>(a.GetWidth()) * a.GetHeight() * 3;
    return std::equal(a.GetData(), a.GetData() + bytes, b.GetData());
}

// Every window under the root, parents before their children, in the order they were made.
void CollectWindows(wxWindow* root, std::vector<wxWindow*>& out) {
    for (wxWindow* child : root->GetChildren()) {
        out.push_back(child);
        CollectWindows(child, out);
    }
}

template <class T>
std::vector<T*> Find(wxWindow* root) {
    std::vector<wxWindow*> all;
    CollectWindows(root, all);
    std::vector<T*> found;
    for (wxWindow* window : all) {
        if (auto* t = dynamic_cast<T*>(window)) {
            found.push_back(t);
        }
    }
    return found;
}

// The texts of a group, in the order they stand in it.
std::vector<wxStaticText*> TextsOf(wxStaticBox* group) {
    return Find<wxStaticText>(group);
}

std::vector<std::string> Labels(const std::vector<wxStaticText*>& texts) {
    std::vector<std::string> labels;
    for (const wxStaticText* text : texts) {
        labels.push_back(text->GetLabel().utf8_string());
    }
    return labels;
}

// The rectangle of a window in the dialog's client coordinates.
wxRect RectIn(wxWindow* dialog, wxWindow* window) {
    return wxRect(dialog->ScreenToClient(window->GetScreenPosition()), window->GetSize());
}

class AboutTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        language = orlCharCode::Get().GetLanguage();
        orlCharCode::Get().Init("English");
    }
    void TearDown() override {
        orlCharCode::Get().Init(language);
        WindowFixture::TearDown();
    }

    CountingBell bell;

  private:
    wxString language;
};

TEST_F(AboutTest, TheVersionSwitchShowsTheNameVersionAndPictureUntilOkIsPressed) {
    const wxBitmap picture = MakePicture();
    bool looked = false;
    int ringsBeforeShown = -1;
    auto showAbout = [&] {
        orlAbout about(nullptr, "tessarin", "0.9.3", picture, "");
        return about.ShowModal();
    };
    int result = wxID_NONE;
    wxTEST_DIALOG(
        result = showAbout(), wxExpectModal<orlAbout>([&](orlAbout* dialog) {
            ringsBeforeShown = bell.Rings();
            ShowOnScreen(dialog);
            looked = true;

            EXPECT_EQ(dialog->GetTitle(), "About tessarin");
            EXPECT_EQ(dialog->GetParent(), nullptr);

            auto* title =
                dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", dialog));
            EXPECT_NE(title, nullptr);
            if (title != nullptr) {
                EXPECT_EQ(title->GetLabel(), "tessarin  Version 0.9.3");
                EXPECT_EQ(title->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
            }
            auto* shown =
                dynamic_cast<wxStaticBitmap*>(wxWindow::FindWindowByName("staticBitmap", dialog));
            EXPECT_NE(shown, nullptr);
            if (shown != nullptr) {
                EXPECT_TRUE(
                    SamePicture(shown->GetBitmap().ConvertToImage(), picture.ConvertToImage()));
            }

            const std::vector<wxButton*> buttons = Find<wxButton>(dialog);
            EXPECT_EQ(buttons.size(), 1u);
            if (!buttons.empty()) {
                EXPECT_EQ(buttons[0]->GetId(), wxID_OK);
                EXPECT_EQ(buttons[0]->GetLabel(), "OK");
                EXPECT_EQ(dialog->GetDefaultItem(), buttons[0]);
                EXPECT_TRUE(HasWindowFocus(buttons[0]));
            }
            return wxID_OK;
        }));
    EXPECT_TRUE(looked);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(ringsBeforeShown, 1) << "the bell sounds once, as the box is built";
    EXPECT_EQ(bell.Rings(), 1);
}

TEST_F(AboutTest, TheBoxCannotBeResized) {
    orlAbout dialog(Frame(), "tessarin", "0.9.3", MakePicture(), "");
    ShowOnScreen(&dialog);
    EXPECT_EQ(dialog.GetWindowStyleFlag() &
                  (wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER | wxMAXIMIZE_BOX),
              wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    EXPECT_FALSE(gtk_window_get_resizable(GTK_WINDOW(dialog.GetHandle())))
        << "the window system offers no resizing";
    EXPECT_EQ(dialog.GetMinSize(), dialog.GetSize()) << "fitted to its contents";
}

TEST_F(AboutTest, TheRightsGroupHoldsTheNoticeAndALinkToTheWebAddress) {
    orlAbout dialog(Frame(), "tessarin", "0.9.3", MakePicture(), "");
    ShowOnScreen(&dialog);

    const std::vector<wxStaticBox*> groups = Find<wxStaticBox>(&dialog);
    ASSERT_EQ(groups.size(), 2u);
    wxStaticBox* rights = groups[0];
    EXPECT_EQ(rights->GetLabel(), orlGetProductRightsLabel());
    EXPECT_EQ(rights->GetLabel(), "Copyright");
    EXPECT_EQ(Labels(TextsOf(rights)),
              std::vector<std::string>{orlGetProductRightsNotice().utf8_string()});

    const std::vector<wxHyperlinkCtrl*> links = Find<wxHyperlinkCtrl>(rights);
    ASSERT_EQ(links.size(), 1u);
    wxHyperlinkCtrl* link = links[0];
    EXPECT_EQ(link->GetURL(), "https://tessarin.org/");
    EXPECT_EQ(link->GetLabel(), "https://tessarin.org/");
    EXPECT_EQ(link->GetWindowStyleFlag() & wxHL_DEFAULT_STYLE, wxHL_DEFAULT_STYLE)
        << "centred, without a border, with a menu to copy the address";

    // The link stands under the notice, and both inside the group.
    const wxRect notice = RectIn(&dialog, TextsOf(rights)[0]);
    const wxRect linkRect = RectIn(&dialog, link);
    const wxRect box = RectIn(&dialog, rights);
    EXPECT_GE(linkRect.y, notice.GetBottom() + 1 + 5);
    EXPECT_TRUE(box.Contains(notice));
    EXPECT_TRUE(box.Contains(linkRect));
}

TEST_F(AboutTest, TheInformationGroupNamesTheCodesAndTheLibraries) {
    struct Case {
        const char* language;
        const char* extra;
        const char* insideLanguage;
        const char* locale;
        wxString libraries;
    };
    const Case cases[] = {
        {"English", "", "Unicode (UTF-16)", "English (ASCII)", ToolkitLine() + "\nliborl 0.7.1"},
        {"Japanese", "", "Unicode (UTF-16)", "Japanese (SHIFT_JIS)",
         ToolkitLine() + "\nliborl 0.7.1"},
        {"English", "Built for testing", "Unicode (UTF-16)", "English (ASCII)",
         ToolkitLine() + "\nliborl 0.7.1\nBuilt for testing"},
        {"English", "libfoo 1.2\nlibbar 3.4", "Unicode (UTF-16)", "English (ASCII)",
         ToolkitLine() + "\nliborl 0.7.1\nlibfoo 1.2\nlibbar 3.4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.language << ", extra \"" << c.extra << "\"");
        orlCharCode::Get().Init(c.language);
        orlAbout dialog(Frame(), "tessarin", "0.9.3", MakePicture(), c.extra);
        ShowOnScreen(&dialog);

        const std::vector<wxStaticBox*> groups = Find<wxStaticBox>(&dialog);
        ASSERT_EQ(groups.size(), 2u);
        EXPECT_EQ(groups[1]->GetLabel(), "Information");
        const std::vector<wxStaticText*> texts = TextsOf(groups[1]);
        EXPECT_EQ(Labels(texts), (std::vector<std::string>{"Inside Language:", c.insideLanguage,
                                                           "Locale:", c.locale,
                                                           "Library:", c.libraries.utf8_string()}));
    }
}

TEST_F(AboutTest, LabelsAndValuesStandInTwoAlignedColumnsAndNothingIsCut) {
    struct Case {
        const char* name;
        const char* version;
        wxBitmap picture;
        const char* extra;
    };
    const Case cases[] = {
        {"tessarin", "0.9.3", MakePicture(), ""},
        {"tessarin", "0.9.3", MakePicture(), "A rather long extra line about how this was built"},
        {"A program with a much longer name", "10.20.30", MakePicture(), ""},
        {"tessarin", "0.9.3", wxNullBitmap, ""},  // no picture at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ", extra \"" << c.extra << "\"");
        orlAbout dialog(Frame(), c.name, c.version, c.picture, c.extra);
        ShowOnScreen(&dialog);
        const wxRect client(dialog.GetClientSize());

        // Every text is shown whole, inside the box.
        for (wxStaticText* text : Find<wxStaticText>(&dialog)) {
            SCOPED_TRACE(text->GetLabel().utf8_string());
            const wxRect rect = RectIn(&dialog, text);
            EXPECT_GE(rect.width, text->GetBestSize().x);
            EXPECT_GE(rect.height, text->GetBestSize().y);
            EXPECT_TRUE(client.Contains(rect));
        }

        // The grid: labels in one column, values 10 pixels to the right of the widest label,
        // rows 5 pixels apart; the first two rows centred, the libraries on the label's line.
        const std::vector<wxStaticText*> texts = TextsOf(Find<wxStaticBox>(&dialog).at(1));
        ASSERT_EQ(texts.size(), 6u);
        std::vector<wxRect> label, value;
        for (std::size_t row = 0; row < 3; ++row) {
            label.push_back(RectIn(&dialog, texts[2 * row]));
            value.push_back(RectIn(&dialog, texts[2 * row + 1]));
        }
        int widestLabel = 0;
        for (std::size_t row = 0; row < 3; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(label[row].x, label[0].x);
            EXPECT_EQ(value[row].x, value[0].x);
            widestLabel = std::max(widestLabel, label[row].width);
        }
        EXPECT_EQ(value[0].x - label[0].x, widestLabel + 10);
        for (std::size_t row = 0; row < 2; ++row) {
            EXPECT_NEAR(label[row].y + label[row].height / 2.0,
                        value[row].y + value[row].height / 2.0, 1.0);
        }
        EXPECT_EQ(label[2].y, value[2].y);
        EXPECT_GE(value[2].height, 2 * label[2].height) << "the libraries take several lines";
        EXPECT_EQ(std::min(label[1].y, value[1].y) -
                      (std::max(label[0].GetBottom(), value[0].GetBottom()) + 1),
                  5);

        // Both groups as wide as the box less its margins (the toolkit may draw a frame a pixel
        // off); the line across the whole box; the button centred 10 pixels below it and above
        // the bottom edge.
        for (wxStaticBox* group : Find<wxStaticBox>(&dialog)) {
            const wxRect rect = RectIn(&dialog, group);
            EXPECT_NEAR(rect.x, 10, 1);
            EXPECT_EQ(rect.width, client.width - 20);
        }
        auto* line = dynamic_cast<wxStaticLine*>(wxWindow::FindWindowByName("staticLine", &dialog));
        ASSERT_NE(line, nullptr);
        const wxRect lineRect = RectIn(&dialog, line);
        EXPECT_EQ(lineRect.x, 0);
        EXPECT_EQ(lineRect.width, client.width);
        const wxRect button = RectIn(&dialog, dialog.FindWindow(wxID_OK));
        EXPECT_EQ(button.y - lineRect.GetBottom() - 1, 10);
        EXPECT_EQ(client.height - button.GetBottom() - 1, 10);
        EXPECT_NEAR(button.x + button.width / 2.0, client.width / 2.0, 1.0);
    }
}

TEST_F(AboutTest, OkTheEscapeKeyAndTheCloseBoxEndTheBox) {
    enum class Action { Click, Escape, CloseBox };
    for (Action action : {Action::Click, Action::Escape, Action::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(action));
        EndingDialog<orlAbout> dialog(Frame(), "tessarin", "0.9.3", MakePicture(), "");
        ShowOnScreen(&dialog);
        switch (action) {
            case Action::Click: {
                testsupport::Press(&dialog, wxID_OK);
                break;
            }
            case Action::Escape:
                PressKey(dialog, GDK_KEY_Escape);
                break;
            case Action::CloseBox:
                dialog.Close();  // what the close box does
                break;
        }
        EXPECT_TRUE(dialog.Ended());
        EXPECT_EQ(dialog.EndedWith(), wxID_OK);
        EXPECT_FALSE(dialog.IsShown());
    }
}

TEST_F(AboutTest, TheBoxStandsInTheMiddleOfItsParentOrOfTheScreen) {
    Frame()->SetSize(130, 90, 700, 500);
    ShowFrame();
    for (wxWindow* parent : {static_cast<wxWindow*>(Frame()), static_cast<wxWindow*>(nullptr)}) {
        SCOPED_TRACE(parent != nullptr ? "on the frame" : "without a parent");
        orlAbout dialog(parent, "tessarin", "0.9.3", MakePicture(), "");
        ShowOnScreen(&dialog);
        const wxRect around =
            parent != nullptr ? parent->GetScreenRect() : wxDisplay(0u).GetClientArea();
        const wxRect rect = dialog.GetScreenRect();
        EXPECT_NEAR(rect.x + rect.width / 2.0, around.x + around.width / 2.0, 1.0);
        EXPECT_NEAR(rect.y + rect.height / 2.0, around.y + around.height / 2.0, 1.0);
    }
}

TEST_F(AboutTest, LabelsComeFromTheMessageCatalogButTheWebAddressDoesNot) {
    MadeUpTranslations catalog({{"About %s", "Über %s"},
                                {"%s  Version %s", "%s  Fassung %s"},
                                {"Copyright", "Urheberrecht"},
                                {"Information", "Angaben"},
                                {"Inside Language:", "Innere Sprache:"},
                                {"Locale:", "Gebietsschema:"},
                                {"Library:", "Bibliotheken:"},
                                {"OK", "Gut"},
                                {"https://tessarin.org/", "https://example.com/"}});
    orlAbout dialog(Frame(), "tessarin", "0.9.3", MakePicture(), "");

    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Über tessarin");
    EXPECT_EQ(wxWindow::FindWindowByName("staticText", &dialog)->GetLabel(),
              "tessarin  Fassung 0.9.3");
    EXPECT_EQ(dialog.FindWindow(wxID_OK)->GetLabel(), "Gut");
    const std::vector<wxStaticBox*> groups = Find<wxStaticBox>(&dialog);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0]->GetLabel(), "Urheberrecht");
    EXPECT_EQ(groups[1]->GetLabel(), "Angaben");
    const std::vector<std::string> labels = Labels(TextsOf(groups[1]));
    ASSERT_EQ(labels.size(), 6u);
    EXPECT_EQ(labels[0], "Innere Sprache:");
    EXPECT_EQ(labels[2], "Gebietsschema:");
    EXPECT_EQ(labels[4], "Bibliotheken:");
    const std::vector<wxHyperlinkCtrl*> links = Find<wxHyperlinkCtrl>(&dialog);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0]->GetURL(), "https://tessarin.org/");
}

}  // namespace
