// The building blocks the preference pages are laid out with: groups, grids, labels, edit
// and read-only fields and buttons, each made and added the same way on every page.
#pragma once

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace pagelayout {

// A labelled box with a sizer of the orientation around it; the controls of the group are
// children of the box.
wxStaticBoxSizer* NewGroup(wxWindow* parent, const wxString& label, int orient = wxVERTICAL);
// Adds a group to the page's inner sizer: full width, 10 pixels below it.
void AddGroup(wxSizer* inner, wxSizer* group);

// A grid of the columns with gaps of 5 pixels whose second column takes the spare width,
// added to the group with a border of 5 pixels.
wxFlexGridSizer* AddGrid(wxStaticBoxSizer* group, int columns, int proportion = 0);

// A static text.
wxStaticText* NewLabel(wxWindow* parent, const wxString& label);
// A single-line text control at least 150 pixels wide, in the shared text font.
wxTextCtrl* NewEditField(wxWindow* parent);
// A text control that cannot be edited, at least 150 pixels wide, in the colours of the page
// so that it reads like a label.
wxTextCtrl* NewReadOnlyField(wxWindow* parent, const wxWindow* page);
// A push button with its tooltip.
wxButton* NewButton(wxWindow* parent, wxWindowID id, const wxString& label,
                    const wxString& tooltip);

}  // namespace pagelayout
