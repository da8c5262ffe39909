// The list controls of the system: the shared list font and rows at least 16 pixels high.
#pragma once

#include <wx/gdicmn.h>
#include <wx/listctrl.h>

wxListCtrl* orlCreateListCtrl(wxWindow* parent, wxWindowID id,
                              const wxPoint& pos = wxDefaultPosition,
                              const wxSize& size = wxDefaultSize, long style = wxLC_REPORT);
