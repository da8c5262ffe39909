// Small rules shared by the Japanese codecs: half-width katakana and the
// arithmetic between JIS codes and Shift_JIS codes.
#pragma once

#include <cstdint>

namespace orlJis {

// Half-width katakana U+FF61 to U+FF9F are the JIS X 0201 values 0x21 to 0x5F.
inline bool IsHalfWidthKatakana(std::uint16_t unit) {
    return unit >= 0xFF61 && unit <= 0xFF9F;
}
inline std::uint8_t KatakanaValue(std::uint16_t unit) {
    return static_cast<std::uint8_t>(unit - 0xFF40);
}
inline std::uint16_t KatakanaUnit(std::uint8_t value7) {
    return static_cast<std::uint16_t>(0xFF40 + value7);
}

// A JIS code (row and column 0x21 to 0x7E) as Shift_JIS bytes.
inline std::uint16_t JisToSjis(std::uint16_t jis) {
    const unsigned row = jis >> 8;
    const unsigned column = jis & 0xFF;
    const unsigned lead = (row - 0x21) / 2 + (row <= 0x5E ? 0x81 : 0xC1);
    unsigned trail;
    if (row % 2 == 1) {
        trail = column + 0x1F;
        if (trail > 0x7E) {
            ++trail;
        }
    } else {
        trail = column + 0x7E;
    }
    return static_cast<std::uint16_t>(lead << 8 | trail);
}

// Shift_JIS bytes as a JIS code; 0 when they are not a JIS X 0208 position.
inline std::uint16_t SjisToJis(std::uint8_t lead, std::uint8_t trail) {
    if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEF)) || trail < 0x40 ||
        trail > 0xFC || trail == 0x7F) {
        return 0;
    }
    unsigned row = (lead <= 0x9F ? lead - 0x81 : lead - 0xC1) * 2 + 0x21;
    unsigned column;
    if (trail >= 0x9F) {
        ++row;
        column = trail - 0x7E;
    } else {
        column = trail - 0x1F - (trail > 0x7F ? 1 : 0);
    }
    return static_cast<std::uint16_t>(row << 8 | column);
}

}  // namespace orlJis
