// The remembered geometry of one window: where it stood relative to its parent, how large it
// was and whether it was maximized or minimized when last moved or resized.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class orlWindowInfo {
  public:
    // The margin a window gets when nothing is known about it.
    static const wxPoint DefaultPosMargin;

    explicit orlWindowInfo(const wxString& keyword = wxString()) : Keyword(keyword) {}
    virtual ~orlWindowInfo() = default;
    orlWindowInfo(const orlWindowInfo&) = default;
    orlWindowInfo& operator=(const orlWindowInfo&) = default;

    bool operator==(const orlWindowInfo& other) const {
        return Keyword == other.Keyword && PosMargin == other.PosMargin && Size == other.Size &&
               Maximized == other.Maximized && Iconized == other.Iconized;
    }

    wxString Keyword;                      // the window key; never empty in a loaded record
    wxPoint PosMargin = DefaultPosMargin;  // window position minus its parent's position
    wxSize Size = wxDefaultSize;           // client size; the toolkit's default when unknown
    bool Maximized = false;
    bool Iconized = false;
};
