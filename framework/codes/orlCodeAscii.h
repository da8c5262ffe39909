// ASCII: one byte per character. U+00A5 and U+203E stand for the bytes 0x5C and 0x7E, as the
// yen sign and overline of the Japanese form of the code. Anything else beyond 0x7F, and
// U+0000, is written raw and makes the result false.
#pragma once

#include "framework/codes/orlCodeBase.h"

class orlCodeAscii : public orlCodeBase {
  public:
    // Every byte becomes the character of the same value; false when a byte is 0x00 or 0x80 or
    // above.
    bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const override;
    // Takes the text one UTF-16 unit at a time. A unit that does not map is written as one byte
    // when below 0x100, otherwise as two bytes, the high one first.
    bool Encode(const wxString& text, orlByteBuffer& bytes) const override;
    // Always 0: ASCII has no characters of more than one byte.
    std::size_t GetMultiByteLength(const std::uint8_t* data, std::size_t length) const override;
    // 1, or 0 for a missing or empty input.
    std::size_t GetCharLength(const std::uint8_t* data, std::size_t length) const override;
};
