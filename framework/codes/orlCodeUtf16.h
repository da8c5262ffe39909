// UTF-16 in either byte order. The base class does the conversions; the byte-order classes
// only read and write single units and recognise their own byte-order mark.
#pragma once

#include "framework/codes/orlCodeBase.h"

class orlCodeUtf16Base : public orlCodeBase {
  public:
    // Skips a leading byte-order mark of the class's order. A surrogate pair becomes one
    // character; an unpaired surrogate or U+0000 is passed on and makes the result false, and
    // so does a last odd byte, appended as a character of its value.
    bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const override;
    // Writes the text's UTF-16 units, no byte-order mark. U+0000, a lone low surrogate, a high
    // surrogate not followed by a low one, or a value beyond U+10FFFF (written as its low 16
    // bits) makes the result false; every unit is still written.
    bool Encode(const wxString& text, orlByteBuffer& bytes) const override;
    // 4 for a surrogate pair, 2 for any other unit from U+0100 that is a valid character, else 0.
    std::size_t GetMultiByteLength(const std::uint8_t* data, std::size_t length) const override;
    // GetMultiByteLength where that is not 0, else 2 (1 when only one byte remains).
    std::size_t GetCharLength(const std::uint8_t* data, std::size_t length) const override;

    // The length of the byte-order mark of this order at data (2), or 0.
    virtual std::size_t GetBomLength(const std::uint8_t* data, std::size_t length) const = 0;
    // The unit in the two bytes at data.
    virtual std::uint16_t ReadUnit(const std::uint8_t* data) const = 0;
    // Appends the unit as two bytes.
    virtual void WriteUnit(std::uint16_t unit, orlByteBuffer& bytes) const = 0;
};

class orlCodeUtf16BE : public orlCodeUtf16Base {
  public:
    std::size_t GetBomLength(const std::uint8_t* data, std::size_t length) const override;
    std::uint16_t ReadUnit(const std::uint8_t* data) const override;
    void WriteUnit(std::uint16_t unit, orlByteBuffer& bytes) const override;
};

class orlCodeUtf16LE : public orlCodeUtf16Base {
  public:
    std::size_t GetBomLength(const std::uint8_t* data, std::size_t length) const override;
    std::uint16_t ReadUnit(const std::uint8_t* data) const override;
    void WriteUnit(std::uint16_t unit, orlByteBuffer& bytes) const override;
};
