// The displays the desktop is made of, as the window placement sees them. The system's are
// used unless a test has put others in.
#pragma once

#include <wx/gdicmn.h>

#include <memory>

class orlDisplayList {
  public:
    virtual ~orlDisplayList() = default;

    // The number of displays (wxDisplay::GetCount()).
    virtual unsigned GetCount() const;
    // The rectangle display `index` covers on the desktop (wxDisplay(index).GetGeometry()).
    virtual wxRect GetGeometry(unsigned index) const;
    // The screen size the system reports (wxSYS_SCREEN_X and wxSYS_SCREEN_Y); a dimension
    // that cannot be told is -1.
    virtual wxSize GetScreenSize() const;
};

const orlDisplayList& orlGetDisplays();

// Replaces the display list of the process (null brings back the system's).
void orlSetDisplays(std::unique_ptr<orlDisplayList> displays);
