// A character code: turns text into bytes of that code and back. Codecs hold no state between
// calls. Conversions always run to the end of their input; the result tells whether every
// character could be converted, and what could not is written raw.
//
// The system's text is handled as UTF-16: encoders of the legacy codes take a text one 16-bit
// unit at a time (a character beyond U+FFFF is two units, neither of which maps), and decoders
// append code points (a wxString here holds one per character).
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/codes/orlByteBuffer.h"

class orlCodeBase {
  public:
    virtual ~orlCodeBase() = default;

    // Replaces text with the decoded bytes; true when every byte sequence was valid.
    virtual bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const = 0;
    // Fills bytes (started afresh) with the encoded text; true when every character mapped.
    virtual bool Encode(const wxString& text, orlByteBuffer& bytes) const = 0;
    // The byte length of a valid character that is not plain ASCII starting at data, else 0.
    virtual std::size_t GetMultiByteLength(const std::uint8_t* data, std::size_t length) const = 0;
    // The byte length of the character starting at data, for stepping through bytes.
    virtual std::size_t GetCharLength(const std::uint8_t* data, std::size_t length) const = 0;
};

namespace orlText {

// The text as UTF-16 units: characters beyond U+FFFF become surrogate pairs.
std::vector<std::uint16_t> ToUtf16(const wxString& text);

// The text as code points, joining a high surrogate with an immediately following low one.
// A surrogate without its partner stays as its own value; lone is then set.
std::vector<std::uint32_t> ToCodePoints(const wxString& text, bool* lone = nullptr);

// Appends a character (a code point, or a lone surrogate or raw value as it is).
inline void Append(wxString& text, std::uint32_t value) {
    text += wxUniChar(static_cast<wxUniChar::value_type>(value));
}

// The ASCII rule: U+0001 to U+007F as themselves, the yen sign as 0x5C, the overline as 0x7E.
// 0 when the unit is not ASCII.
inline std::uint8_t AsciiByte(std::uint16_t unit) {
    if (unit >= 0x01 && unit <= 0x7F) {
        return static_cast<std::uint8_t>(unit);
    }
    if (unit == 0x00A5) {
        return 0x5C;
    }
    if (unit == 0x203E) {
        return 0x7E;
    }
    return 0;
}

// The common walk of the encoders that write code points: a lone surrogate, or a value that
// no UTF-16 text can hold (only its low 16 bits are written), makes the result false.
template <typename WriteCodePoint>
bool EncodeCodePoints(const wxString& text, orlByteBuffer& bytes, std::size_t widest,
                      WriteCodePoint write) {
    bool lone = false;
    const std::vector<std::uint32_t> points = ToCodePoints(text, &lone);
    bytes.Start(points.size() * widest + 1);
    bool valid = !lone;
    for (std::uint32_t value : points) {
        if (value > 0x10FFFF) {
            valid = false;
            value &= 0xFFFF;
        }
        write(value);
    }
    return valid;
}

// Empties the text a decoder fills, reserving room for the characters of a long input.
inline void StartDecoding(wxString& text, std::size_t length, std::size_t characters) {
    text.clear();
    if (length > 256) {
        text.reserve(characters);
    }
}

// True for a character a decoder may produce as valid: not 0, not a surrogate, not above
// U+10FFFF.
inline bool IsValidCharacter(std::uint32_t value) {
    return value != 0 && (value < 0xD800 || value > 0xDFFF) && value <= 0x10FFFF;
}

}  // namespace orlText
