// Expectation for the system's message box (orlMessageCommonDialog, behind orlShowError and
// orlAskQuestion) in wxTEST_DIALOG, and a way to read the message it shows.
#pragma once

#include <wx/stattext.h>

#include "framework/dialogs/orlMessageCommonDialog.h"
#include "support/DialogExpectation.h"

// The box is answered by a function that looks at it, or with a fixed identifier.
template <>
class wxExpectModal<orlMessageCommonDialog> : public ExpectDialog<orlMessageCommonDialog> {
  public:
    using ExpectDialog<orlMessageCommonDialog>::ExpectDialog;
};

// The message the box shows, or the empty text when it has none.
inline wxString MessageOf(orlMessageCommonDialog* dialog) {
    auto* text = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", dialog));
    return text != nullptr ? text->GetLabel() : wxString();
}
