#include "framework/window/orlDisplayList.h"

#include <wx/display.h>
#include <wx/settings.h>

namespace {

std::unique_ptr<orlDisplayList>& TheDisplays() {
    static std::unique_ptr<orlDisplayList> displays = std::make_unique<orlDisplayList>();
    return displays;
}

}  // namespace

unsigned orlDisplayList::GetCount() const {
    return wxDisplay::GetCount();
}

wxRect orlDisplayList::GetGeometry(unsigned index) const {
    return wxDisplay(index).GetGeometry();
}

wxSize orlDisplayList::GetScreenSize() const {
    return wxSize(wxSystemSettings::GetMetric(wxSYS_SCREEN_X),
                  wxSystemSettings::GetMetric(wxSYS_SCREEN_Y));
}

const orlDisplayList& orlGetDisplays() {
    return *TheDisplays();
}

void orlSetDisplays(std::unique_ptr<orlDisplayList> displays) {
    TheDisplays() = displays ? std::move(displays) : std::make_unique<orlDisplayList>();
}
