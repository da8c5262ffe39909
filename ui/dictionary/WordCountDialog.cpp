#include "ui/dictionary/WordCountDialog.h"

#include <wx/intl.h>

// Placeholder until the dialog is built.
WordCountDialog::WordCountDialog(wxWindow* parent)
    : orlDialogBase(parent, 2300, _("Dictionary Word Count"), true) {}
