#include "framework/codes/orlCodeShiftJis.h"

#include "framework/codes/orlCodeTables.h"
#include "framework/codes/orlJisCodes.h"

namespace {

// The seven codes where code page 932 and the JIS standard name different characters: both
// characters encode to the code, which decodes to code page 932's.
struct Special {
    std::uint16_t code;
    std::uint16_t cp932;
    std::uint16_t standard;
};
constexpr Special kSpecials[] = {
    {0x815F, 0xFF3C, 0xFF3C}, {0x8160, 0xFF5E, 0x301C}, {0x8161, 0x2225, 0x2016},
    {0x817C, 0xFF0D, 0x2212}, {0x8191, 0xFFE0, 0x00A2}, {0x8192, 0xFFE1, 0x00A3},
    {0x81CA, 0xFFE2, 0x00AC},
};

// Lead bytes of two-byte codes that code page 932 fills.
bool IsMappedLead(std::uint8_t b) {
    return (b >= 0x81 && b <= 0x84) || (b >= 0x87 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEA) ||
           (b >= 0xED && b <= 0xEE) || (b >= 0xFA && b <= 0xFC);
}

}  // namespace

std::uint16_t orlCodeShiftJis::EncodeDoubleByte(std::uint16_t unit) {
    for (const Special& s : kSpecials) {
        if (unit == s.cp932 || unit == s.standard) {
            return s.code;
        }
    }
    if (const std::uint16_t code = orlCodeTables::UnicodeToCp932Extension(unit)) {
        return code;
    }
    if (const std::uint16_t jis = orlCodeTables::UnicodeToJis0208(unit)) {
        return orlJis::JisToSjis(jis);
    }
    return 0;
}

std::uint16_t orlCodeShiftJis::DecodeDoubleByte(std::uint16_t code) {
    for (const Special& s : kSpecials) {
        if (code == s.code) {
            return s.cp932;
        }
    }
    const auto lead = static_cast<std::uint8_t>(code >> 8);
    if (lead >= 0xED) {
        if (const std::uint16_t unit = orlCodeTables::Cp932ExtensionToUnicode(code)) {
            return unit;
        }
    }
    const std::uint16_t jis = orlJis::SjisToJis(lead, static_cast<std::uint8_t>(code & 0xFF));
    return jis ? orlCodeTables::Jis0208ToUnicode(jis) : 0;
}

bool orlCodeShiftJis::Encode(const wxString& text, orlByteBuffer& bytes) const {
    const std::vector<std::uint16_t> units = orlText::ToUtf16(text);
    bytes.Start(units.size() * 2 + 1);
    bool valid = true;
    for (const std::uint16_t u : units) {
        if (const std::uint8_t ascii = orlText::AsciiByte(u)) {
            bytes.Append(ascii);
        } else if (orlJis::IsHalfWidthKatakana(u)) {
            bytes.Append(orlJis::KatakanaValue(u) | 0x80);
        } else if (const std::uint16_t code = EncodeDoubleByte(u)) {
            bytes.AppendPair(code);
        } else {
            valid = false;
            if (u < 0xFF) {
                bytes.Append(static_cast<std::uint8_t>(u));
            } else {
                bytes.Append(0);
                bytes.Append(0);
            }
        }
    }
    return valid;
}

bool orlCodeShiftJis::Decode(const std::uint8_t* data, std::size_t length, wxString& text) const {
    orlText::StartDecoding(text, length, length);
    bool valid = true;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t b = data[i];
        if (b <= 0x7F) {
            valid = valid && b != 0;
            orlText::Append(text, b);
        } else if (b >= 0xA1 && b <= 0xDF) {
            orlText::Append(text, orlJis::KatakanaUnit(b & 0x7F));
        } else if (const std::uint16_t unit =
                       i + 1 < length
                           ? DecodeDoubleByte(static_cast<std::uint16_t>(b << 8 | data[i + 1]))
                           : 0) {
            orlText::Append(text, unit);
            ++i;
        } else {
            valid = false;
            orlText::Append(text, b);
        }
    }
    return valid;
}

std::size_t orlCodeShiftJis::GetMultiByteLength(const std::uint8_t* data,
                                                std::size_t length) const {
    if (!data || length == 0) {
        return 0;
    }
    if (data[0] >= 0xA1 && data[0] <= 0xDF) {
        return 1;
    }
    if (length >= 2 && IsMappedLead(data[0]) && data[1] >= 0x40 && data[1] <= 0xFC &&
        DecodeDoubleByte(static_cast<std::uint16_t>(data[0] << 8 | data[1])) != 0) {
        return 2;
    }
    return 0;
}

std::size_t orlCodeShiftJis::GetCharLength(const std::uint8_t* data, std::size_t length) const {
    if (!data || length == 0) {
        return 0;
    }
    return IsMappedLead(data[0]) && length >= 2 ? 2 : 1;
}
