#include "framework/codes/orlUtf8Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Points = std::vector<std::uint32_t>;

Points PointsOf(const wxString& text) {
    Points points;
    for (const wxUniChar c : text) {
        points.push_back(static_cast<std::uint32_t>(c.GetValue()));
    }
    return points;
}

constexpr std::uint32_t R = 0xFFFD;

TEST(orlUtf8TextTest, EveryByteOutsideAWellFormedSequenceIsOneReplacementCharacter) {
    struct Case {
        const char* name;
        std::string bytes;
        Points points;
    };
    const Case cases[] = {
        {"ASCII", "Ab1!", {'A', 'b', '1', '!'}},
        {"two, three and four bytes",
         "\xC3\xA9\xE6\x97\xA5\xF0\x9F\x94\x91",
         {0xE9, 0x65E5, 0x1F511}},
        {"the edges of each length",
         "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF4\x8F\xBF\xBF",
         {0x80, 0x7FF, 0x800, 0xFFFF, 0x10FFFF}},
        {"beyond U+10FFFF, then a word", "\xF4\x90\x80\x80Rk", {R, R, R, R, 'R', 'k'}},
        {"a stray continuation byte", "a\x80z", {'a', R, 'z'}},
        {"a lead byte cut short by ASCII", "\xE2\x82z", {R, R, 'z'}},
        {"a lead byte at the very end", "ok\xF0", {'o', 'k', R}},
        {"overlong forms", "\xC0\xAF\xE0\x80\xAF", {R, R, R, R, R}},
        {"a surrogate", "\xED\xA0\x80", {R, R, R}},
        {"bytes that never start anything", "\xF5\xFF\xFE", {R, R, R}},
        {"a byte-order mark is a character like any other", "\xEF\xBB\xBFx", {0xFEFF, 'x'}},
        {"a zero byte is kept", std::string("a\0b", 3), {'a', 0, 'b'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const wxString text = orlDecodeUtf8(c.bytes);
        EXPECT_EQ(PointsOf(text), c.points);
        const bool wellFormed = std::find(c.points.begin(), c.points.end(), R) == c.points.end();
        EXPECT_EQ(orlIsWellFormedUtf8(c.bytes), wellFormed);
        // What was read writes back as well-formed UTF-8, the same bytes when they were.
        const std::string again = orlEncodeUtf8(text);
        EXPECT_TRUE(orlIsWellFormedUtf8(again));
        if (wellFormed) {
            EXPECT_EQ(again, c.bytes);
        }
    }
}

TEST(orlUtf8TextTest, WhatIsNotACharacterIsWrittenAsAReplacementCharacter) {
    wxString text = "a";
    text += wxUniChar(static_cast<wxUint32>(0xD800));
    text += wxUniChar(static_cast<wxUint32>(0x110000));
    text += "z";
    EXPECT_EQ(orlEncodeUtf8(text), "a\xEF\xBF\xBD\xEF\xBF\xBDz");
}

}  // namespace
