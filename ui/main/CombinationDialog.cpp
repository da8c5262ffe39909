#include "ui/main/CombinationDialog.h"

// Placeholder until the dialog is built.
CombinationDialog::CombinationDialog(UseChar* item, wxWindow* parent, const Dictionary&)
    : orlDialogBase(parent, kDialogId, _("Use Character"), true) {
    (void)item;
}

bool CombinationDialog::TransferDataToWindow() {
    return true;
}
bool CombinationDialog::Validate() {
    return true;
}
bool CombinationDialog::TransferDataFromWindow() {
    return true;
}
