// The main window built again under a window manager, as users see it: after accepted
// preferences, a mode switch there and back, or a plain rebuild, every control stands where it
// stood when the window was first shown, with the room it needs, once GTK has measured the new
// controls with their fonts. (GTK measures a new control before its font reaches it, and again
// afterwards; a layout made from the first measure alone was pushed about by the second, and GTK
// warned of the box it squeezed.) A GTK warning fails a test of its own accord.
#include <gdk/gdk.h>
#include <gtest/gtest.h>
#include <wx/app.h>

#include <functional>
#include <ostream>
#include <vector>

#include "engine/Dictionary.h"
#include "support/ControlEvents.h"
#include "support/DialogExpectation.h"
#include "support/UserInput.h"
#include "support/WaitForEvents.h"
#include "ui/main/MainFrame.h"
#include "ui/main/MainWindowFixture.h"
#include "ui/preferences/PreferenceDialog.h"

template <>
class wxExpectModal<PreferenceDialog> : public ExpectDialog<PreferenceDialog> {
  public:
    using ExpectDialog<PreferenceDialog>::ExpectDialog;
};

namespace {

// A shown control and where it stands in the window.
struct Placed {
    wxString name;
    wxString label;
    wxRect rect;
    wxWindow* control = nullptr;  // not compared: a rebuild makes some controls anew
    bool operator==(const Placed& other) const {
        return name == other.name && label == other.label && rect == other.rect;
    }
};

std::ostream& operator<<(std::ostream& os, const Placed& p) {
    const wxRect& r = p.rect;
    return os << p.name.utf8_string() << " \"" << p.label.utf8_string() << "\" " << r.x << ","
              << r.y << " " << r.width << "x" << r.height;
}

class MainWindowLayoutTest : public MainWindowFixture {
  protected:
    void Open() {
        MakeWindow();
        frame->GetChildren().front()->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
            ++paints;
            event.Skip();
        });
        ASSERT_TRUE(testsupport::ShowAndActivate(frame));
        Settle();
        // The window manager may confirm the size the window had before it was fitted on the
        // screen first.
        ASSERT_TRUE(testsupport::WaitUntil([&] { return frame->GetSize() == frame->GetMinSize(); }))
            << frame->GetSize().y << " against " << frame->GetMinSize().y;
        Settle();
    }

    // The window is drawn again, and whatever GTK found when it measured the controls for
    // that is handled.
    void Settle() {
        const int before = paints;
        frame->Refresh();
        testsupport::WaitUntil([&] { return paints > before; });
        gdk_display_sync(gdk_display_get_default());
        testsupport::WaitUntil([] { return !gdk_events_pending() && !wxTheApp->Pending(); });
        wxYield();
    }

    // Every shown control, in the order of the window's tree, in the window's coordinates.
    std::vector<Placed> Layout() const {
        std::vector<Placed> placed;
        std::function<void(wxWindow*)> walk = [&](wxWindow* window) {
            for (wxWindow* child : window->GetChildren()) {
                if (!child->IsShown()) {
                    continue;
                }
                const wxPoint at = frame->ScreenToClient(child->GetScreenPosition());
                placed.push_back(
                    {child->GetName(), child->GetLabel(), wxRect(at, child->GetSize()), child});
                walk(child);
            }
        };
        walk(frame);
        return placed;
    }

    // Controls given less room than they need, measured anew (panels take the room their
    // controls need).
    std::vector<Placed> Squeezed() const {
        std::vector<Placed> squeezed;
        for (const Placed& p : Layout()) {
            if (!p.control->GetChildren().empty()) {
                continue;
            }
            p.control->InvalidateBestSize();
            const wxSize needed = p.control->GetEffectiveMinSize();
            if (p.rect.width < needed.x || p.rect.height < needed.y) {
                squeezed.push_back(p);
            }
        }
        return squeezed;
    }

    int paints = 0;
};

TEST_F(MainWindowLayoutTest, RebuildingKeepsTheFirstLayoutOnceGtkHasMeasuredTheNewControls) {
    struct Case {
        const char* what;
        bool plural;
        std::function<void(MainFrame*)> rebuild;
        int passwordPoints = 0;  // the password's font at this size, else the default
    };
    const Case cases[] = {
        {"accepted preferences", false,
         [](MainFrame* frame) {
             wxTEST_DIALOG(testsupport::Press(frame, MainFrame::kPreferencesId),
                           wxExpectModal<PreferenceDialog>(wxID_OK));
         }},
        {"accepted preferences in plural mode", true,
         [](MainFrame* frame) {
             wxTEST_DIALOG(testsupport::Press(frame, MainFrame::kPreferencesId),
                           wxExpectModal<PreferenceDialog>(wxID_OK));
         }},
        {"a mode switch there and back", false,
         [](MainFrame* frame) {
             testsupport::Press(frame, MainFrame::kModeId);
             testsupport::Press(frame, MainFrame::kModeId);
         }},
        {"a rebuild", false, [](MainFrame* frame) { frame->Rebuild(); }},
        {"accepted preferences with a large password font", false,
         [](MainFrame* frame) {
             wxTEST_DIALOG(testsupport::Press(frame, MainFrame::kPreferencesId),
                           wxExpectModal<PreferenceDialog>(wxID_OK));
         },
         28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Config().PluralCreate = c.plural;
        if (c.passwordPoints > 0) {
            Config().OnePasswordFont.SetPointSize(c.passwordPoints);
        }
        Open();
        const wxSize size = frame->GetSize();
        const std::vector<Placed> first = Layout();
        EXPECT_EQ(Squeezed(), std::vector<Placed>());
        auto* text = frame->FindWindow(PasswordText::kTextId);
        ASSERT_NE(text, nullptr);
        EXPECT_GE(text->GetSize().y, text->GetCharHeight()) << "a line of the password fits";

        for (int round = 0; round < 3; ++round) {
            c.rebuild(frame);
            Settle();
            EXPECT_EQ(frame->GetSize(), size);
            EXPECT_EQ(Layout(), first);
            EXPECT_EQ(Squeezed(), std::vector<Placed>());
        }
        CloseWindow();
    }
}

}  // namespace
