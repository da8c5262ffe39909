#include "framework/codes/orlCodeUtf8.h"

namespace {

// Longer inputs have their output text reserved before decoding.
constexpr std::size_t kReserveAbove = 256;

// The sequence length a lead byte announces (1 to 6), or 0 for a byte that cannot lead.
std::size_t AnnouncedLength(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead < 0xC0) {
        return 0;
    }
    if (lead < 0xE0) {
        return 2;
    }
    if (lead < 0xF0) {
        return 3;
    }
    if (lead < 0xF8) {
        return 4;
    }
    if (lead < 0xFC) {
        return 5;
    }
    if (lead < 0xFE) {
        return 6;
    }
    return 0;
}

// Reads the sequence at data: its length and value, or 0 when it is malformed (a byte that
// cannot lead, a missing or wrong continuation byte). The value is not checked.
std::size_t ReadSequence(const std::uint8_t* data, std::size_t length, std::uint32_t& value) {
    const std::size_t n = AnnouncedLength(data[0]);
    if (n == 0 || n > length) {
        return 0;
    }
    // The lead byte keeps 7 bits for one byte, else 7 - n.
    value = n == 1 ? data[0] : data[0] & (0x7Fu >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((data[k] & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (data[k] & 0x3Fu);
    }
    return n;
}

void Write(std::uint32_t value, orlByteBuffer& bytes) {
    if (value < 0x80) {
        bytes.Append(static_cast<std::uint8_t>(value));
    } else if (value < 0x800) {
        bytes.Append(static_cast<std::uint8_t>(0xC0 | (value >> 6)));
        bytes.Append(static_cast<std::uint8_t>(0x80 | (value & 0x3F)));
    } else if (value < 0x10000) {
        bytes.Append(static_cast<std::uint8_t>(0xE0 | (value >> 12)));
        bytes.Append(static_cast<std::uint8_t>(0x80 | ((value >> 6) & 0x3F)));
        bytes.Append(static_cast<std::uint8_t>(0x80 | (value & 0x3F)));
    } else {
        bytes.Append(static_cast<std::uint8_t>(0xF0 | (value >> 18)));
        bytes.Append(static_cast<std::uint8_t>(0x80 | ((value >> 12) & 0x3F)));
        bytes.Append(static_cast<std::uint8_t>(0x80 | ((value >> 6) & 0x3F)));
        bytes.Append(static_cast<std::uint8_t>(0x80 | (value & 0x3F)));
    }
}

}  // namespace

bool orlCodeUtf8::Decode(const std::uint8_t* data, std::size_t length, wxString& text) const {
    text.clear();
    if (data == nullptr) {
        return true;
    }
    std::size_t i = 0;
    if (length >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        i = 3;
    }
    if (length > kReserveAbove) {
        text.reserve(length - i);
    }
    bool valid = true;
    while (i < length) {
        std::uint32_t value = 0;
        const std::size_t n = ReadSequence(data + i, length - i, value);
        if (n != 0 && orlText::IsValidCharacter(value)) {
            orlText::Append(text, value);
            i += n;
        } else {
            orlText::Append(text, data[i]);
            ++i;
            valid = false;
        }
    }
    return valid;
}

bool orlCodeUtf8::Encode(const wxString& text, orlByteBuffer& bytes) const {
    return orlText::EncodeCodePoints(text, bytes, 4,
                                     [&](std::uint32_t value) { Write(value, bytes); });
}

std::size_t orlCodeUtf8::GetMultiByteLength(const std::uint8_t* data, std::size_t length) const {
    if (data == nullptr || length == 0 || data[0] < 0xC0 || data[0] > 0xFD) {
        return 0;
    }
    std::uint32_t value = 0;
    const std::size_t n = ReadSequence(data, length, value);
    return n != 0 && orlText::IsValidCharacter(value) ? n : 0;
}

std::size_t orlCodeUtf8::GetCharLength(const std::uint8_t* data, std::size_t length) const {
    if (data == nullptr || length == 0) {
        return 0;
    }
    const std::size_t n = AnnouncedLength(data[0]);
    return n >= 2 && n <= length ? n : 1;
}
