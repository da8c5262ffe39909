// The one way the system reports an error to the user: a modal message box with the error
// picture and an OK button.
#pragma once

#include <wx/string.h>
#include <wx/window.h>

// Returns when the user has dismissed the box: wxID_OK, or wxID_CANCEL for Escape or the close
// box. Callers need not look at it.
int orlShowError(wxWindow* parent, const wxString& message);
