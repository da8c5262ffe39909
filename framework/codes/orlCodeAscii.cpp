#include "framework/codes/orlCodeAscii.h"

namespace {

// Longer inputs have their output text reserved before decoding.
constexpr std::size_t kReserveAbove = 256;

}  // namespace

bool orlCodeAscii::Decode(const std::uint8_t* data, std::size_t length, wxString& text) const {
    text.clear();
    if (data == nullptr) {
        return true;
    }
    if (length > kReserveAbove) {
        text.reserve(length);
    }
    bool valid = true;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t byte = data[i];
        if (byte == 0 || byte >= 0x80) {
            valid = false;
        }
        orlText::Append(text, byte);
    }
    return valid;
}

bool orlCodeAscii::Encode(const wxString& text, orlByteBuffer& bytes) const {
    const std::vector<std::uint16_t> units = orlText::ToUtf16(text);
    bytes.Start(units.size() + 1);
    bool valid = true;
    for (const std::uint16_t unit : units) {
        if (const std::uint8_t ascii = orlText::AsciiByte(unit)) {
            bytes.Append(ascii);
        } else {
            valid = false;
            bytes.AppendRaw(unit);
        }
    }
    return valid;
}

std::size_t orlCodeAscii::GetMultiByteLength(const std::uint8_t* /*data*/,
                                             std::size_t /*length*/) const {
    return 0;
}

std::size_t orlCodeAscii::GetCharLength(const std::uint8_t* data, std::size_t length) const {
    return data == nullptr || length == 0 ? 0 : 1;
}
