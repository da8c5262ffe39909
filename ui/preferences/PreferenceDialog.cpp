#include "ui/preferences/PreferenceDialog.h"

#include <wx/intl.h>

// Placeholder until the dialog is built.
PreferenceDialog::PreferenceDialog(wxWindow* parent)
    : orlDialogBase(parent, wxID_ANY, _("Preferences"), true) {}
