#include "framework/codes/orlCodeUtf16.h"

namespace {

// Longer inputs have their output text reserved before decoding.
constexpr std::size_t kReserveAbove = 256;

bool IsHigh(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLow(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::uint32_t Join(std::uint32_t high, std::uint32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

}  // namespace

bool orlCodeUtf16Base::Decode(const std::uint8_t* data, std::size_t length, wxString& text) const {
    text.clear();
    if (data == nullptr) {
        return true;
    }
    std::size_t i = GetBomLength(data, length);
    if (length > kReserveAbove) {
        text.reserve((length - i + 1) / 2);
    }
    bool valid = true;
    while (i + 2 <= length) {
        const std::uint16_t unit = ReadUnit(data + i);
        i += 2;
        if (IsHigh(unit) && i + 2 <= length) {
            const std::uint16_t low = ReadUnit(data + i);
            if (IsLow(low)) {
                orlText::Append(text, Join(unit, low));
                i += 2;
                continue;
            }
        }
        if (unit == 0 || IsHigh(unit) || IsLow(unit)) {
            valid = false;
        }
        orlText::Append(text, unit);
    }
    if (i < length) {
        orlText::Append(text, data[i]);
        valid = false;
    }
    return valid;
}

bool orlCodeUtf16Base::Encode(const wxString& text, orlByteBuffer& bytes) const {
    const std::vector<std::uint16_t> units = orlText::ToUtf16(text);
    bytes.Start(units.size() * 2 + 1);
    bool valid = true;
    for (const wxUniChar c : text) {
        if (static_cast<std::uint32_t>(c.GetValue()) > 0x10FFFF) {
            valid = false;
            break;
        }
    }
    const std::size_t n = units.size();
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint16_t unit = units[k];
        if (IsHigh(unit) && k + 1 < n && IsLow(units[k + 1])) {
            WriteUnit(unit, bytes);
            WriteUnit(units[++k], bytes);
            continue;
        }
        if (unit == 0 || IsHigh(unit) || IsLow(unit)) {
            valid = false;
        }
        WriteUnit(unit, bytes);
    }
    return valid;
}

std::size_t orlCodeUtf16Base::GetMultiByteLength(const std::uint8_t* data,
                                                 std::size_t length) const {
    if (data == nullptr || length < 2) {
        return 0;
    }
    const std::uint16_t unit = ReadUnit(data);
    if (IsHigh(unit)) {
        return length >= 4 && IsLow(ReadUnit(data + 2)) ? 4 : 0;
    }
    return unit >= 0x100 && !IsLow(unit) ? 2 : 0;
}

std::size_t orlCodeUtf16Base::GetCharLength(const std::uint8_t* data, std::size_t length) const {
    if (data == nullptr || length == 0) {
        return 0;
    }
    const std::size_t n = GetMultiByteLength(data, length);
    if (n != 0) {
        return n;
    }
    return length == 1 ? 1 : 2;
}

std::size_t orlCodeUtf16BE::GetBomLength(const std::uint8_t* data, std::size_t length) const {
    return data != nullptr && length >= 2 && data[0] == 0xFE && data[1] == 0xFF ? 2 : 0;
}

std::uint16_t orlCodeUtf16BE::ReadUnit(const std::uint8_t* data) const {
    return static_cast<std::uint16_t>((data[0] << 8) | data[1]);
}

void orlCodeUtf16BE::WriteUnit(std::uint16_t unit, orlByteBuffer& bytes) const {
    bytes.Append(static_cast<std::uint8_t>(unit >> 8));
    bytes.Append(static_cast<std::uint8_t>(unit & 0xFF));
}

std::size_t orlCodeUtf16LE::GetBomLength(const std::uint8_t* data, std::size_t length) const {
    return data != nullptr && length >= 2 && data[0] == 0xFF && data[1] == 0xFE ? 2 : 0;
}

std::uint16_t orlCodeUtf16LE::ReadUnit(const std::uint8_t* data) const {
    return static_cast<std::uint16_t>(data[0] | (data[1] << 8));
}

void orlCodeUtf16LE::WriteUnit(std::uint16_t unit, orlByteBuffer& bytes) const {
    bytes.Append(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.Append(static_cast<std::uint8_t>(unit >> 8));
}
