// EUC-JP: ASCII, JIS X 0208 in two bytes with the high bits set, half-width katakana after
// 0x8E and JIS X 0212 after 0x8F (code 1).
#pragma once

#include "framework/codes/orlCodeBase.h"

class orlCodeEucJp : public orlCodeBase {
  public:
    bool Decode(const std::uint8_t* data, std::size_t length, wxString& text) const override;
    bool Encode(const wxString& text, orlByteBuffer& bytes) const override;
    std::size_t GetMultiByteLength(const std::uint8_t* data, std::size_t length) const override;
    std::size_t GetCharLength(const std::uint8_t* data, std::size_t length) const override;
};
