// Sent up from a page of the main window when what it describes changes: the standard
// password's controls, or the rows of the combination list. The main window shows how strong
// the passwords are and follows these changes; the event carries nothing else.
#pragma once

#include <wx/event.h>
#include <wx/window.h>

wxDECLARE_EVENT(EVT_RECIPE_CHANGED, wxCommandEvent);

// Sends EVT_RECIPE_CHANGED from the page up through its parents.
void NotifyRecipeChanged(wxWindow* page);
