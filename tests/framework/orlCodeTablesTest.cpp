#include "framework/codes/orlCodeTables.h"
#include "framework/codes/orlJisCodes.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace {

using Lookup = std::uint16_t (*)(std::uint16_t);

// The characters of code page 932 by Shift_JIS code, as its decoder reads them: the extension
// rows from their own table, everything else through its JIS X 0208 code.
std::uint16_t DecodeCp932(std::uint16_t sjis) {
    const unsigned lead = sjis >> 8;
    const unsigned trail = sjis & 0xFF;
    if (lead >= 0xED) {
        return orlCodeTables::Cp932ExtensionToUnicode(sjis);
    }
    return orlCodeTables::Jis0208ToUnicode(
        orlJis::SjisToJis(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail)));
}

// The codes 0x0000 to 0xFFFF for which the lookup gives a value.
std::set<std::uint16_t> MappedCodes(Lookup lookup) {
    std::set<std::uint16_t> codes;
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        if (lookup(static_cast<std::uint16_t>(code)) != 0) {
            codes.insert(static_cast<std::uint16_t>(code));
        }
    }
    return codes;
}

std::size_t CountInRange(const std::set<std::uint16_t>& codes, unsigned first, unsigned last) {
    std::size_t count = 0;
    for (const std::uint16_t code : codes) {
        count += code >= first && code <= last ? 1 : 0;
    }
    return count;
}

// The seven codes where code page 932 holds another character than the JIS standard.
struct SpecialCode {
    std::uint16_t jis;
    std::uint16_t cp932Character;
    std::uint16_t standardCharacter;
};

const SpecialCode kSpecialCodes[] = {
    {0x2140, 0xFF3C, 0x005C}, {0x2141, 0xFF5E, 0x301C}, {0x2142, 0x2225, 0x2016},
    {0x215D, 0xFF0D, 0x2212}, {0x2171, 0xFFE0, 0x00A2}, {0x2172, 0xFFE1, 0x00A3},
    {0x224C, 0xFFE2, 0x00AC},
};

struct TablePair {
    const char* name;
    Lookup decode;
    Lookup encode;           // nullptr: encoded through UnicodeToCp932Extension
    std::size_t count;       // codes
    std::size_t characters;  // characters that encode
};

const TablePair kTables[] = {
    // Ten characters have two codes; the seven standard characters encode too.
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, orlCodeTables::UnicodeToJis0208, 7336,
     7336 - 10 + 7},
    {"code page 932 extension", orlCodeTables::Cp932ExtensionToUnicode, nullptr, 762, 0},
    {"JIS X 0212", orlCodeTables::Jis0212ToUnicode, orlCodeTables::UnicodeToJis0212, 5801, 5801},
    {"JIS X 0213 plane 1", orlCodeTables::Jis0213Plane1ToUnicode,
     orlCodeTables::UnicodeToJis0213Plane1, 169, 169},
    {"JIS X 0213 plane 2", orlCodeTables::Jis0213Plane2ToUnicode,
     orlCodeTables::UnicodeToJis0213Plane2, 388, 388},
};

TEST(CodeTablesTest, EachTableHoldsItsNumberOfCodesAndNothingOutsideItsRows) {
    for (const TablePair& table : kTables) {
        SCOPED_TRACE(table.name);
        EXPECT_EQ(MappedCodes(table.decode).size(), table.count);
    }

    const std::set<std::uint16_t> jis0208 = MappedCodes(orlCodeTables::Jis0208ToUnicode);
    EXPECT_EQ(CountInRange(jis0208, 0x2121, 0x7C7E), 7336u);
    EXPECT_EQ(CountInRange(jis0208, 0x2D00, 0x2DFF), 83u);  // the NEC special row
    EXPECT_EQ(CountInRange(jis0208, 0x7500, 0x78FF), 0u);
    EXPECT_EQ(CountInRange(jis0208, 0x7900, 0x7BFF), 3u * 94);
    EXPECT_EQ(CountInRange(jis0208, 0x7C00, 0x7CFF), 92u);
    EXPECT_EQ(jis0208.count(0x7C6F) + jis0208.count(0x7C70), 0u);

    const std::set<std::uint16_t> extension = MappedCodes(orlCodeTables::Cp932ExtensionToUnicode);
    EXPECT_EQ(CountInRange(extension, 0xED40, 0xEEFC), 374u);
    EXPECT_EQ(extension.count(0xEEED) + extension.count(0xEEEE), 0u);
    EXPECT_EQ(CountInRange(extension, 0xF000, 0xF9FF), 0u);  // the user-defined area
    EXPECT_EQ(CountInRange(extension, 0xFA40, 0xFC4B), 388u);
    EXPECT_EQ(CountInRange(extension, 0xED40, 0xFCFC), 762u);

    const std::set<std::uint16_t> jis0212 = MappedCodes(orlCodeTables::Jis0212ToUnicode);
    EXPECT_EQ(CountInRange(jis0212, 0x3021, 0x6D7E), 5801u);

    const std::set<std::uint16_t> plane1 = MappedCodes(orlCodeTables::Jis0213Plane1ToUnicode);
    EXPECT_EQ(CountInRange(plane1, 0x2E21, 0x2F7E) + CountInRange(plane1, 0x4F21, 0x4F7E) +
                  CountInRange(plane1, 0x7421, 0x7E7E),
              169u);
    EXPECT_EQ(MappedCodes(orlCodeTables::Jis0213Plane2ToUnicode).count(0x7D3B), 0u);
}

struct SpotValue {
    const char* table;
    Lookup decode;
    std::uint16_t code;
    std::uint16_t unicode;
};

const SpotValue kSpotValues[] = {
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, 0x2121, 0x3000},  // first code
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, 0x2422, 0x3042},  // Shift_JIS 82 A0
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, 0x2D35, 0x2160},  // NEC row, 87 54
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, 0x7921, 0x7E8A},  // NEC-selected IBM
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, 0x7C71, 0x2170},
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, 0x7C7B, 0xFFE2},
    {"JIS X 0208", orlCodeTables::Jis0208ToUnicode, 0x7C7E, 0xFF02},  // last code
    {"extension", orlCodeTables::Cp932ExtensionToUnicode, 0xED40, 0x7E8A},
    {"extension", orlCodeTables::Cp932ExtensionToUnicode, 0xEEEF, 0x2170},
    {"extension", orlCodeTables::Cp932ExtensionToUnicode, 0xFA40, 0x2170},
    {"extension", orlCodeTables::Cp932ExtensionToUnicode, 0xFA5C, 0x7E8A},
    {"extension", orlCodeTables::Cp932ExtensionToUnicode, 0xFC4B, 0x9ED1},
    {"JIS X 0212", orlCodeTables::Jis0212ToUnicode, 0x3021, 0x4E02},
    {"JIS X 0212", orlCodeTables::Jis0212ToUnicode, 0x6D63, 0x9FA5},
    {"JIS X 0213 plane 1", orlCodeTables::Jis0213Plane1ToUnicode, 0x2E38, 0xFA30},
    {"JIS X 0213 plane 1", orlCodeTables::Jis0213Plane1ToUnicode, 0x7E72, 0x9ED1},
    {"JIS X 0213 plane 2", orlCodeTables::Jis0213Plane2ToUnicode, 0x2123, 0x4E0F},
    {"JIS X 0213 plane 2", orlCodeTables::Jis0213Plane2ToUnicode, 0x7E60, 0x4D77},
};

TEST(CodeTablesTest, DecodesKnownCodes) {
    for (const SpotValue& spot : kSpotValues) {
        SCOPED_TRACE(testing::Message() << spot.table << " " << std::hex << spot.code);
        EXPECT_EQ(spot.decode(spot.code), spot.unicode);
    }
}

TEST(CodeTablesTest, MapsTheSevenSpecialCodesBothWays) {
    for (const SpecialCode& special : kSpecialCodes) {
        SCOPED_TRACE(testing::Message() << std::hex << special.jis);
        EXPECT_EQ(orlCodeTables::Jis0208ToUnicode(special.jis), special.cp932Character);
        EXPECT_EQ(orlCodeTables::UnicodeToJis0208(special.cp932Character), special.jis);
        EXPECT_EQ(orlCodeTables::UnicodeToJis0208(special.standardCharacter), special.jis);
        EXPECT_EQ(orlCodeTables::UnicodeToCp932Extension(special.cp932Character), 0);
    }
}

TEST(CodeTablesTest, PrefersCodePage932sCodeForCharactersItHoldsTwice) {
    // Nine mathematical symbols of the NEC row also have a row-2 code, which wins.
    const std::uint16_t kNecMathematical[][2] = {
        {0x2252, 0x2262}, {0x2261, 0x2261}, {0x222B, 0x2269}, {0x221A, 0x2265}, {0x22A5, 0x225D},
        {0x2220, 0x225C}, {0x2235, 0x2268}, {0x2229, 0x2241}, {0x222A, 0x2240},
    };
    for (const auto& [unicode, jis] : kNecMathematical) {
        SCOPED_TRACE(testing::Message() << std::hex << unicode);
        EXPECT_EQ(orlCodeTables::UnicodeToJis0208(unicode), jis);
        EXPECT_EQ(orlCodeTables::UnicodeToCp932Extension(unicode), 0);
    }
    EXPECT_EQ(orlCodeTables::UnicodeToJis0208(0xFFE2), 0x224C);  // not 0x7C7B

    // Without an ordinary JIS code: the NEC row first, then the IBM rows, never 0xED or 0xEE.
    EXPECT_EQ(orlCodeTables::UnicodeToCp932Extension(0x2160), 0x8754);  // also at FA 4A
    EXPECT_EQ(orlCodeTables::UnicodeToCp932Extension(0x2460), 0x8740);
    EXPECT_EQ(orlCodeTables::UnicodeToCp932Extension(0x2170), 0xFA40);  // also at EE EF
    EXPECT_EQ(orlCodeTables::UnicodeToCp932Extension(0x7E8A), 0xFA5C);  // also at ED 40
    EXPECT_EQ(orlCodeTables::UnicodeToJis0208(0x7E8A), 0x7921);
    EXPECT_EQ(orlCodeTables::UnicodeToCp932Extension(0x3042), 0);
}

TEST(CodeTablesTest, EveryCharacterMapsToACodeThatDecodesBackToIt) {
    std::map<std::uint16_t, std::uint16_t> decodedAs;  // a standard character: code page 932's
    for (const SpecialCode& special : kSpecialCodes) {
        decodedAs[special.standardCharacter] = special.cp932Character;
    }
    for (const TablePair& table : kTables) {
        if (table.encode == nullptr) {
            continue;
        }
        SCOPED_TRACE(table.name);
        std::size_t mapped = 0;
        for (std::uint32_t u = 1; u <= 0xFFFF; ++u) {
            const auto unicode = static_cast<std::uint16_t>(u);
            const std::uint16_t code = table.encode(unicode);
            if (code == 0) {
                continue;
            }
            ++mapped;
            const auto standard = decodedAs.find(unicode);
            const std::uint16_t expected =
                table.encode == orlCodeTables::UnicodeToJis0208 && standard != decodedAs.end()
                    ? standard->second
                    : unicode;
            ASSERT_EQ(table.decode(code), expected) << std::hex << "U+" << u << " -> " << code;
        }
        EXPECT_EQ(mapped, table.characters);
    }
}

TEST(CodeTablesTest, EveryCodePage932CharacterIsEncodedByTheExtensionThenJis0208) {
    std::size_t extensionCodes = 0;
    for (std::uint32_t u = 1; u <= 0xFFFF; ++u) {
        const auto unicode = static_cast<std::uint16_t>(u);
        const std::uint16_t code = orlCodeTables::UnicodeToCp932Extension(unicode);
        if (code == 0) {
            continue;
        }
        ++extensionCodes;
        const unsigned lead = code >> 8;
        ASSERT_TRUE(lead == 0x87 || (lead >= 0xFA && lead <= 0xFC)) << std::hex << u;
        ASSERT_EQ(DecodeCp932(code), unicode) << std::hex << "U+" << u;
    }
    EXPECT_EQ(extensionCodes, 447u);

    // Every code of code page 932 gives a character that the encoder reaches.
    for (std::uint32_t sjis = 0x8140; sjis <= 0xFCFC; ++sjis) {
        const unsigned lead = sjis >> 8;
        const unsigned trail = sjis & 0xFF;
        if (trail < 0x40 || trail > 0xFC || trail == 0x7F || (lead > 0x9F && lead < 0xE0)) {
            continue;
        }
        const std::uint16_t unicode = DecodeCp932(static_cast<std::uint16_t>(sjis));
        if (unicode == 0) {
            continue;
        }
        const std::uint16_t extension = orlCodeTables::UnicodeToCp932Extension(unicode);
        const std::uint16_t jis = orlCodeTables::UnicodeToJis0208(unicode);
        ASSERT_TRUE(extension != 0 || (jis != 0 && jis < 0x7900)) << std::hex << sjis;
    }
}

TEST(CodeTablesTest, NeverMapsAsciiOrTheEndOfTheBasicPlane) {
    const Lookup kEncoders[] = {
        orlCodeTables::UnicodeToJis0208,       orlCodeTables::UnicodeToCp932Extension,
        orlCodeTables::UnicodeToJis0212,       orlCodeTables::UnicodeToJis0213Plane1,
        orlCodeTables::UnicodeToJis0213Plane2,
    };
    for (const Lookup encode : kEncoders) {
        for (std::uint32_t u = 0x0000; u <= 0x005B; ++u) {
            ASSERT_EQ(encode(static_cast<std::uint16_t>(u)), 0) << std::hex << u;
        }
        for (std::uint32_t u = 0xFFE6; u <= 0xFFFF; ++u) {
            ASSERT_EQ(encode(static_cast<std::uint16_t>(u)), 0) << std::hex << u;
        }
    }
    EXPECT_EQ(orlCodeTables::UnicodeToJis0208(0x005C), 0x2140);
    EXPECT_EQ(orlCodeTables::UnicodeToJis0208(0xFFE5), 0x216F);
}

TEST(CodeTablesTest, Jis1978CodesOfTheExchangedPairsSwap) {
    struct Exchange {
        std::uint16_t code1983;  // of the first character in 1983
        std::uint16_t first;
        std::uint16_t code1978;  // of the first character in 1978
        std::uint16_t second;
    };
    const Exchange kExchanges[] = {
        {0x3033, 0x9BF5, 0x724D, 0x9C3A},  // 16-19 and 82-45
        {0x3443, 0x6F45, 0x5E75, 0x704C},  // 20-35 and 62-85
        {0x3F59, 0x976D, 0x7057, 0x9771},  // 31-57 and 80-55
        {0x4F36, 0x7BED, 0x6446, 0x7C60},  // 47-22 and 68-38
    };
    for (const Exchange& exchange : kExchanges) {
        SCOPED_TRACE(testing::Message() << std::hex << exchange.code1983);
        EXPECT_EQ(orlCodeTables::Jis0208ToUnicode(exchange.code1983), exchange.first);
        EXPECT_EQ(orlCodeTables::Jis0208ToUnicode(exchange.code1978), exchange.second);
        EXPECT_EQ(orlCodeTables::Jis1978To1983(exchange.code1978), exchange.code1983);
        EXPECT_EQ(orlCodeTables::Jis1978To1983(exchange.code1983), exchange.code1978);
    }

    std::size_t changed = 0;
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        const auto jis = static_cast<std::uint16_t>(code);
        const std::uint16_t moved = orlCodeTables::Jis1978To1983(jis);
        if (moved == jis) {
            continue;
        }
        ++changed;
        ASSERT_EQ(orlCodeTables::Jis1978To1983(moved), jis) << std::hex << code;
        ASSERT_NE(orlCodeTables::Jis0208ToUnicode(jis), 0) << std::hex << code;
        ASSERT_NE(orlCodeTables::Jis0208ToUnicode(moved), 0) << std::hex << code;
    }
    EXPECT_EQ(changed, 44u);
    EXPECT_EQ(orlCodeTables::Jis1978To1983(0x2422), 0x2422);
}

TEST(CodeTablesTest, GeneratedDataMatchesItsGenerator) {
    const std::string script = TESSARIN_CODE_TABLES_GENERATOR;
    if (std::system("python3 --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "python3 is not installed";
    }
    if (!std::filesystem::exists("/usr/share/unicode/Unihan_IRGSources.txt.bz2")) {
        GTEST_SKIP() << "the Unihan data (Debian package unicode-data) is not installed";
    }
    ASSERT_TRUE(std::filesystem::exists(script)) << script;
    const int status = std::system(("python3 '" + script + "' --check").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "regenerate with " << script;
}

}  // namespace
