#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/codes/orlCodeEucJp.h"
#include "framework/codes/orlCodeJis.h"
#include "framework/codes/orlCodeShiftJis.h"
#include "framework/codes/orlCodeTables.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

wxString Text(std::initializer_list<std::uint32_t> points) {
    wxString text;
    for (const std::uint32_t p : points) {
        orlText::Append(text, p);
    }
    return text;
}

std::string Hex(const Bytes& bytes) {
    std::string out;
    char buffer[4];
    for (const std::uint8_t b : bytes) {
        snprintf(buffer, sizeof buffer, "%02X ", b);
        out += buffer;
    }
    return out;
}

std::string Points(const wxString& text) {
    std::string out;
    char buffer[12];
    for (const wxUniChar c : text) {
        snprintf(buffer, sizeof buffer, "U+%04X ", static_cast<unsigned>(c.GetValue()));
        out += buffer;
    }
    return out;
}

Bytes Encoded(const orlCodeBase& codec, const wxString& text, bool* valid) {
    orlByteBuffer buffer;
    *valid = codec.Encode(text, buffer);
    EXPECT_EQ(buffer.Data()[buffer.Length()], 0) << "the bytes end with a 0 byte";
    return Bytes(buffer.Data(), buffer.Data() + buffer.Length());
}

struct Codecs {
    orlCodeShiftJis sjis;
    orlCodeEucJp euc;
    orlCodeJis jis;
};

struct EncodeCase {
    const char* what;
    const orlCodeBase* codec;
    wxString text;
    Bytes bytes;
    bool valid;
};

struct DecodeCase {
    const char* what;
    const orlCodeBase* codec;
    Bytes bytes;
    wxString text;
    bool valid;
};

// Every character a JIS table maps, with the code page 932 extension rows.
std::vector<std::uint16_t> MappedCharacters() {
    std::vector<std::uint16_t> all;
    for (unsigned row = 0x21; row <= 0x7E; ++row) {
        for (unsigned column = 0x21; column <= 0x7E; ++column) {
            const auto jis = static_cast<std::uint16_t>(row << 8 | column);
            for (const std::uint16_t u :
                 {orlCodeTables::Jis0208ToUnicode(jis), orlCodeTables::Jis0212ToUnicode(jis),
                  orlCodeTables::Jis0213Plane1ToUnicode(jis),
                  orlCodeTables::Jis0213Plane2ToUnicode(jis)}) {
                if (u != 0) {
                    all.push_back(u);
                }
            }
        }
    }
    for (unsigned lead = 0xED; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (const std::uint16_t u = orlCodeTables::Cp932ExtensionToUnicode(
                    static_cast<std::uint16_t>(lead << 8 | trail))) {
                all.push_back(u);
            }
        }
    }
    return all;
}

}  // namespace

TEST(JapaneseCodecs, EncodeCases) {
    const Codecs c;
    const EncodeCase cases[] = {
        {"SJIS hiragana a", &c.sjis, Text({0x3042}), {0x82, 0xA0}, true},
        {"SJIS half-width katakana", &c.sjis, Text({0xFF71}), {0xB1}, true},
        {"SJIS small roman numeral one: IBM code", &c.sjis, Text({0x2170}), {0xFA, 0x40}, true},
        {"SJIS roman numeral one: NEC code", &c.sjis, Text({0x2160}), {0x87, 0x54}, true},
        {"SJIS not sign: row-2 code", &c.sjis, Text({0xFFE2}), {0x81, 0xCA}, true},
        {"SJIS the standard's wave dash", &c.sjis, Text({0x301C}), {0x81, 0x60}, true},
        {"SJIS the standard's cent sign", &c.sjis, Text({0x00A2}), {0x81, 0x91}, true},
        {"SJIS yen and overline", &c.sjis, Text({0x00A5, 0x203E, 'A'}), {0x5C, 0x7E, 0x41}, true},
        {"SJIS e acute is written raw", &c.sjis, Text({0x00E9}), {0xE9}, false},
        {"SJIS y diaeresis and up become two zero bytes",
         &c.sjis,
         Text({0x00FF, 0xAC00}),
         {0, 0, 0, 0},
         false},
        {"SJIS U+0000 is no character", &c.sjis, Text({0}), {0}, false},
        {"SJIS a character beyond U+FFFF is two raw units",
         &c.sjis,
         Text({0x1F600}),
         {0, 0, 0, 0},
         false},
        {"EUC hiragana a", &c.euc, Text({0x3042}), {0xA4, 0xA2}, true},
        {"EUC half-width katakana", &c.euc, Text({0xFF71}), {0x8E, 0xB1}, true},
        {"EUC JIS X 0212 kanji", &c.euc, Text({0x4E02}), {0x8F, 0xB0, 0xA1}, true},
        {"EUC unmapped kanji raw", &c.euc, Text({0xAC00, 0xE9}), {0xAC, 0x00, 0xE9}, false},
        {"JIS a, hiragana a, b",
         &c.jis,
         Text({'a', 0x3042, 'b'}),
         {0x61, 0x1B, 0x24, 0x42, 0x24, 0x22, 0x1B, 0x28, 0x42, 0x62},
         true},
        {"JIS ends in ASCII after a kanji",
         &c.jis,
         Text({0x4E00}),
         {0x1B, 0x24, 0x42, 0x30, 0x6C, 0x1B, 0x28, 0x42},
         true},
        {"JIS katakana",
         &c.jis,
         Text({0xFF71, 'x'}),
         {0x1B, 0x28, 0x49, 0x31, 0x1B, 0x28, 0x42, 0x78},
         true},
        {"JIS X 0212 kanji",
         &c.jis,
         Text({0x4E02}),
         {0x1B, 0x24, 0x28, 0x44, 0x30, 0x21, 0x1B, 0x28, 0x42},
         true},
        {"JIS unmapped unit keeps the state",
         &c.jis,
         Text({0x3042, 0xAC00, 0x3044}),
         {0x1B, 0x24, 0x42, 0x24, 0x22, 0xAC, 0x00, 0x24, 0x24, 0x1B, 0x28, 0x42},
         false},
    };
    for (const EncodeCase& e : cases) {
        SCOPED_TRACE(e.what);
        bool valid = false;
        EXPECT_EQ(Hex(Encoded(*e.codec, e.text, &valid)), Hex(e.bytes));
        EXPECT_EQ(valid, e.valid);
    }
}

TEST(JapaneseCodecs, DecodeCases) {
    const Codecs c;
    const DecodeCase cases[] = {
        {"SJIS hiragana, katakana, ASCII",
         &c.sjis,
         {0x82, 0xA0, 0xB1, 0x41},
         Text({0x3042, 0xFF71, 'A'}),
         true},
        {"SJIS the seven special codes give code page 932's characters",
         &c.sjis,
         {0x81, 0x5F, 0x81, 0x60, 0x81, 0x61, 0x81, 0x7C, 0x81, 0x91, 0x81, 0x92, 0x81, 0xCA},
         Text({0xFF3C, 0xFF5E, 0x2225, 0xFF0D, 0xFFE0, 0xFFE1, 0xFFE2}),
         true},
        {"SJIS NEC-selected IBM and IBM codes",
         &c.sjis,
         {0xEE, 0xEF, 0xFA, 0x40},
         Text({0x2170, 0x2170}),
         true},
        {"SJIS zero byte", &c.sjis, {0x41, 0x00}, Text({'A', 0}), false},
        {"SJIS a lone lead byte at the end", &c.sjis, {0x41, 0x82}, Text({'A', 0x82}), false},
        {"SJIS user-defined area", &c.sjis, {0xF0, 0x40, 0x41}, Text({0xF0, 0x40, 'A'}), false},
        {"EUC hiragana, katakana, JIS X 0212",
         &c.euc,
         {0xA4, 0xA2, 0x8E, 0xB1, 0x8F, 0xB0, 0xA1},
         Text({0x3042, 0xFF71, 0x4E02}),
         true},
        {"EUC a short tail", &c.euc, {0x41, 0xA4}, Text({'A', 0xA4}), false},
        {"EUC an unmapped pair goes on at the next byte",
         &c.euc,
         {0xA9, 0xA1, 0x41},
         Text({0xA9, 0xA1, 'A'}),
         false},
        {"JIS a, hiragana a, b",
         &c.jis,
         {0x61, 0x1B, 0x24, 0x42, 0x24, 0x22, 0x1B, 0x28, 0x42, 0x62},
         Text({'a', 0x3042, 'b'}),
         true},
        {"JIS katakana state and 8-bit katakana in ASCII",
         &c.jis,
         {0x1B, 0x28, 0x49, 0x31, 0x1B, 0x28, 0x42, 0xB1},
         Text({0xFF71, 0xFF71}),
         true},
        {"JIS X 0208-1990 announcement",
         &c.jis,
         {0x1B, 0x26, 0x40, 0x1B, 0x24, 0x42, 0x24, 0x22},
         Text({0x3042}),
         true},
        // 1978 code 0x3033 holds what the 1983 edition moved to 0x724D: the pair is exchanged.
        {"JIS C 6226-1978 exchanged pair",
         &c.jis,
         {0x1B, 0x24, 0x40, 0x30, 0x33},
         Text({orlCodeTables::Jis0208ToUnicode(0x724D)}),
         true},
        {"JIS X 0213:2004 plane 1 has no table",
         &c.jis,
         {0x1B, 0x24, 0x28, 0x51, 0x24, 0x22},
         Text({0x24, 0x22}),
         false},
        {"JIS an unknown escape is a plain byte in ASCII",
         &c.jis,
         {0x1B, 0x41},
         Text({0x1B, 'A'}),
         true},
        {"JIS an odd byte in a two-byte state",
         &c.jis,
         {0x1B, 0x24, 0x42, 0x24},
         Text({0x24}),
         false},
    };
    for (const DecodeCase& d : cases) {
        SCOPED_TRACE(d.what);
        wxString text = "stale";
        const bool valid = d.codec->Decode(d.bytes.data(), d.bytes.size(), text);
        EXPECT_EQ(Points(text), Points(d.text));
        EXPECT_EQ(valid, d.valid);
    }
}

// Every character the tables map comes back from the codecs that can write it.
TEST(JapaneseCodecs, EveryMappedCharacterRoundTrips) {
    const Codecs c;
    const std::vector<std::uint16_t> all = MappedCharacters();
    ASSERT_GT(all.size(), 14000u);
    int sjisCount = 0;
    for (const std::uint16_t u : all) {
        const wxString text = Text({u, 'x'});
        bool valid = false;
        const Bytes jis = Encoded(c.jis, text, &valid);
        ASSERT_TRUE(valid) << std::hex << u;
        wxString back;
        EXPECT_TRUE(c.jis.Decode(jis.data(), jis.size(), back)) << std::hex << u;
        EXPECT_EQ(back, text) << std::hex << u;

        const bool inJis0208 = orlCodeTables::UnicodeToJis0208(u) != 0;
        if (inJis0208 || orlCodeTables::UnicodeToJis0212(u) != 0) {
            const Bytes euc = Encoded(c.euc, text, &valid);
            ASSERT_TRUE(valid) << std::hex << u;
            EXPECT_TRUE(c.euc.Decode(euc.data(), euc.size(), back));
            EXPECT_EQ(back, text) << std::hex << u;
        }
        const Bytes sjis = Encoded(c.sjis, text, &valid);
        if (valid) {
            ++sjisCount;
            EXPECT_TRUE(c.sjis.Decode(sjis.data(), sjis.size(), back));
            EXPECT_EQ(back, text) << std::hex << u;
            EXPECT_NE(sjis[0], 0xED);  // NEC-selected IBM codes are never written
            EXPECT_NE(sjis[0], 0xEE);
        }
    }
    EXPECT_GT(sjisCount, 7700);  // the JIS X 0208 characters and the IBM extensions
}

TEST(JapaneseCodecs, ByteInspection) {
    const Codecs c;
    struct Case {
        const char* what;
        const orlCodeBase* codec;
        Bytes bytes;
        std::size_t multiByte;
        std::size_t charLength;
    };
    const Case cases[] = {
        {"SJIS ASCII", &c.sjis, {0x41, 0x82}, 0, 1},
        {"SJIS katakana", &c.sjis, {0xB1}, 1, 1},
        {"SJIS hiragana", &c.sjis, {0x82, 0xA0}, 2, 2},
        {"SJIS IBM extension", &c.sjis, {0xFA, 0x40}, 2, 2},
        {"SJIS unmapped pair", &c.sjis, {0x85, 0x40}, 0, 1},
        {"SJIS lead byte at the end", &c.sjis, {0x82}, 0, 1},
        {"SJIS user-defined lead", &c.sjis, {0xF0, 0x40}, 0, 1},
        {"EUC hiragana", &c.euc, {0xA4, 0xA2}, 2, 2},
        {"EUC katakana", &c.euc, {0x8E, 0xB1}, 2, 2},
        {"EUC JIS X 0212", &c.euc, {0x8F, 0xB0, 0xA1}, 3, 3},
        {"EUC JIS X 0212 cut short", &c.euc, {0x8F, 0xB0}, 0, 2},
        {"EUC ASCII", &c.euc, {0x41}, 0, 1},
        {"EUC unmapped pair", &c.euc, {0xA9, 0xA1}, 0, 2},
        {"JIS", &c.jis, {0x1B, 0x24, 0x42}, 0, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        EXPECT_EQ(k.codec->GetMultiByteLength(k.bytes.data(), k.bytes.size()), k.multiByte);
        EXPECT_EQ(k.codec->GetCharLength(k.bytes.data(), k.bytes.size()), k.charLength);
        EXPECT_EQ(k.codec->GetMultiByteLength(k.bytes.data(), 0), 0u);
        EXPECT_EQ(k.codec->GetCharLength(nullptr, 0), 0u);
    }
}
