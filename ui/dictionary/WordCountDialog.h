// The dictionary browser: how many words the dictionary holds of each length, with a way to
// see the words of one length and to read the word files again.
#pragma once

#include "framework/window/orlDialogBase.h"

class WordCountDialog : public orlDialogBase {
  public:
    explicit WordCountDialog(wxWindow* parent);
};
