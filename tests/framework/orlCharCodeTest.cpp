#include "framework/codes/orlCharCode.h"

#include <gtest/gtest.h>

#include <typeinfo>

#include "framework/codes/orlCodeAscii.h"
#include "framework/codes/orlCodeEucJp.h"
#include "framework/codes/orlCodeFunctions.h"
#include "framework/codes/orlCodeJis.h"
#include "framework/codes/orlCodeShiftJis.h"
#include "framework/codes/orlCodeUtf16.h"
#include "framework/codes/orlCodeUtf32.h"
#include "framework/codes/orlCodeUtf8.h"

namespace {

// Fills the process registry for a language for one test, and for English afterwards.
class LocaleCodeTest : public testing::Test {
  protected:
    static void UseLanguage(const wxString& language) { orlCharCode::Get().Init(language); }
    void TearDown() override { UseLanguage("English"); }
};

wxString Text(std::initializer_list<std::uint32_t> points) {
    wxString text;
    for (const std::uint32_t p : points) {
        orlText::Append(text, p);
    }
    return text;
}

}  // namespace

TEST(CharCode, InitChoosesTheLocaleCodeFromTheLanguage) {
    struct Case {
        const char* language;
        int localeCode;
    };
    const Case cases[] = {{"Japanese", 2},         {"JAPANESE", 2}, {"japanese", 2},
                          {"Japanese (Japan)", 2}, {"English", 0},  {"", 0},
                          {"Japanese-ish", 0}};
    for (const Case& c : cases) {
        orlCharCode registry;
        registry.Init(c.language);
        EXPECT_EQ(registry.GetLocaleCode(), c.localeCode) << c.language;
        EXPECT_EQ(registry.GetInternalCode(), 14) << c.language;
        EXPECT_EQ(registry.GetLanguage(), c.language);
    }
}

TEST(CharCode, HoldsTheRowsInOrderAndFindsTheFirstOfACode) {
    orlCharCode registry;
    EXPECT_EQ(registry.GetDescription(0), "");  // empty before Init
    registry.Init("English");
    registry.Init("English");  // filling again starts afresh
    // Codes 0 to 20, with two rows for code 6.
    ASSERT_EQ(registry.GetRows().size(), 22u);
    EXPECT_EQ(registry.GetRows()[6]->name, "JIS");
    EXPECT_EQ(registry.GetRows()[7]->name, "ISO-2022-JP-1");
    EXPECT_EQ(registry.GetRows()[7]->code, 6);
    EXPECT_FALSE(registry.GetRows()[7]->localeUse);
    EXPECT_EQ(registry.GetRows()[8]->code, 7);
    EXPECT_EQ(registry.GetRows()[21]->name, "AUTO");

    struct Case {
        int code;
        const char* description;
    };
    const Case cases[] = {{0, "English (ASCII)"},
                          {2, "Japanese (SHIFT_JIS)"},
                          {6, "Japanese (JIS)"},
                          {14, "Unicode (UTF-16)"},
                          {19, "Unicode (UTF-32LE)"},
                          {20, "Auto Detect"},
                          {21, ""},
                          {-1, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(registry.GetDescription(c.code), c.description) << c.code;
    }
}

TEST(CharCode, EachCodeGetsItsCodec) {
    struct Case {
        int code;
        const std::type_info& codec;
    };
    const Case cases[] = {
        {0, typeid(orlCodeAscii)},    {1, typeid(orlCodeEucJp)},    {2, typeid(orlCodeShiftJis)},
        {3, typeid(orlCodeShiftJis)}, {4, typeid(orlCodeJis)},      {5, typeid(orlCodeJis)},
        {6, typeid(orlCodeJis)},      {7, typeid(orlCodeUtf8)},     {8, typeid(orlCodeUtf16LE)},
        {9, typeid(orlCodeUtf16BE)},  {10, typeid(orlCodeUtf16LE)}, {11, typeid(orlCodeUtf32LE)},
        {12, typeid(orlCodeUtf32BE)}, {13, typeid(orlCodeUtf32LE)}, {14, typeid(orlCodeUtf16LE)},
        {15, typeid(orlCodeUtf16BE)}, {16, typeid(orlCodeUtf16LE)}, {17, typeid(orlCodeUtf32LE)},
        {18, typeid(orlCodeUtf32BE)}, {19, typeid(orlCodeUtf32LE)}, {20, typeid(orlCodeAscii)},
        {99, typeid(orlCodeAscii)},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<orlCodeBase> codec = orlCreateCodec(c.code);
        ASSERT_NE(codec, nullptr);
        EXPECT_EQ(typeid(*codec), c.codec) << c.code;
        EXPECT_EQ(orlIsUnicodeCode(c.code), c.code >= 7 && c.code <= 19) << c.code;
    }
}

TEST(CharCode, EncodingAnEmptyTextGivesNoBytesAndSucceeds) {
    for (int code = 0; code <= 20; ++code) {
        orlByteBuffer bytes;
        bytes.Start(10);
        bytes.Append('x');
        EXPECT_TRUE(orlEncodeText("", code, bytes)) << code;
        EXPECT_EQ(bytes.Length(), 0u) << code;
        EXPECT_EQ(bytes.Data()[0], 0) << code;
    }
}

TEST_F(LocaleCodeTest, EncodingToTheLocaleSpellsEachByteAsACharacter) {
    UseLanguage("English");
    EXPECT_EQ(orlEncodeToLocale(Text({0x4E00})), Text({0x4E, 0x00}));
    EXPECT_EQ(orlEncodeToLocale(Text({'a', 0xE9})), Text({'a', 0xE9}));
    EXPECT_EQ(orlEncodeToLocale(""), "");

    UseLanguage("Japanese");
    EXPECT_EQ(orlEncodeToLocale(Text({0x3042, 'a'})), Text({0x82, 0xA0, 'a'}));
    EXPECT_EQ(orlEncodeToLocale(Text({0xAC00})), Text({0, 0}));
}

TEST_F(LocaleCodeTest, FileNamesCompareIgnoringCaseInTheLocaleCode) {
    struct Case {
        const char* language;
        wxString a;
        wxString b;
        int sign;  // of the comparison
    };
    const Case cases[] = {
        {"English", "Settings.INI", "settings.ini", 0},
        {"English", "a.ini", "b.ini", -1},
        {"English", "abc", "ab", 1},  // the longer name sorts after its start
        {"English", "ab", "abc", -1},
        // Two characters outside the locale code that share their raw bytes.
        {"English", Text({0x3100}), Text({0x31, 0x00}), 0},
        // Under a Japanese locale every unmapped character from U+00FF up is two zero bytes,
        // so names that differ only there are the same name.
        {"Japanese", Text({'x', 0xAC00}), Text({'x', 0xAC01}), 0},
        {"Japanese", Text({'x', 0x3042}), Text({'X', 0x3042}), 0},
        {"Japanese", Text({'x', 0x3042}), Text({'x', 0x3044}), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.language << " " << c.a.utf8_string() << " / " << c.b.utf8_string());
        UseLanguage(c.language);
        const int result = CompareFileNames(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign);
    }
}
