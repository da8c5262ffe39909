#include "framework/window/orlDisplayFit.h"

#include <algorithm>

#include "framework/window/orlDisplayList.h"

namespace {

// How far a window that lies beyond the desktop, or below a display, is pulled back inside.
constexpr int PullBack = 100;

bool IsKnown(const wxSize& size) {
    return size.x > 0 && size.y > 0;
}

void LowerTo(wxSize& size, const wxSize& limit) {
    size.x = std::min(size.x, limit.x);
    size.y = std::min(size.y, limit.y);
}

void NegativeToZero(wxPoint& position) {
    position.x = std::max(position.x, 0);
    position.y = std::max(position.y, 0);
}

// Moves a position that lies below the display up onto it. The display is taken to start at
// y = 0, so its height is compared, not its bottom edge.
void FitVertically(const wxRect& display, wxPoint& position, const wxSize& size) {
    if (display.width <= 0 || display.height <= 0 || position == wxDefaultPosition ||
        position.y < display.height) {
        return;
    }
    position.y = display.height - (size == wxDefaultSize ? PullBack : size.y);
}

}  // namespace

wxSize orlGetDesktopSize() {
    const orlDisplayList& displays = orlGetDisplays();
    const unsigned count = displays.GetCount();
    if (count == 0) {
        return wxSize(0, 0);
    }
    if (count == 1) {
        const wxSize screen = displays.GetScreenSize();
        return IsKnown(screen) ? screen : wxSize(0, 0);
    }
    wxSize total(0, 0);
    for (unsigned i = 0; i < count; ++i) {
        const wxRect geometry = displays.GetGeometry(i);
        if (geometry.width <= 0 || geometry.height <= 0) {
            return wxSize(0, 0);
        }
        total.x += geometry.width;
        total.y = std::max(total.y, geometry.height);
    }
    return total;
}

void orlFitSizeToDesktop(wxSize& size) {
    if (size == wxDefaultSize) {
        return;
    }
    const wxSize desktop = orlGetDesktopSize();
    if (IsKnown(desktop)) {
        LowerTo(size, desktop);
    }
    if (size.x <= 0 || size.y <= 0) {
        size = wxDefaultSize;
    }
}

void orlFitPositionToDesktop(wxPoint& position) {
    if (position == wxDefaultPosition) {
        return;
    }
    const wxSize desktop = orlGetDesktopSize();
    if (IsKnown(desktop)) {
        if (position.x > desktop.x) {
            position.x = desktop.x - PullBack;
        }
        if (position.y > desktop.y) {
            position.y = desktop.y - PullBack;
        }
    }
    NegativeToZero(position);
}

void orlFitWindowToDisplays(wxPoint& position, wxSize& size) {
    if (position == wxDefaultPosition) {
        orlFitSizeToDesktop(size);
        return;
    }
    if (size != wxDefaultSize && (size.x <= 0 || size.y <= 0)) {
        size = wxDefaultSize;
    }

    const orlDisplayList& displays = orlGetDisplays();
    const unsigned count = displays.GetCount();
    const wxSize desktop = orlGetDesktopSize();
    if (IsKnown(desktop)) {
        const bool sizeKnown = size != wxDefaultSize;
        if (sizeKnown) {
            LowerTo(size, desktop);
        }
        if (count == 1) {
            if (sizeKnown) {
                orlFitSizeToDesktop(size);
                if (position.x >= desktop.x) {
                    position.x = desktop.x - size.x;
                }
                if (position.y >= desktop.y) {
                    position.y = desktop.y - size.y;
                }
            }
        } else {
            bool onDisplay = false;
            for (unsigned i = 0; i < count && !onDisplay; ++i) {
                const wxRect geometry = displays.GetGeometry(i);
                if (geometry.Contains(position.x, 0)) {
                    FitVertically(geometry, position, size);
                    onDisplay = true;
                }
            }
            if (!onDisplay) {
                // Beyond every display: bring it onto the last one.
                const wxRect last = displays.GetGeometry(count - 1);
                FitVertically(last, position, size);
                if (sizeKnown && position.x >= last.x + last.width) {
                    position.x = last.x + last.width - PullBack;
                }
            }
        }
    }
    NegativeToZero(position);
}
