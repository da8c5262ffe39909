#include "ui/main/RecipeChange.h"

wxDEFINE_EVENT(EVT_RECIPE_CHANGED, wxCommandEvent);

void NotifyRecipeChanged(wxWindow* page) {
    wxCommandEvent event(EVT_RECIPE_CHANGED, page->GetId());
    event.SetEventObject(page);
    page->ProcessWindowEvent(event);
}
