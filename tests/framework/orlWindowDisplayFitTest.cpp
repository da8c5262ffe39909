#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/settings.h>

#include <string>
#include <vector>

#include "framework/window/orlDisplayFit.h"
#include "support/orlWindowTestSupport.h"

namespace {

const wxSize Unknown(0, 0);

class DisplayFitTest : public testing::Test {
  protected:
    void TearDown() override { ResetWindowGeometry(); }
};

struct DesktopCase {
    const char* name;
    std::vector<wxRect> displays;
    wxSize screen;
    wxSize desktop;
};

TEST_F(DisplayFitTest, DesktopSizeAddsDisplaysSideBySide) {
    const std::vector<DesktopCase> cases = {
        {"no display", {}, wxSize(1280, 1024), Unknown},
        // With one display the system's screen size counts, not the display's rectangle.
        {"one display", {wxRect(0, 0, 1280, 1024)}, wxSize(1024, 768), wxSize(1024, 768)},
        {"one display, screen size unknown", {wxRect(0, 0, 1280, 1024)}, wxSize(1280, -1), Unknown},
        {"two of different heights",
         {wxRect(0, 0, 1280, 1024), wxRect(1280, 0, 1024, 768)},
         wxDefaultSize,
         wxSize(2304, 1024)},
        {"the taller one second",
         {wxRect(0, 0, 1024, 768), wxRect(-1280, 0, 1280, 1024)},
         wxDefaultSize,
         wxSize(2304, 1024)},
        {"stacked displays still add up widths",
         {wxRect(0, 0, 800, 600), wxRect(0, 600, 800, 600)},
         wxDefaultSize,
         wxSize(1600, 600)},
        {"one display without width",
         {wxRect(0, 0, 1280, 1024), wxRect(1280, 0, 0, 768)},
         wxDefaultSize,
         Unknown},
    };
    for (const DesktopCase& c : cases) {
        SCOPED_TRACE(c.name);
        FixedDisplays::Use(c.displays, c.screen);
        EXPECT_EQ(orlGetDesktopSize(), c.desktop);
    }
}

TEST_F(DisplayFitTest, TheSystemsDisplaysAreAskedByDefault) {
    const orlDisplayList& displays = orlGetDisplays();
    ASSERT_EQ(displays.GetCount(), wxDisplay::GetCount());
    ASSERT_GE(displays.GetCount(), 1u);
    EXPECT_EQ(displays.GetGeometry(0), wxDisplay(0u).GetGeometry());
    const wxSize screen(wxSystemSettings::GetMetric(wxSYS_SCREEN_X),
                        wxSystemSettings::GetMetric(wxSYS_SCREEN_Y));
    EXPECT_EQ(displays.GetScreenSize(), screen);
    if (displays.GetCount() == 1) {
        EXPECT_EQ(orlGetDesktopSize(), screen);
    }
}

struct SizeCase {
    wxSize size;
    wxSize fitted;
};

TEST_F(DisplayFitTest, SizeIsLoweredToTheDesktopAndNeverLeftEmpty) {
    FixedDisplays::Use(OneDisplay());
    const std::vector<SizeCase> cases = {
        {wxDefaultSize, wxDefaultSize},           {wxSize(400, 300), wxSize(400, 300)},
        {wxSize(2000, 300), wxSize(1280, 300)},   {wxSize(400, 1024), wxSize(400, 1024)},
        {wxSize(5000, 5000), wxSize(1280, 1024)}, {wxSize(0, 300), wxDefaultSize},
        {wxSize(400, -5), wxDefaultSize},         {wxSize(-1, 300), wxDefaultSize},
    };
    for (const SizeCase& c : cases) {
        wxSize size = c.size;
        orlFitSizeToDesktop(size);
        EXPECT_EQ(size, c.fitted) << "from " << testing::PrintToString(c.size);
    }
}

TEST_F(DisplayFitTest, SizeIsKeptWhenTheDesktopIsUnknown) {
    FixedDisplays::Use({});
    wxSize large(5000, 5000);
    orlFitSizeToDesktop(large);
    EXPECT_EQ(large, wxSize(5000, 5000));
    wxSize empty(0, 300);
    orlFitSizeToDesktop(empty);
    EXPECT_EQ(empty, wxDefaultSize);
}

struct PositionCase {
    std::vector<wxRect> displays;
    wxPoint position;
    wxPoint fitted;
};

TEST_F(DisplayFitTest, PositionBeyondTheDesktopIsPulledBackAndNegativeBecomesZero) {
    const std::vector<PositionCase> cases = {
        {OneDisplay(), wxDefaultPosition, wxDefaultPosition},
        {OneDisplay(), wxPoint(100, 200), wxPoint(100, 200)},
        {OneDisplay(), wxPoint(1500, 200), wxPoint(1180, 200)},
        {OneDisplay(), wxPoint(100, 2000), wxPoint(100, 924)},
        // Only a coordinate beyond the desktop's extent is pulled back.
        {OneDisplay(), wxPoint(1280, 1024), wxPoint(1280, 1024)},
        {OneDisplay(), wxPoint(-20, -1), wxPoint(0, 0)},
        {OneDisplay(), wxPoint(-1, 50), wxPoint(0, 50)},
        {TwoDisplays(), wxPoint(2000, 200), wxPoint(2000, 200)},
        {TwoDisplays(), wxPoint(3000, 200), wxPoint(2460, 200)},
        {{}, wxPoint(5000, -3), wxPoint(5000, 0)},
    };
    for (const PositionCase& c : cases) {
        FixedDisplays::Use(c.displays);
        wxPoint position = c.position;
        orlFitPositionToDesktop(position);
        EXPECT_EQ(position, c.fitted)
            << c.displays.size() << " display(s), from " << testing::PrintToString(c.position);
    }
}

struct WindowCase {
    const char* name;
    std::vector<wxRect> displays;
    wxPoint position;
    wxSize size;
    wxPoint fittedPosition;
    wxSize fittedSize;
};

TEST_F(DisplayFitTest, WindowIsFittedOntoTheDisplays) {
    const wxSize dialog(400, 300);
    const std::vector<wxRect> withLeftDisplay = {wxRect(-1280, 0, 1280, 1024),
                                                 wxRect(0, 0, 1280, 1024)};
    const std::vector<wxRect> unequal = {wxRect(0, 0, 1280, 1024), wxRect(1280, 0, 1024, 768)};
    const std::vector<WindowCase> cases = {
        // One display: the window's far edge is put on the desktop's far edge.
        {"one: on the display", OneDisplay(), wxPoint(100, 80), dialog, wxPoint(100, 80), dialog},
        {"one: right of it", OneDisplay(), wxPoint(1500, 80), dialog, wxPoint(880, 80), dialog},
        {"one: below it", OneDisplay(), wxPoint(100, 1100), dialog, wxPoint(100, 724), dialog},
        {"one: at its right edge", OneDisplay(), wxPoint(1280, 0), dialog, wxPoint(880, 0), dialog},
        // A window that straddles the edge is left alone.
        {"one: partly off", OneDisplay(), wxPoint(1000, 900), dialog, wxPoint(1000, 900), dialog},
        {"one: too large", OneDisplay(), wxPoint(50, 60), wxSize(3000, 2000), wxPoint(50, 60),
         wxSize(1280, 1024)},
        {"one: too large and off", OneDisplay(), wxPoint(2000, 60), wxSize(3000, 500),
         wxPoint(0, 60), wxSize(1280, 500)},
        {"one: unknown size stays off", OneDisplay(), wxPoint(1500, 1100), wxDefaultSize,
         wxPoint(1500, 1100), wxDefaultSize},
        {"one: empty size", OneDisplay(), wxPoint(1500, 1100), wxSize(0, 300), wxPoint(1500, 1100),
         wxDefaultSize},
        {"one: left and above", OneDisplay(), wxPoint(-50, -60), dialog, wxPoint(0, 0), dialog},
        {"default position: size only", OneDisplay(), wxDefaultPosition, wxSize(3000, 200),
         wxDefaultPosition, wxSize(1280, 200)},
        {"default position: empty size", OneDisplay(), wxDefaultPosition, wxSize(300, 0),
         wxDefaultPosition, wxDefaultSize},

        // Two displays: a window beyond both is pulled back onto the last one.
        {"two: on the second", TwoDisplays(), wxPoint(1500, 80), dialog, wxPoint(1500, 80), dialog},
        {"two: right of both", TwoDisplays(), wxPoint(3000, 80), dialog, wxPoint(2460, 80), dialog},
        {"two: right of both and below", TwoDisplays(), wxPoint(3000, 1100), dialog,
         wxPoint(2460, 724), dialog},
        {"two: right of both, unknown size", TwoDisplays(), wxPoint(3000, 1100), wxDefaultSize,
         wxPoint(3000, 924), wxDefaultSize},
        {"two: below the first", TwoDisplays(), wxPoint(100, 1500), dialog, wxPoint(100, 724),
         dialog},
        {"two: left of both", TwoDisplays(), wxPoint(-500, 80), dialog, wxPoint(0, 80), dialog},
        {"two: left of both and below", TwoDisplays(), wxPoint(-500, 1100), dialog, wxPoint(0, 724),
         dialog},
        {"two: too large", TwoDisplays(), wxPoint(10, 10), wxSize(3000, 2000), wxPoint(10, 10),
         wxSize(2560, 1024)},
        {"two: below the shorter", unequal, wxPoint(1500, 900), dialog, wxPoint(1500, 468), dialog},
        {"two: just above the shorter's height", unequal, wxPoint(1500, 767), dialog,
         wxPoint(1500, 767), dialog},
        // Coordinates left of the first display are not kept.
        {"two: on a display left of the first", withLeftDisplay, wxPoint(-600, 1100), dialog,
         wxPoint(0, 724), dialog},

        // Unknown desktop: only negative coordinates are corrected.
        {"none", {}, wxPoint(5000, -10), wxSize(3000, 300), wxPoint(5000, 0), wxSize(3000, 300)},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        FixedDisplays::Use(c.displays);
        wxPoint position = c.position;
        wxSize size = c.size;
        orlFitWindowToDisplays(position, size);
        EXPECT_EQ(position, c.fittedPosition);
        EXPECT_EQ(size, c.fittedSize);
    }
}

TEST_F(DisplayFitTest, NullBringsBackTheSystemsDisplays) {
    FixedDisplays::Use(TwoDisplays());
    ASSERT_EQ(orlGetDisplays().GetCount(), 2u);
    orlSetDisplays(nullptr);
    EXPECT_EQ(orlGetDisplays().GetCount(), wxDisplay::GetCount());
}

}  // namespace
