#include "framework/dialogs/orlShowError.h"

#include <wx/intl.h>

#include "framework/dialogs/orlMessageCommonDialog.h"
#include "framework/dialogs/orlMessagePictures.h"

int orlShowError(wxWindow* parent, const wxString& message) {
    orlMessageCommonDialog dialog(parent, _("Error"), message, orlGetErrorBitmap(), wxOK);
    return dialog.ShowModal();
}
