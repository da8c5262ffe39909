// What the codec fuzz targets share: the codec an input asks for (its first byte chooses the
// code), and the checks every decoded text must pass.
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "FuzzSupport.h"
#include "framework/codes/orlCharCode.h"
#include "framework/codes/orlCodeBase.h"
#include "framework/codes/orlCodeFunctions.h"

namespace fuzzsupport {

// The code numbers run from ASCII to "Auto Detect".
inline int CodeOf(std::uint8_t selector) {
    return selector % (orlCODE_AUTO + 1);
}

// The codes whose codecs convert text to bytes and back without loss.
inline bool IsUnicodeCodec(int code) {
    return orlIsUnicodeCode(code);
}

// The byte-order mark, which the decoders skip and the encoders never write.
constexpr std::uint32_t kByteOrderMark = 0xFEFF;

// A decoded text holds one character per input byte at most, no value beyond the Unicode
// range, and, when the decoder called it valid, only valid characters.
inline void CheckDecoded(const wxString& text, std::size_t inputLength, bool valid) {
    FUZZ_CHECK(text.length() <= inputLength);
    for (const wxUniChar c : text) {
        const auto value = static_cast<std::uint32_t>(c.GetValue());
        FUZZ_CHECK(value <= 0x10FFFF);
        FUZZ_CHECK(!valid || orlText::IsValidCharacter(value));
    }
}

// The encoded bytes end in the 0 byte the length leaves out.
inline void CheckBuffer(const orlByteBuffer& bytes) {
    FUZZ_CHECK(bytes.Data() != nullptr);
    FUZZ_CHECK(bytes.Length() < bytes.Capacity());
    FUZZ_CHECK(bytes.Data()[bytes.Length()] == 0);
}

// The ISO-2022-JP family writes the escape character as it is, so a text that holds one may
// read back as a designation; and a Unicode text that starts with U+FEFF reads back without it,
// taken for the byte-order mark no encoder writes. Such texts have no form of their own.
inline bool HasOwnForm(int code, const wxString& text) {
    if (orlIsUnicodeCode(code)) {
        return text.empty() || text[0] != wxUniChar(kByteOrderMark);
    }
    const bool jis =
        code == orlCODE_ISO_2022_JP || code == orlCODE_ISO_2022_JP_2 || code == orlCODE_JIS;
    return !jis || text.find(wxUniChar(0x1B)) == wxString::npos;
}

inline bool SameBytes(const orlByteBuffer& a, const orlByteBuffer& b) {
    return a.Length() == b.Length() && std::equal(a.Data(), a.Data() + a.Length(), b.Data());
}

}  // namespace fuzzsupport
