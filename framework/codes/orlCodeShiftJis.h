// Shift_JIS as code page 932 writes it (codes 2 and 3).
#pragma once

#include "framework/codes/orlCodeBase.h"

class orlCodeShiftJis : public orlCodeBase {
  public:
    bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const override;
    bool Encode(const wxString& text, orlByteBuffer& bytes) const override;
    std::size_t GetMultiByteLength(const std::uint8_t* data, std::size_t length) const override;
    std::size_t GetCharLength(const std::uint8_t* data, std::size_t length) const override;

    // The two-byte code of a unit (lead byte high), or 0 when it has none; single bytes are
    // not its business.
    static std::uint16_t EncodeDoubleByte(std::uint16_t unit);
    // The character of a two-byte code, or 0 when the code is not mapped.
    static std::uint16_t DecodeDoubleByte(std::uint16_t code);
};
