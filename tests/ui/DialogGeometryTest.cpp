// The resizable dialogs under a window manager that frames them, as users see them: each reopens
// at the size it was closed with, however often it is opened, and can always be made as small
// as its fitted size again. The test binary runs on a display of its own with openbox on it,
// whose frames have a 20-pixel title bar and, on resizable windows only, a 5-pixel bottom
// border.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/Dictionary.h"
#include "framework/window/orlDialogBase.h"
#include "framework/window/orlListBoxBook.h"
#include "settings/MainConfig.h"
#include "support/LiveSettingsFixture.h"
#include "support/TempDirectory.h"
#include "support/WaitForEvents.h"
#include "support/orlDialogTestSupport.h"
#include "support/orlWindowTestSupport.h"
#include "ui/dictionary/WordCountDialog.h"
#include "ui/dictionary/WordDialog.h"
#include "ui/main/CombinationDialog.h"
#include "ui/preferences/PreferenceDialog.h"
#include "ui/preferences/PreferencePage.h"

namespace {

// The dialogs stand in for their modal loops, so that Escape ends and hides them as it would.
using MakeDialog = std::function<orlDialogBase*(wxWindow* parent, Dictionary& dictionary)>;

struct DialogCase {
    const char* name;
    MakeDialog make;
    bool fixedHeight;  // the item dialog can only be widened
};

void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.name;
}

// The item edited by the item dialogs; each dialog writes into it only on OK.
UseChar& EditedItem() {
    static UseChar item;
    return item;
}

const DialogCase kDialogs[] = {
    {"item dialog",
     [](wxWindow* parent, Dictionary& words) {
         return new EndingDialog<CombinationDialog>(&EditedItem(), parent, words);
     },
     true},
    {"preferences",
     [](wxWindow* parent, Dictionary&) { return new EndingDialog<PreferenceDialog>(parent); },
     false},
    {"word count",
     [](wxWindow* parent, Dictionary& words) {
         return new EndingDialog<WordCountDialog>(parent, words);
     },
     false},
    {"word list",
     [](wxWindow* parent, Dictionary& words) {
         return new EndingDialog<WordDialog>(parent, 5, words);
     },
     false},
};

class GeometryFixture : public LiveSettingsFixture {
  protected:
    void SetUp() override {
        LiveSettingsFixture::SetUp();
        ResetWindowGeometry();
        temp.WriteFile("words.dic", "apple\nberry\ncherry\ndate\nelderberry\n");
        ASSERT_TRUE(words.Load(temp.Root()));

        // The parent is framed as the main window is: with a title bar and without a resize
        // border, so its frame has no bottom border.
        parent = new wxFrame(nullptr, wxID_ANY, "tessarin", wxPoint(60, 40), wxSize(360, 280),
                             wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX);
        parent->Show();
        ASSERT_TRUE(testsupport::WaitUntil([&] { return Framed(parent); }));
    }

    void TearDown() override {
        delete parent;
        ResetWindowGeometry();
        LiveSettingsFixture::TearDown();
    }

    // Shown on screen, framed by the window manager, active, and as large as the toolkit
    // thinks it is.
    static bool Framed(wxTopLevelWindow* window) {
        if (!window->IsShownOnScreen() || !window->IsActive()) {
            return false;
        }
        GdkWindow* gdkWindow = gtk_widget_get_window(GTK_WIDGET(window->GetHandle()));
        const wxSize frame = window->GetSize() - window->GetClientSize();
        return gdkWindow != nullptr && frame.x > 0 && frame.y > 0 &&
               gdk_window_get_width(gdkWindow) == window->GetClientSize().x &&
               gdk_window_get_height(gdkWindow) == window->GetClientSize().y;
    }

    static orlDialogBase* Open(orlDialogBase* dialog) {
        dialog->Show();
        EXPECT_TRUE(testsupport::WaitUntil([&] { return Framed(dialog); }));
        Settle();
        return dialog;
    }

    // Events the window manager and the toolkit still have on their way are handled.
    static void Settle() {
        gdk_display_sync(gdk_display_get_default());
        testsupport::WaitUntil([] { return !gdk_events_pending() && !wxTheApp->Pending(); },
                               std::chrono::milliseconds(400));
        wxYield();
    }

    // The user presses Escape, which closes the dialog, and the dialog is destroyed. The keys
    // work as soon as the dialog is open: a control of it has the focus.
    static void Close(orlDialogBase* dialog) {
        wxWindow* focus = wxWindow::FindFocus();
        EXPECT_TRUE(focus != nullptr && dialog->IsDescendant(focus)) << "no control has the focus";
        wxUIActionSimulator user;
        user.Char(WXK_ESCAPE);
        EXPECT_TRUE(testsupport::WaitUntil([&] { return !dialog->IsShown(); }));
        delete dialog;
        Settle();
    }

    // The user drags the bottom right corner of the dialog's frame by the distance; the
    // window manager keeps the dialog within its size limits.
    static void DragCorner(orlDialogBase* dialog, const wxSize& by) {
        const wxSize before = dialog->GetSize();
        const wxPoint corner = dialog->GetPosition() + dialog->GetSize() - wxSize(2, 2);
        wxUIActionSimulator user;
        user.MouseMove(corner);
        Settle();
        user.MouseDown();
        Settle();
        user.MouseMove(corner + wxPoint(by.x / 2, by.y / 2));
        Settle();
        user.MouseMove(corner + by);
        Settle();
        user.MouseUp();
        testsupport::WaitUntil([&] { return dialog->GetSize() != before && Framed(dialog); });
        Settle();
    }

    TempDirectory temp;
    Dictionary words;
    wxFrame* parent = nullptr;
};

class DialogGeometryTest : public GeometryFixture, public testing::WithParamInterface<DialogCase> {
  protected:
    // Opens the dialog once more: the first time it takes its fitted size, after that the size
    // it was closed with.
    orlDialogBase* Reopen(int round, wxSize& fitted, const wxSize& closed) {
        orlDialogBase* dialog = Open(GetParam().make(parent, words));
        if (round == 0) {
            fitted = dialog->GetSize();
        } else {
            EXPECT_EQ(dialog->GetSize(), closed);
        }
        return dialog;
    }
};

TEST_P(DialogGeometryTest, ReopensTenTimesAtTheSizeItWasClosedWith) {
    wxSize fitted;
    wxSize closed;
    for (int round = 0; round <= 10; ++round) {
        SCOPED_TRACE("open number " + std::to_string(round + 1));
        orlDialogBase* dialog = Reopen(round, fitted, closed);
        closed = dialog->GetSize();
        Close(dialog);
    }
    EXPECT_EQ(closed, fitted);
}

TEST_P(DialogGeometryTest, ReopensAtEachNewSizeAndCanBeMadeAsSmallAsItsFittedSizeAgain) {
    wxSize fitted;
    wxSize closed;
    for (int round = 0; round <= 10; ++round) {
        SCOPED_TRACE("open number " + std::to_string(round + 1));
        orlDialogBase* dialog = Reopen(round, fitted, closed);
        if (round < 10) {
            // Larger, or a little smaller again, every time.
            const wxSize by = round % 3 == 2 ? wxSize(-9, -7) : wxSize(23 + round, 17 + round);
            DragCorner(dialog, by);
            const wxSize expected = (round == 0 ? fitted : closed) + by;
            EXPECT_EQ(dialog->GetSize().x, expected.x);
            EXPECT_EQ(dialog->GetSize().y, GetParam().fixedHeight ? fitted.y : expected.y);
        } else {
            // However large it was left, it goes back down to its fitted size, and no further.
            DragCorner(dialog, wxSize(-2000, -2000));
            EXPECT_EQ(dialog->GetSize(), fitted);
        }
        closed = dialog->GetSize();
        Close(dialog);
    }
}

// The dialog is fitted to its largest page, whichever page it opens on, and keeps that size
// whichever page the user then chooses.
TEST_F(GeometryFixture, PreferencesOpenAsLargeAsTheirLargestPageOnEveryPage) {
    wxSize first;
    for (int opened = 0; opened < PreferencePage::kPageCount; ++opened) {
        SCOPED_TRACE("opened on page " + std::to_string(opened));
        ResetWindowGeometry();
        MainConfig::Get().PreferencePage = opened;
        auto* dialog = new EndingDialog<PreferenceDialog>(parent);
        Open(dialog);
        if (opened == 0) {
            first = dialog->GetSize();
        }
        EXPECT_EQ(dialog->GetSize(), first);
        auto* book = static_cast<orlListBoxBook*>(dialog->FindWindow(PreferenceDialog::kBookId));
        ASSERT_NE(book, nullptr);
        for (int chosen = 0; chosen < PreferencePage::kPageCount; ++chosen) {
            book->SetSelection(static_cast<size_t>(chosen));
            Settle();
            EXPECT_EQ(dialog->GetSize(), first) << "after choosing page " << chosen;
        }
        Close(dialog);
    }
}

INSTANTIATE_TEST_SUITE_P(ResizableDialogs, DialogGeometryTest, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<DialogCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == ' ') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

}  // namespace
