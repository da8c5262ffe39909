// How the message and report dialogs end when the user closes them instead of pressing a
// button: Escape and the close box end them with wxID_CANCEL, whatever buttons they have. (Left to
// itself the toolkit would press OK for them when there is no Cancel button, and ignore Escape
// when there is neither.)
#pragma once

#include <wx/dialog.h>

void orlEndWithCancelOnClose(wxDialog& dialog);
