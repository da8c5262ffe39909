#include "framework/codes/orlCodeEucJp.h"

#include <algorithm>

#include "framework/codes/orlCodeTables.h"
#include "framework/codes/orlJisCodes.h"

namespace {

constexpr std::uint8_t kKatakanaShift = 0x8E;
constexpr std::uint8_t kJis0212Shift = 0x8F;

std::uint16_t JisOf(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>((high & 0x7F) << 8 | (low & 0x7F));
}

// The character of the sequence at data (its byte count in used), or 0 when the sequence is
// not a mapped character.
std::uint32_t DecodeAt(const std::uint8_t* data, std::size_t length, std::size_t& used) {
    const std::uint8_t b = data[0];
    used = 1;
    if (b >= 0x01 && b <= 0x7F) {
        return b;
    }
    if (b == kKatakanaShift) {
        if (length < 2 || data[1] < 0x80) {
            return 0;
        }
        used = 2;
        const std::uint8_t value = data[1] & 0x7F;
        if (value >= 0x21 && value <= 0x5F) {
            return orlJis::KatakanaUnit(value);
        }
        return value;  // other values stand for themselves, as in the katakana shift state
    }
    if (b == kJis0212Shift) {
        if (length < 3 || data[1] < 0x80 || data[2] < 0x80) {
            return 0;
        }
        used = 3;
        return orlCodeTables::Jis0212ToUnicode(JisOf(data[1], data[2]));
    }
    if (b >= 0x80 && length >= 2 && data[1] >= 0x80) {
        used = 2;
        return orlCodeTables::Jis0208ToUnicode(JisOf(b, data[1]));
    }
    return 0;
}

}  // namespace

bool orlCodeEucJp::Encode(const wxString& text, orlByteBuffer& bytes) const {
    const std::vector<std::uint16_t> units = orlText::ToUtf16(text);
    bytes.Start(units.size() * 2 + 1);
    bool valid = true;
    for (const std::uint16_t u : units) {
        if (const std::uint8_t ascii = orlText::AsciiByte(u)) {
            bytes.Append(ascii);
        } else if (orlJis::IsHalfWidthKatakana(u)) {
            bytes.Append(kKatakanaShift);
            bytes.Append(orlJis::KatakanaValue(u) | 0x80);
        } else if (const std::uint16_t jis = orlCodeTables::UnicodeToJis0208(u)) {
            bytes.AppendPair(jis | 0x8080);
        } else if (const std::uint16_t jis0212 = orlCodeTables::UnicodeToJis0212(u)) {
            bytes.Append(kJis0212Shift);
            bytes.AppendPair(jis0212 | 0x8080);
        } else {
            valid = false;
            bytes.AppendRaw(u);
        }
    }
    return valid;
}

bool orlCodeEucJp::Decode(const std::uint8_t* data, std::size_t length, wxString& text) const {
    orlText::StartDecoding(text, length, length);
    bool valid = true;
    for (std::size_t i = 0; i < length;) {
        std::size_t used = 1;
        const std::uint32_t unit = DecodeAt(data + i, length - i, used);
        if (unit != 0) {
            orlText::Append(text, unit);
            i += used;
        } else {
            valid = false;
            orlText::Append(text, data[i]);
            ++i;
        }
    }
    return valid;
}

std::size_t orlCodeEucJp::GetMultiByteLength(const std::uint8_t* data, std::size_t length) const {
    if (!data || length == 0 || data[0] < 0x80) {
        return 0;
    }
    std::size_t used = 0;
    const std::uint32_t unit = DecodeAt(data, length, used);
    if (unit == 0) {
        return 0;
    }
    if (data[0] == kKatakanaShift) {
        return orlJis::IsHalfWidthKatakana(static_cast<std::uint16_t>(unit)) ? 2 : 0;
    }
    return used;
}

std::size_t orlCodeEucJp::GetCharLength(const std::uint8_t* data, std::size_t length) const {
    if (!data || length == 0) {
        return 0;
    }
    if (data[0] == kJis0212Shift) {
        return std::min<std::size_t>(3, length);
    }
    if (data[0] >= 0x80) {
        return std::min<std::size_t>(2, length);
    }
    return 1;
}
