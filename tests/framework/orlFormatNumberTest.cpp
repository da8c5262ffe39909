#include "framework/orlFormatNumber.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "framework/orlLocaleFacts.h"
#include "support/FixedLocaleFacts.h"

namespace {

class FormatNumberTest : public testing::Test {
  protected:
    void TearDown() override { orlSetLocaleFacts(nullptr); }

    static void UseDecimalPoint(const wxString& point) { FixedLocaleFacts::Use("English", point); }
};

struct NumberCase {
    std::uint32_t number;
    const char* withComma;  // where the decimal point is "."
    const char* withSpace;  // where it is anything else
};

const NumberCase kNumbers[] = {
    {0, "0", "0"},
    {7, "7", "7"},
    {999, "999", "999"},
    {1000, "1,000", "1 000"},
    {12345, "12,345", "12 345"},
    {999999, "999,999", "999 999"},
    {1000000, "1,000,000", "1 000 000"},
    {1234567, "1,234,567", "1 234 567"},
    {100200300, "100,200,300", "100 200 300"},
    {UINT32_MAX, "4,294,967,295", "4 294 967 295"},
};

TEST_F(FormatNumberTest, GroupsDigitsInThreesWithACommaWhereTheDecimalPointIsAPeriod) {
    UseDecimalPoint(".");
    for (const NumberCase& c : kNumbers) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(orlFormatNumber(c.number).utf8_string(), c.withComma);
    }
}

TEST_F(FormatNumberTest, GroupsDigitsInThreesWithASpaceWhereTheDecimalPointIsNotAPeriod) {
    for (const char* point : {",", "\xD9\xAB" /* Arabic decimal separator */}) {
        SCOPED_TRACE(point);
        UseDecimalPoint(wxString::FromUTF8(point));
        for (const NumberCase& c : kNumbers) {
            SCOPED_TRACE(c.number);
            EXPECT_EQ(orlFormatNumber(c.number).utf8_string(), c.withSpace);
        }
    }
}

TEST_F(FormatNumberTest, AsksForTheDecimalPointOnceAndKeepsTheSeparator) {
    auto asked = std::make_shared<int>(0);
    FixedLocaleFacts::Use("English", ",", asked);

    EXPECT_EQ(orlFormatNumber(1234), "1 234");
    EXPECT_EQ(orlFormatNumber(5678901), "5 678 901");
    EXPECT_EQ(orlFormatNumber(12), "12");
    EXPECT_EQ(*asked, 1);
}

TEST_F(FormatNumberTest, DecidesTheSeparatorAgainWhenTheLocaleFactsAreReplaced) {
    UseDecimalPoint(".");
    EXPECT_EQ(orlFormatNumber(1234567), "1,234,567");
    UseDecimalPoint(",");
    EXPECT_EQ(orlFormatNumber(1234567), "1 234 567");
    UseDecimalPoint(".");
    EXPECT_EQ(orlFormatNumber(1234567), "1,234,567");
}

}  // namespace
