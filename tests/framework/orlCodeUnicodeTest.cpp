#include <gtest/gtest.h>
#include <wx/strconv.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/codes/orlByteBuffer.h"
#include "framework/codes/orlCodeAscii.h"
#include "framework/codes/orlCodeUtf16.h"
#include "framework/codes/orlCodeUtf32.h"
#include "framework/codes/orlCodeUtf8.h"

namespace {

using Points = std::vector<std::uint32_t>;

const orlCodeAscii kAscii;
const orlCodeUtf8 kUtf8;
const orlCodeUtf16BE kUtf16BE;
const orlCodeUtf16LE kUtf16LE;
const orlCodeUtf32BE kUtf32BE;
const orlCodeUtf32LE kUtf32LE;

// A text with one character per value, each appended as it is.
wxString TextOf(const Points& points) {
    wxString text;
    for (const std::uint32_t p : points) {
        orlText::Append(text, p);
    }
    return text;
}

// "0041 1F600": the values of the text's characters, for readable comparisons.
std::string Describe(const wxString& text) {
    std::string out;
    char item[16];
    for (const wxUniChar c : text) {
        std::snprintf(item, sizeof item, "%s%04X", out.empty() ? "" : " ",
                      static_cast<unsigned>(c.GetValue()));
        out += item;
    }
    return out;
}

// The text described as above.
wxString TextOf(const char* described) {
    wxString text;
    const std::string values = described;
    for (std::size_t i = 0; i < values.size();) {
        std::size_t end = values.find(' ', i);
        if (end == std::string::npos) {
            end = values.size();
        }
        orlText::Append(text, std::stoul(values.substr(i, end - i), nullptr, 16));
        i = end + 1;
    }
    return text;
}

// "41 E9": bytes in hexadecimal.
std::string Hex(const std::uint8_t* data, std::size_t length) {
    std::string out;
    char item[4];
    for (std::size_t i = 0; i < length; ++i) {
        std::snprintf(item, sizeof item, "%s%02X", i == 0 ? "" : " ", data[i]);
        out += item;
    }
    return out;
}

std::vector<std::uint8_t> Bytes(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// Texts are written as the values of their characters in hexadecimal: "0041 1F600".
struct EncodeCase {
    const char* what;
    const orlCodeBase& codec;
    const char* text;
    const char* bytes;
    bool valid;
};

const EncodeCase kEncodeCases[] = {
    {"ascii: letters and controls", kAscii, "0041 007F 0001", "41 7F 01", true},
    {"ascii: e acute is written raw", kAscii, "0041 00E9", "41 E9", false},
    {"ascii: a kanji is two raw bytes", kAscii, "4E00", "4E 00", false},
    {"ascii: yen sign", kAscii, "00A5", "5C", true},
    {"ascii: overline", kAscii, "203E", "7E", true},
    {"ascii: U+0000", kAscii, "0000", "00", false},
    {"ascii: U+0080", kAscii, "0080", "80", false},
    {"ascii: beyond U+FFFF is two raw units", kAscii, "1F600", "D8 3D DE 00", false},
    {"ascii: empty", kAscii, "", "", true},
    {"utf8: euro sign", kUtf8, "20AC", "E2 82 AC", true},
    {"utf8: U+1F600", kUtf8, "1F600", "F0 9F 98 80", true},
    {"utf8: surrogate pair", kUtf8, "D83D DE00", "F0 9F 98 80", true},
    {"utf8: length boundaries", kUtf8, "007F 0080 07FF 0800 FFFF 10000 10FFFF",
     "7F C2 80 DF BF E0 A0 80 EF BF BF F0 90 80 80 F4 8F BF BF", true},
    {"utf8: lone high surrogate", kUtf8, "D800 0041", "ED A0 80 41", false},
    {"utf8: lone low surrogate", kUtf8, "DC00", "ED B0 80", false},
    {"utf8: low before high", kUtf8, "DE00 D83D", "ED B8 80 ED A0 BD", false},
    {"utf8: U+0000", kUtf8, "0000", "00", true},
    {"utf8: beyond U+10FFFF keeps its low half", kUtf8, "110041", "41", false},
    {"utf16be: letter and kanji", kUtf16BE, "0041 4E00", "00 41 4E 00", true},
    {"utf16le: letter and kanji", kUtf16LE, "0041 4E00", "41 00 00 4E", true},
    {"utf16be: U+1F600", kUtf16BE, "1F600", "D8 3D DE 00", true},
    {"utf16le: U+1F600", kUtf16LE, "1F600", "3D D8 00 DE", true},
    {"utf16le: surrogate pair", kUtf16LE, "D83D DE00", "3D D8 00 DE", true},
    {"utf16le: U+0000", kUtf16LE, "0041 0000", "41 00 00 00", false},
    {"utf16be: lone low surrogate", kUtf16BE, "DC00 0041", "DC 00 00 41", false},
    {"utf16be: high surrogate last", kUtf16BE, "0041 D800", "00 41 D8 00", false},
    {"utf16le: high surrogate before a letter", kUtf16LE, "D800 0041", "00 D8 41 00", false},
    {"utf16be: beyond U+10FFFF keeps its low half", kUtf16BE, "110041", "00 41", false},
    {"utf32be: letter and U+1F600", kUtf32BE, "0041 1F600", "00 00 00 41 00 01 F6 00", true},
    {"utf32le: letter and U+1F600", kUtf32LE, "0041 1F600", "41 00 00 00 00 F6 01 00", true},
    {"utf32le: surrogate pair", kUtf32LE, "D83D DE00", "00 F6 01 00", true},
    {"utf32be: lone high surrogate", kUtf32BE, "D800", "00 00 D8 00", false},
    {"utf32le: U+0000", kUtf32LE, "0000", "00 00 00 00", true},
    {"utf32be: beyond U+10FFFF keeps its low half", kUtf32BE, "110041", "00 00 00 41", false},
    {"utf32le: empty", kUtf32LE, "", "", true},
};

TEST(UnicodeCodecEncode, WritesTheBytesAndReportsWhetherEveryCharacterConverted) {
    for (const EncodeCase& c : kEncodeCases) {
        SCOPED_TRACE(c.what);
        orlByteBuffer bytes;
        const bool valid = c.codec.Encode(TextOf(c.text), bytes);
        EXPECT_EQ(Hex(bytes.Data(), bytes.Length()), c.bytes);
        EXPECT_EQ(bytes.Data()[bytes.Length()], 0);
        EXPECT_EQ(valid, c.valid);
    }
}

TEST(UnicodeCodecEncode, StartsTheBufferAfresh) {
    orlByteBuffer bytes;
    kUtf16LE.Encode(TextOf({0x41, 0x42, 0x43}), bytes);
    kUtf8.Encode(TextOf({0x5A}), bytes);
    EXPECT_EQ(Hex(bytes.Data(), bytes.Length()), "5A");
    EXPECT_EQ(bytes.Data()[1], 0);
}

struct DecodeCase {
    const char* what;
    const orlCodeBase& codec;
    const char* bytes;
    const char* text;
    bool valid;
};

const DecodeCase kDecodeCases[] = {
    {"ascii: plain", kAscii, "41 42 7F", "0041 0042 007F", true},
    {"ascii: high byte", kAscii, "41 E9", "0041 00E9", false},
    {"ascii: 0x80", kAscii, "80", "0080", false},
    {"ascii: zero byte", kAscii, "41 00", "0041 0000", false},
    {"ascii: empty", kAscii, "", "", true},
    {"utf8: byte-order mark is skipped", kUtf8, "EF BB BF 41", "0041", true},
    {"utf8: only a leading mark is skipped", kUtf8, "41 EF BB BF", "0041 FEFF", true},
    {"utf8: a second mark is a character", kUtf8, "EF BB BF EF BB BF", "FEFF", true},
    {"utf8: euro sign", kUtf8, "E2 82 AC", "20AC", true},
    {"utf8: U+1F600 is one character", kUtf8, "F0 9F 98 80", "1F600", true},
    {"utf8: U+10FFFF", kUtf8, "F4 8F BF BF", "10FFFF", true},
    {"utf8: overlong two bytes", kUtf8, "C1 81", "0041", true},
    {"utf8: overlong three bytes", kUtf8, "E0 81 81", "0041", true},
    {"utf8: overlong five bytes", kUtf8, "F8 80 80 81 81", "0041", true},
    {"utf8: overlong six bytes", kUtf8, "FC 80 80 80 81 81", "0041", true},
    {"utf8: five bytes beyond U+10FFFF", kUtf8, "F8 88 80 80 80 41",
     "00F8 0088 0080 0080 0080 0041", false},
    {"utf8: six bytes beyond U+10FFFF", kUtf8, "FD BF BF BF BF BF", "00FD 00BF 00BF 00BF 00BF 00BF",
     false},
    {"utf8: four bytes beyond U+10FFFF", kUtf8, "F4 90 80 80", "00F4 0090 0080 0080", false},
    {"utf8: encoded surrogate", kUtf8, "ED A0 80", "00ED 00A0 0080", false},
    {"utf8: overlong U+0000", kUtf8, "C0 80", "00C0 0080", false},
    {"utf8: zero byte", kUtf8, "41 00 42", "0041 0000 0042", false},
    {"utf8: broken continuation", kUtf8, "E2 82 41", "00E2 0082 0041", false},
    {"utf8: truncated at the end", kUtf8, "41 E2 82", "0041 00E2 0082", false},
    {"utf8: stray continuation", kUtf8, "80 41", "0080 0041", false},
    {"utf8: bytes that never lead", kUtf8, "FE FF", "00FE 00FF", false},
    {"utf8: good after bad", kUtf8, "C3 E2 82 AC", "00C3 20AC", false},
    {"utf16le: mark, letter, odd byte", kUtf16LE, "FF FE 41 00 42", "0041 0042", false},
    {"utf16le: mark and letter", kUtf16LE, "FF FE 41 00", "0041", true},
    {"utf16le: the other order's mark is a character", kUtf16LE, "FE FF 41 00", "FFFE 0041", true},
    {"utf16le: surrogate pair", kUtf16LE, "41 00 3D D8 00 DE", "0041 1F600", true},
    {"utf16le: lone high surrogate", kUtf16LE, "00 D8 41 00", "D800 0041", false},
    {"utf16le: lone low surrogate", kUtf16LE, "00 DC", "DC00", false},
    {"utf16le: high surrogate last", kUtf16LE, "41 00 3D D8", "0041 D83D", false},
    {"utf16le: high surrogate and odd byte", kUtf16LE, "3D D8 7F", "D83D 007F", false},
    {"utf16le: U+0000", kUtf16LE, "00 00", "0000", false},
    {"utf16be: mark and letter", kUtf16BE, "FE FF 00 41", "0041", true},
    {"utf16be: the other order's mark is a character", kUtf16BE, "FF FE 00 41", "FFFE 0041", true},
    {"utf16be: surrogate pair", kUtf16BE, "D8 3D DE 00", "1F600", true},
    {"utf16be: odd byte", kUtf16BE, "4E 00 E9", "4E00 00E9", false},
    {"utf32be: mark and letter", kUtf32BE, "00 00 FE FF 00 00 00 41", "0041", true},
    {"utf32be: U+1F600", kUtf32BE, "00 01 F6 00", "1F600", true},
    {"utf32be: surrogate value", kUtf32BE, "00 00 D8 00", "D800", false},
    {"utf32be: U+0000", kUtf32BE, "00 00 00 00", "0000", false},
    {"utf32be: raw value beyond U+10FFFF", kUtf32BE, "00 11 00 00", "0011 0000", false},
    {"utf32be: raw value in both halves", kUtf32BE, "12 34 56 78", "1234 5678", false},
    {"utf32be: two-byte tail", kUtf32BE, "00 00 00 41 00 42", "0041 0042", false},
    {"utf32be: three-byte tail", kUtf32BE, "00 00 00 41 01 02 03", "0041 0001 0203", false},
    {"utf32be: one-byte tail", kUtf32BE, "7F", "007F", false},
    {"utf32le: mark and letter", kUtf32LE, "FF FE 00 00 41 00 00 00", "0041", true},
    {"utf32le: the other order's mark is a raw value", kUtf32LE, "00 00 FE FF 41 00 00 00",
     "FFFE 0000 0041", false},
    {"utf32le: U+1F600", kUtf32LE, "00 F6 01 00", "1F600", true},
    {"utf32le: raw value beyond U+10FFFF", kUtf32LE, "00 00 11 00", "0011 0000", false},
    {"utf32le: two-byte tail", kUtf32LE, "41 00 00 00 42 00", "0041 0042", false},
    {"utf32le: three-byte tail", kUtf32LE, "41 00 00 00 03 02 01", "0041 0001 0203", false},
};

TEST(UnicodeCodecDecode, AppendsCharactersAndReportsWhetherEverySequenceWasValid) {
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::uint8_t> bytes = Bytes(c.bytes);
        wxString text = "left over";
        const bool valid = c.codec.Decode(bytes.data(), bytes.size(), text);
        EXPECT_EQ(Describe(text), c.text);
        EXPECT_EQ(valid, c.valid);
    }
}

TEST(UnicodeCodecDecode, EmptiesTheTextForNoInput) {
    for (const orlCodeBase* codec :
         {static_cast<const orlCodeBase*>(&kAscii), static_cast<const orlCodeBase*>(&kUtf8),
          static_cast<const orlCodeBase*>(&kUtf16LE), static_cast<const orlCodeBase*>(&kUtf32BE)}) {
        wxString text = "left over";
        EXPECT_TRUE(codec->Decode(nullptr, 0, text));
        EXPECT_TRUE(text.empty());
    }
}

// Boundaries of every encoding form, Japanese, and a spread over all planes.
Points SampleCodePoints() {
    Points points = {0x01,   0x7F,    0x80,    0xFF,    0x100,   0x7FF,    0x800,
                     0x3042, 0x4E00,  0xD7FF,  0xE000,  0xFEFF,  0xFFFD,   0xFFFE,
                     0xFFFF, 0x10000, 0x1F600, 0x2A6D6, 0xFFFFF, 0x100000, 0x10FFFF};
    for (std::uint32_t p = 1; p <= 0x10FFFF; p += 37) {
        if (p < 0xD800 || p > 0xDFFF) {
            points.push_back(p);
        }
    }
    return points;
}

struct UnicodeForm {
    const char* what;
    const orlCodeBase& codec;
    const wxMBConv& reference;
};

const wxMBConvUTF8 kReferenceUtf8;
const wxMBConvUTF16BE kReferenceUtf16BE;
const wxMBConvUTF16LE kReferenceUtf16LE;
const wxMBConvUTF32BE kReferenceUtf32BE;
const wxMBConvUTF32LE kReferenceUtf32LE;

const UnicodeForm kForms[] = {
    {"utf8", kUtf8, kReferenceUtf8},          {"utf16be", kUtf16BE, kReferenceUtf16BE},
    {"utf16le", kUtf16LE, kReferenceUtf16LE}, {"utf32be", kUtf32BE, kReferenceUtf32BE},
    {"utf32le", kUtf32LE, kReferenceUtf32LE},
};

TEST(UnicodeCodecRoundTrip, EncodesAsTheStandardFormAndDecodesBackUnchanged) {
    const wxString text = TextOf(SampleCodePoints());
    for (const UnicodeForm& form : kForms) {
        SCOPED_TRACE(form.what);
        orlByteBuffer bytes;
        ASSERT_TRUE(form.codec.Encode(text, bytes));
        ASSERT_EQ(bytes.Data()[bytes.Length()], 0);

        std::size_t referenceLength = 0;
        const wxCharBuffer reference =
            form.reference.cWC2MB(text.wc_str(), text.length(), &referenceLength);
        ASSERT_EQ(bytes.Length(), referenceLength);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.Data()), bytes.Length()),
                  std::string(reference.data(), referenceLength));

        wxString decoded;
        EXPECT_TRUE(form.codec.Decode(bytes.Data(), bytes.Length(), decoded));
        EXPECT_TRUE(decoded == text) << Describe(decoded.Left(8));
    }
}

struct LengthCase {
    const char* what;
    const orlCodeBase& codec;
    const char* bytes;
    std::size_t multiByte;
    std::size_t character;
};

const LengthCase kLengthCases[] = {
    {"ascii: empty", kAscii, "", 0, 0},
    {"ascii: letter", kAscii, "41", 0, 1},
    {"ascii: high byte", kAscii, "E9 41", 0, 1},
    {"utf8: empty", kUtf8, "", 0, 0},
    {"utf8: letter", kUtf8, "41 C3 A9", 0, 1},
    {"utf8: two bytes", kUtf8, "C3 A9 41", 2, 2},
    {"utf8: three bytes", kUtf8, "E2 82 AC", 3, 3},
    {"utf8: four bytes", kUtf8, "F0 9F 98 80", 4, 4},
    {"utf8: overlong two bytes", kUtf8, "C1 81", 2, 2},
    {"utf8: five bytes", kUtf8, "F8 80 80 81 81", 5, 5},
    {"utf8: six bytes", kUtf8, "FC 80 80 80 81 81", 6, 6},
    {"utf8: six bytes beyond U+10FFFF", kUtf8, "FD BF BF BF BF BF", 0, 6},
    {"utf8: encoded surrogate", kUtf8, "ED A0 80", 0, 3},
    {"utf8: overlong U+0000", kUtf8, "C0 80", 0, 2},
    {"utf8: broken continuation", kUtf8, "E2 82 41", 0, 3},
    {"utf8: truncated", kUtf8, "E2 82", 0, 1},
    {"utf8: stray continuation", kUtf8, "80 80", 0, 1},
    {"utf8: byte that never leads", kUtf8, "FE 80", 0, 1},
    {"utf16le: empty", kUtf16LE, "", 0, 0},
    {"utf16le: letter", kUtf16LE, "41 00", 0, 2},
    {"utf16le: below U+0100", kUtf16LE, "E9 00", 0, 2},
    {"utf16le: kanji", kUtf16LE, "00 4E", 2, 2},
    {"utf16le: surrogate pair", kUtf16LE, "3D D8 00 DE", 4, 4},
    {"utf16le: high surrogate before a letter", kUtf16LE, "3D D8 41 00", 0, 2},
    {"utf16le: high surrogate last", kUtf16LE, "3D D8", 0, 2},
    {"utf16le: lone low surrogate", kUtf16LE, "00 DC 00 DC", 0, 2},
    {"utf16le: one byte", kUtf16LE, "41", 0, 1},
    {"utf16be: kanji", kUtf16BE, "4E 00", 2, 2},
    {"utf16be: letter", kUtf16BE, "00 41", 0, 2},
    {"utf16be: surrogate pair", kUtf16BE, "D8 3D DE 00", 4, 4},
    {"utf32le: empty", kUtf32LE, "", 0, 0},
    {"utf32le: letter", kUtf32LE, "41 00 00 00", 0, 4},
    {"utf32le: kanji", kUtf32LE, "00 4E 00 00", 4, 4},
    {"utf32le: U+1F600", kUtf32LE, "00 F6 01 00", 4, 4},
    {"utf32le: surrogate value", kUtf32LE, "00 D8 00 00", 0, 4},
    {"utf32le: beyond U+10FFFF", kUtf32LE, "00 00 11 00", 0, 4},
    {"utf32le: three bytes", kUtf32LE, "00 4E 00", 0, 0},
    {"utf32be: kanji", kUtf32BE, "00 00 4E 00", 4, 4},
    {"utf32be: letter", kUtf32BE, "00 00 00 41", 0, 4},
};

TEST(UnicodeCodecLengths, GiveTheLengthsOfValidMultiByteCharactersAndOfSteps) {
    for (const LengthCase& c : kLengthCases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::uint8_t> bytes = Bytes(c.bytes);
        EXPECT_EQ(c.codec.GetMultiByteLength(bytes.data(), bytes.size()), c.multiByte);
        EXPECT_EQ(c.codec.GetCharLength(bytes.data(), bytes.size()), c.character);
    }
}

TEST(UnicodeCodecLengths, AreZeroForAMissingInput) {
    for (const UnicodeForm& form : kForms) {
        SCOPED_TRACE(form.what);
        EXPECT_EQ(form.codec.GetMultiByteLength(nullptr, 4), 0u);
        EXPECT_EQ(form.codec.GetCharLength(nullptr, 4), 0u);
    }
    EXPECT_EQ(kAscii.GetCharLength(nullptr, 4), 0u);
}

TEST(UnicodeCodecByteBuffer, GrowsBy2048ThenByHalfRoundedDownTo2048Plus2048) {
    orlByteBuffer bytes;
    bytes.Start(0);
    std::vector<std::size_t> capacities = {bytes.Capacity()};
    for (std::size_t i = 0; i < 30000; ++i) {
        const std::size_t before = bytes.Capacity();
        bytes.Append(static_cast<std::uint8_t>(i % 251 + 1));
        if (bytes.Capacity() != before) {
            // The old capacity held one byte less than itself, beside the 0 byte.
            EXPECT_EQ(i, before - 1);
            capacities.push_back(bytes.Capacity());
        }
    }
    EXPECT_EQ(capacities, (std::vector<std::size_t>{2048, 4096, 8192, 14336, 22528, 34816}));
    ASSERT_EQ(bytes.Length(), 30000u);
    EXPECT_EQ(bytes.Data()[30000], 0);
    for (std::size_t i = 0; i < 30000; ++i) {
        ASSERT_EQ(bytes.Data()[i], i % 251 + 1) << i;
    }
}

struct EstimateCase {
    const char* what;
    const orlCodeBase& codec;
    std::size_t letters;
    std::size_t capacity;  // of the buffer after encoding that many letters
};

// The buffer starts with room for the characters times the widest output of one, plus 1.
const EstimateCase kEstimateCases[] = {
    {"ascii: small", kAscii, 10, 2048},
    {"ascii: 2047 letters need 2048", kAscii, 2047, 4096},
    {"utf8: 511 letters need 2045", kUtf8, 511, 2048},
    {"utf8: 512 letters need 2049", kUtf8, 512, 4096},
    {"utf16le: 1023 letters need 2047", kUtf16LE, 1023, 2048},
    {"utf16be: 1024 letters need 2049", kUtf16BE, 1024, 4096},
    {"utf32be: 511 letters need 2045", kUtf32BE, 511, 2048},
    {"utf32le: 10000 letters need 40001", kUtf32LE, 10000, 61440},
    {"utf8: 10000 letters need 40001", kUtf8, 10000, 61440},
};

TEST(UnicodeCodecByteBuffer, EncodersStartFromTheWidestOutputPerCharacter) {
    for (const EstimateCase& c : kEstimateCases) {
        SCOPED_TRACE(c.what);
        orlByteBuffer bytes;
        c.codec.Encode(wxString(c.letters, 'a'), bytes);
        EXPECT_EQ(bytes.Capacity(), c.capacity);
    }
}

TEST(UnicodeCodecByteBuffer, AsciiOutputBeyondTheEstimateGrowsTheBuffer) {
    // 10,000 kanji are written raw as two bytes each, twice the estimate of 10,001.
    orlByteBuffer bytes;
    EXPECT_FALSE(kAscii.Encode(wxString(10000, wxUniChar(0x4E00)), bytes));
    ASSERT_EQ(bytes.Length(), 20000u);
    EXPECT_EQ(bytes.Capacity(), 26624u);  // 16384 grown once
    for (std::size_t i = 0; i < 20000; i += 2) {
        ASSERT_EQ(Hex(bytes.Data() + i, 2), "4E 00") << i;
    }
    EXPECT_EQ(bytes.Data()[20000], 0);
}

}  // namespace
