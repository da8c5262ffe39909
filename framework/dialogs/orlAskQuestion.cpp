#include "framework/dialogs/orlAskQuestion.h"

#include <wx/intl.h>

#include "framework/dialogs/orlMessageCommonDialog.h"
#include "framework/dialogs/orlMessagePictures.h"

int orlAskQuestion(wxWindow* parent, const wxString& message, long style) {
    orlMessageCommonDialog dialog(parent, _("Question"), message, orlGetQuestionBitmap(), style);
    return dialog.ShowModal();
}
