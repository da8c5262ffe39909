// Expectation for the system's report dialog (orlLogDialog) in wxTEST_DIALOG, and ways to read
// its message and its report area.
#pragma once

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "framework/dialogs/orlLogDialog.h"
#include "support/DialogExpectation.h"

template <>
class wxExpectModal<orlLogDialog> : public ExpectDialog<orlLogDialog> {
  public:
    using ExpectDialog<orlLogDialog>::ExpectDialog;
};

inline wxString MessageOf(orlLogDialog* dialog) {
    auto* label = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", dialog));
    return label != nullptr ? label->GetLabel() : wxString("(no message)");
}

inline wxString ReportOf(orlLogDialog* dialog) {
    auto* text = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("text", dialog));
    return text != nullptr ? text->GetValue() : wxString("(no report)");
}
