// Fuzz target: each codec's encoder on a text of arbitrary UTF-16 units (the first byte chooses
// the code, each following pair of bytes is one unit, low byte first), lone surrogates and
// U+0000 included. The bytes stay within bounds; what encodes as valid decodes as valid; the
// Unicode codecs give back the very units, and the others bytes that encode to themselves.

#include <algorithm>
#include <vector>

#include "CodecSupport.h"

using namespace fuzzsupport;

namespace {

// The most bytes one unit can become: a raw unit of the one-byte codes takes two, a JIS X 0212
// character in EUC-JP three, and in the ISO-2022-JP family a designation comes before the two
// bytes of a character (the last designation back to ASCII is counted apart).
std::size_t WidestPerUnit(int code) {
    switch (code) {
        case orlCODE_EUC_JP:
            return 3;
        case orlCODE_ISO_2022_JP:
        case orlCODE_ISO_2022_JP_2:
        case orlCODE_JIS:
            return 6;
        case orlCODE_UTF8:
            return 3;  // a character beyond U+FFFF takes four bytes for its two units
        case orlCODE_UCS4:
        case orlCODE_UCS4BE:
        case orlCODE_UCS4LE:
        case orlCODE_UTF32:
        case orlCODE_UTF32BE:
        case orlCODE_UTF32LE:
            return 4;
        default:
            return 2;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::StartToolkit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int code = CodeOf(data[0]);
    std::vector<std::uint16_t> units;
    wxString text;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        units.push_back(static_cast<std::uint16_t>(data[i] | (data[i + 1] << 8)));
        orlText::Append(text, units.back());
    }
    const std::unique_ptr<orlCodeBase> codec = orlCreateCodec(code);
    FUZZ_CHECK(codec != nullptr);

    orlByteBuffer bytes;
    bytes.Start(3);  // something left from before, which the encoder must drop
    bytes.Append(0x41);
    const bool valid = codec->Encode(text, bytes);
    CheckBuffer(bytes);
    // Every unit leaves at least one byte, none more than its codec's widest.
    FUZZ_CHECK(bytes.Length() >= (units.empty() ? 0 : 1));
    FUZZ_CHECK(bytes.Length() <= units.size() * WidestPerUnit(code) + 3);

    bool lone = false;
    orlText::ToCodePoints(text, &lone);
    const bool zero = std::find(units.begin(), units.end(), 0) != units.end();
    const bool utf16 = code == orlCODE_UCS2 || code == orlCODE_UCS2BE || code == orlCODE_UCS2LE ||
                       code == orlCODE_UTF16 || code == orlCODE_UTF16BE || code == orlCODE_UTF16LE;
    if (IsUnicodeCodec(code)) {
        // Every text without U+0000 or a lone surrogate has a valid form in a Unicode code.
        FUZZ_CHECK(valid || zero || lone);
        FUZZ_CHECK(!utf16 || bytes.Length() == units.size() * 2);
    } else {
        FUZZ_CHECK(bytes.Length() >= units.size());
    }
    // UTF-8 and UTF-32 write U+0000 as valid, but no decoder reads a 0 as a valid character.
    if (!valid || zero || !HasOwnForm(code, text)) {
        return 0;
    }

    wxString decoded;
    FUZZ_CHECK(codec->Decode(bytes.Data(), bytes.Length(), decoded));
    CheckDecoded(decoded, bytes.Length(), true);
    if (IsUnicodeCodec(code)) {
        // A leading U+FEFF is read back as a byte-order mark and dropped.
        const bool leadingMark = !units.empty() && units.front() == kByteOrderMark;
        const std::vector<std::uint16_t> back = orlText::ToUtf16(decoded);
        FUZZ_CHECK(back.size() + (leadingMark ? 1 : 0) == units.size());
        FUZZ_CHECK(std::equal(back.begin(), back.end(), units.begin() + (leadingMark ? 1 : 0)));
        return 0;
    }
    // The legacy codes give some characters a shared form (the yen sign and the backslash in
    // ASCII, both forms of the code page 932 specials): what comes back encodes the same.
    orlByteBuffer again;
    FUZZ_CHECK(codec->Encode(decoded, again));
    CheckBuffer(again);
    FUZZ_CHECK(SameBytes(bytes, again));
    return 0;
}
