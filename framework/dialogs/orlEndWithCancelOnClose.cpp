#include "framework/dialogs/orlEndWithCancelOnClose.h"

void orlEndWithCancelOnClose(wxDialog& dialog) {
    // The close box presses Cancel when there is one and otherwise ends the dialog with
    // wxID_CANCEL; Escape is made to do the same.
    dialog.SetEscapeId(wxID_CANCEL);
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            dialog.Close();
        } else {
            event.Skip();
        }
    });
}
