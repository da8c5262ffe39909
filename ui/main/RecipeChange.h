// Sent up from a page of the main window when what it describes changes: the standard
// password's controls, or the rows of the combination list. The main window shows how strong
// the passwords are and follows these changes; the event carries nothing else.
#pragma once

#include <wx/event.h>
#include <wx/window.h>

wxDECLARE_EVENT(EVT_RECIPE_CHANGED, wxCommandEvent);

// Event-table entry for EVT_RECIPE_CHANGED from any page:
// EVT_RECIPE_CHANGED_COMMAND(MainFrame::OnRecipeChanged)
#define EVT_RECIPE_CHANGED_COMMAND(func) \
    wx__DECLARE_EVT1(EVT_RECIPE_CHANGED, wxID_ANY, wxCommandEventHandler(func))

// Sends EVT_RECIPE_CHANGED from the page up through its parents.
void NotifyRecipeChanged(wxWindow* page);
