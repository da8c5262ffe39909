// UTF-32 in either byte order. The base class does the conversions; the byte-order classes
// only read and write units and recognise their own byte-order mark.
#pragma once

#include "framework/codes/orlCodeBase.h"

class orlCodeUtf32Base : public orlCodeBase {
  public:
    // Skips a leading byte-order mark of the class's order. Each 4-byte unit that is a valid
    // character is appended; any other unit, and a tail of 1 to 3 bytes read as one value, is
    // appended raw (its high 16 bits first when it does not fit in 16 bits, then its low 16
    // bits) and makes the result false.
    bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const override;
    // Each code point as four bytes, no byte-order mark. A surrogate without its partner is
    // written as its own value and makes the result false; so does a value beyond U+10FFFF, of
    // which only the low 16 bits are written (what the text's UTF-16 form holds).
    bool Encode(const wxString& text, orlByteBuffer& bytes) const override;
    // 4 for a unit from U+0100 that is a valid character, else 0.
    std::size_t GetMultiByteLength(const std::uint8_t* data, std::size_t length) const override;
    // 4, or 0 when fewer than 4 bytes remain.
    std::size_t GetCharLength(const std::uint8_t* data, std::size_t length) const override;

    // The length of the byte-order mark of this order at data (4), or 0.
    virtual std::size_t GetBomLength(const std::uint8_t* data, std::size_t length) const = 0;
    // The value of the count (1 to 3) bytes at data, read in the class's byte order.
    virtual std::uint32_t ReadPartialUnit(const std::uint8_t* data, std::size_t count) const = 0;
    // The unit in the four bytes at data.
    virtual std::uint32_t ReadUnit(const std::uint8_t* data) const = 0;
    // Appends the unit as four bytes.
    virtual void WriteUnit(std::uint32_t unit, orlByteBuffer& bytes) const = 0;
};

class orlCodeUtf32BE : public orlCodeUtf32Base {
  public:
    std::size_t GetBomLength(const std::uint8_t* data, std::size_t length) const override;
    std::uint32_t ReadPartialUnit(const std::uint8_t* data, std::size_t count) const override;
    std::uint32_t ReadUnit(const std::uint8_t* data) const override;
    void WriteUnit(std::uint32_t unit, orlByteBuffer& bytes) const override;
};

class orlCodeUtf32LE : public orlCodeUtf32Base {
  public:
    std::size_t GetBomLength(const std::uint8_t* data, std::size_t length) const override;
    std::uint32_t ReadPartialUnit(const std::uint8_t* data, std::size_t count) const override;
    std::uint32_t ReadUnit(const std::uint8_t* data) const override;
    void WriteUnit(std::uint32_t unit, orlByteBuffer& bytes) const override;
};
