// The one way the system asks the user a question: a modal message box with the question
// picture and the buttons the style bits choose (callers pass wxYES_NO).
#pragma once

#include <wx/string.h>
#include <wx/window.h>

// The identifier of the button that answered, or wxID_CANCEL for Escape or the close box.
// Only wxID_YES means consent.
int orlAskQuestion(wxWindow* parent, const wxString& message, long style);
