// The preferences dialog: a list of the five pages on the left, the selected page on the right,
// and OK, Reset and Cancel. It works on copies of the live settings and replaces them only when
// the user accepts.
#pragma once

#include "framework/window/orlDialogBase.h"

class PreferenceDialog : public orlDialogBase {
  public:
    explicit PreferenceDialog(wxWindow* parent);
};
