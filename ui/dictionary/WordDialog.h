// The words of one length, one a line, as the dictionary browser shows them.
#pragma once

#include <wx/textctrl.h>

#include <cstdint>

#include "engine/Dictionary.h"
#include "framework/window/orlDialogBase.h"

class WordDialog : public orlDialogBase {
  public:
    static constexpr wxWindowID kDialogId = 2400;

    // The dictionary must outlive the dialog.
    WordDialog(wxWindow* parent, std::uint32_t length,
               const Dictionary& dictionary = Dictionary::Get());

    // Shows the words of the length in ascending order, each followed by a line feed, from
    // the start; leaves the text as it was when there is none.
    bool TransferDataToWindow() override;

  private:
    const std::uint32_t length;
    const Dictionary& dictionary;

    wxTextCtrl* wordText = nullptr;
};
