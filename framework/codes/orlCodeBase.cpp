#include "framework/codes/orlCodeBase.h"

namespace orlText {
namespace {

bool IsHigh(std::uint32_t v) {
    return v >= 0xD800 && v <= 0xDBFF;
}
bool IsLow(std::uint32_t v) {
    return v >= 0xDC00 && v <= 0xDFFF;
}

}  // namespace

std::vector<std::uint16_t> ToUtf16(const wxString& text) {
    std::vector<std::uint16_t> units;
    units.reserve(text.length());
    for (const wxUniChar c : text) {
        const auto v = static_cast<std::uint32_t>(c.GetValue());
        if (v > 0xFFFF && v <= 0x10FFFF) {
            units.push_back(static_cast<std::uint16_t>(0xD800 + ((v - 0x10000) >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + ((v - 0x10000) & 0x3FF)));
        } else {
            // Values beyond U+10FFFF cannot occur in UTF-16 text; keep their low half.
            units.push_back(static_cast<std::uint16_t>(v));
        }
    }
    return units;
}

std::vector<std::uint32_t> ToCodePoints(const wxString& text, bool* lone) {
    std::vector<std::uint32_t> points;
    points.reserve(text.length());
    if (lone) {
        *lone = false;
    }
    const std::size_t n = text.length();
    for (std::size_t i = 0; i < n; ++i) {
        const auto v = static_cast<std::uint32_t>(text[i].GetValue());
        if (IsHigh(v) && i + 1 < n && IsLow(static_cast<std::uint32_t>(text[i + 1].GetValue()))) {
            const auto low = static_cast<std::uint32_t>(text[i + 1].GetValue());
            points.push_back(0x10000 + ((v - 0xD800) << 10) + (low - 0xDC00));
            ++i;
            continue;
        }
        if ((IsHigh(v) || IsLow(v)) && lone) {
            *lone = true;
        }
        points.push_back(v);
    }
    return points;
}

}  // namespace orlText
