// The ISO-2022-JP family (codes 4, 5 and 6): seven-bit text that switches between character
// sets with escape sequences. One encoder serves all three codes.
#pragma once

#include "framework/codes/orlCodeBase.h"

class orlCodeJis : public orlCodeBase {
  public:
    bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const override;
    bool Encode(const wxString& text, orlByteBuffer& bytes) const override;
    // Escape sequences make byte inspection meaningless here: both answer 0.
    std::size_t GetMultiByteLength(const std::uint8_t*, std::size_t) const override { return 0; }
    std::size_t GetCharLength(const std::uint8_t*, std::size_t) const override { return 0; }
};
