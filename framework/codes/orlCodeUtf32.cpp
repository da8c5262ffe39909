#include "framework/codes/orlCodeUtf32.h"

namespace {

// Longer inputs have their output text reserved before decoding.
constexpr std::size_t kReserveAbove = 256;

// A value that is not a valid character, as one or two 16-bit characters.
void AppendRaw(wxString& text, std::uint32_t value) {
    if (value > 0xFFFF) {
        orlText::Append(text, value >> 16);
    }
    orlText::Append(text, value & 0xFFFF);
}

}  // namespace

bool orlCodeUtf32Base::Decode(const std::uint8_t* data, std::size_t length, wxString& text) const {
    text.clear();
    if (data == nullptr) {
        return true;
    }
    std::size_t i = GetBomLength(data, length);
    if (length > kReserveAbove) {
        text.reserve((length - i) / 4 + 1);
    }
    bool valid = true;
    while (i + 4 <= length) {
        const std::uint32_t unit = ReadUnit(data + i);
        i += 4;
        if (orlText::IsValidCharacter(unit)) {
            orlText::Append(text, unit);
        } else {
            AppendRaw(text, unit);
            valid = false;
        }
    }
    if (i < length) {
        AppendRaw(text, ReadPartialUnit(data + i, length - i));
        valid = false;
    }
    return valid;
}

bool orlCodeUtf32Base::Encode(const wxString& text, orlByteBuffer& bytes) const {
    return orlText::EncodeCodePoints(text, bytes, 4,
                                     [&](std::uint32_t value) { WriteUnit(value, bytes); });
}

std::size_t orlCodeUtf32Base::GetMultiByteLength(const std::uint8_t* data,
                                                 std::size_t length) const {
    if (data == nullptr || length < 4) {
        return 0;
    }
    const std::uint32_t unit = ReadUnit(data);
    return unit >= 0x100 && orlText::IsValidCharacter(unit) ? 4 : 0;
}

std::size_t orlCodeUtf32Base::GetCharLength(const std::uint8_t* data, std::size_t length) const {
    return data == nullptr || length < 4 ? 0 : 4;
}

std::size_t orlCodeUtf32BE::GetBomLength(const std::uint8_t* data, std::size_t length) const {
    return data != nullptr && length >= 4 && data[0] == 0x00 && data[1] == 0x00 &&
                   data[2] == 0xFE && data[3] == 0xFF
               ? 4
               : 0;
}

std::uint32_t orlCodeUtf32BE::ReadPartialUnit(const std::uint8_t* data, std::size_t count) const {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < count; ++k) {
        value = (value << 8) | data[k];
    }
    return value;
}

std::uint32_t orlCodeUtf32BE::ReadUnit(const std::uint8_t* data) const {
    return (std::uint32_t{data[0]} << 24) | (std::uint32_t{data[1]} << 16) |
           (std::uint32_t{data[2]} << 8) | data[3];
}

void orlCodeUtf32BE::WriteUnit(std::uint32_t unit, orlByteBuffer& bytes) const {
    bytes.Append(static_cast<std::uint8_t>(unit >> 24));
    bytes.Append(static_cast<std::uint8_t>((unit >> 16) & 0xFF));
    bytes.Append(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    bytes.Append(static_cast<std::uint8_t>(unit & 0xFF));
}

std::size_t orlCodeUtf32LE::GetBomLength(const std::uint8_t* data, std::size_t length) const {
    return data != nullptr && length >= 4 && data[0] == 0xFF && data[1] == 0xFE &&
                   data[2] == 0x00 && data[3] == 0x00
               ? 4
               : 0;
}

std::uint32_t orlCodeUtf32LE::ReadPartialUnit(const std::uint8_t* data, std::size_t count) const {
    std::uint32_t value = 0;
    for (std::size_t k = count; k > 0; --k) {
        value = (value << 8) | data[k - 1];
    }
    return value;
}

std::uint32_t orlCodeUtf32LE::ReadUnit(const std::uint8_t* data) const {
    return (std::uint32_t{data[3]} << 24) | (std::uint32_t{data[2]} << 16) |
           (std::uint32_t{data[1]} << 8) | data[0];
}

void orlCodeUtf32LE::WriteUnit(std::uint32_t unit, orlByteBuffer& bytes) const {
    bytes.Append(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.Append(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    bytes.Append(static_cast<std::uint8_t>((unit >> 16) & 0xFF));
    bytes.Append(static_cast<std::uint8_t>(unit >> 24));
}
