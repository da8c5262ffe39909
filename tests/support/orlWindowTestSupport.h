// Shared by the window-geometry tests: a display list the test chooses, and a fixture that
// leaves the display list and the geometry registry as it found them.
#pragma once

#include <gtest/gtest.h>
#include <wx/gdicmn.h>

#include <memory>
#include <ostream>
#include <vector>

#include "framework/window/orlDisplayList.h"
#include "framework/window/orlTopLevelWindowBase.h"
#include "framework/window/orlWindowInfo.h"

inline void PrintTo(const wxPoint& point, std::ostream* os) {
    *os << "(" << point.x << ", " << point.y << ")";
}

inline void PrintTo(const wxSize& size, std::ostream* os) {
    *os << size.x << " x " << size.y;
}

inline void PrintTo(const orlWindowInfo& info, std::ostream* os) {
    *os << "{\"" << info.Keyword.utf8_string() << "\", margin ";
    PrintTo(info.PosMargin, os);
    *os << ", size ";
    PrintTo(info.Size, os);
    *os << (info.Maximized ? ", maximized" : "") << (info.Iconized ? ", iconized" : "") << "}";
}

// Displays with fixed rectangles; the screen size the system would report is the first
// display's size unless given.
class FixedDisplays : public orlDisplayList {
  public:
    FixedDisplays(std::vector<wxRect> displayRects, wxSize screenSize)
        : rects(std::move(displayRects)) {
        screen = screenSize != wxDefaultSize || rects.empty() ? screenSize : rects[0].GetSize();
    }

    static void Use(std::vector<wxRect> displayRects, wxSize screenSize = wxDefaultSize) {
        orlSetDisplays(std::make_unique<FixedDisplays>(std::move(displayRects), screenSize));
    }

    unsigned GetCount() const override { return static_cast<unsigned>(rects.size()); }
    wxRect GetGeometry(unsigned index) const override { return rects.at(index); }
    wxSize GetScreenSize() const override { return screen; }

  private:
    std::vector<wxRect> rects;
    wxSize screen;
};

// One display of 1280 x 1024, or two of that size side by side.
inline std::vector<wxRect> OneDisplay() {
    return {wxRect(0, 0, 1280, 1024)};
}
inline std::vector<wxRect> TwoDisplays() {
    return {wxRect(0, 0, 1280, 1024), wxRect(1280, 0, 1280, 1024)};
}

inline void ResetWindowGeometry() {
    orlSetDisplays(nullptr);
    orlTopLevelWindowBase::ClearWindowInfoList();
}

inline std::vector<orlWindowInfo> WindowInfoList() {
    std::vector<orlWindowInfo> list;
    for (std::size_t i = 0; i < orlTopLevelWindowBase::GetWindowInfoCount(); ++i) {
        list.push_back(orlTopLevelWindowBase::GetWindowInfo(i));
    }
    return list;
}
