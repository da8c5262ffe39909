// UTF-8. The encoder writes each code point in 1 to 4 bytes; the decoder also reads the 5- and
// 6-byte forms of the original definition and overlong forms, as long as the value they carry
// is a valid character.
#pragma once

#include "framework/codes/orlCodeBase.h"

class orlCodeUtf8 : public orlCodeBase {
  public:
    // Skips a leading EF BB BF. A malformed sequence, or one whose value is not a valid
    // character, yields its first byte as a character of the same value; decoding goes on at
    // the next byte and the result becomes false.
    bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const override;
    // Writes no byte-order mark. A surrogate without its partner is written as its own value
    // and makes the result false; so does a value beyond U+10FFFF, of which only the low 16
    // bits are written (what the text's UTF-16 form holds).
    bool Encode(const wxString& text, orlByteBuffer& bytes) const override;
    // For a lead byte 0xC0 to 0xFD, the length of the sequence when the decoder would read it
    // as one character; else 0.
    std::size_t GetMultiByteLength(const std::uint8_t* data, std::size_t length) const override;
    // The length the lead byte announces (2 to 6) when that many bytes remain, else 1.
    std::size_t GetCharLength(const std::uint8_t* data, std::size_t length) const override;
};
