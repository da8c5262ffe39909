#include "framework/orlFonts.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/settings.h>

#include <memory>

#include "framework/orlLocaleFacts.h"
#include "support/FixedLocaleFacts.h"

namespace {

wxFont DefaultGuiFont() {
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}

const wxString kTextFace(L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF");
const wxString kGuiFace("MS UI Gothic");

class FontsTest : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { FixedLocaleFacts::Use(GetParam(), "."); }
    void TearDown() override { orlSetLocaleFacts(nullptr); }
};

class JapaneseFontsTest : public FontsTest {};
class OtherLanguageFontsTest : public FontsTest {};

TEST_P(JapaneseFontsTest, BothFontsCarryTheJapaneseFacesAtTheDefaultGuiFontSize) {
    const wxFont base = DefaultGuiFont();
    ASSERT_TRUE(base.IsOk());
    ASSERT_NE(base.GetFaceName(), kGuiFace);

    const struct {
        const char* name;
        wxFont font;
        wxString face;
    } fonts[] = {{"text font", orlGetTextFont(), kTextFace},
                 {"list font", orlGetGuiFont(), kGuiFace}};
    for (const auto& f : fonts) {
        SCOPED_TRACE(f.name);
        ASSERT_TRUE(f.font.IsOk());
        EXPECT_EQ(f.font.GetFaceName().utf8_string(), f.face.utf8_string());
        EXPECT_DOUBLE_EQ(f.font.GetFractionalPointSize(), base.GetFractionalPointSize());
        EXPECT_EQ(f.font.GetStyle(), wxFONTSTYLE_NORMAL);
        EXPECT_EQ(f.font.GetWeight(), wxFONTWEIGHT_NORMAL);
        EXPECT_FALSE(f.font.GetUnderlined());
    }
}

// Letter case is ignored, and so is the region the toolkit adds for a locale such as ja_JP.
INSTANTIATE_TEST_SUITE_P(JapaneseNames, JapaneseFontsTest,
                         testing::Values("Japanese", "japanese", "JAPANESE", "Japanese (Japan)"));

TEST_P(OtherLanguageFontsTest, BothFontsAreTheDefaultGuiFont) {
    const wxFont base = DefaultGuiFont();
    for (const wxFont& font : {orlGetTextFont(), orlGetGuiFont()}) {
        ASSERT_TRUE(font.IsOk());
        EXPECT_EQ(font, base);
        EXPECT_EQ(font.GetFaceName(), base.GetFaceName());
        EXPECT_DOUBLE_EQ(font.GetFractionalPointSize(), base.GetFractionalPointSize());
    }
}

// Only the language name itself counts, not a name that contains or shortens it.
INSTANTIATE_TEST_SUITE_P(NotJapanese, OtherLanguageFontsTest,
                         testing::Values("English", "English (United States)",
                                         "Chinese (Simplified)", "Korean (Japan)", "Japanes",
                                         "Not Japanese", ""));

class FontsFollowTheLanguageTest : public testing::Test {
  protected:
    void TearDown() override { orlSetLocaleFacts(nullptr); }
};

TEST_F(FontsFollowTheLanguageTest, ALanguageChangeIsSeenByTheNextCall) {
    FixedLocaleFacts::Use("Japanese (Japan)", ".");
    EXPECT_EQ(orlGetGuiFont().GetFaceName(), kGuiFace);
    FixedLocaleFacts::Use("English", ".");
    EXPECT_EQ(orlGetGuiFont(), DefaultGuiFont());
}

// The program run from a terminal has a console application only: the fonts are then a plain
// font of the usual size, and the application is never taken for a windowed one.
TEST(FontsWithoutWindowsTest, AConsoleApplicationGetsThePlainFont) {
    FixedLocaleFacts::Use("English", ".");
    wxAppConsole* const windowed = wxAppConsole::GetInstance();
    // A console application belongs to the process once made: it is never destroyed here.
    static wxAppConsole* const console = new wxAppConsole;
    wxAppConsole::SetInstance(console);
    const wxFont fonts[] = {orlGetTextFont(), orlGetGuiFont()};
    wxAppConsole::SetInstance(windowed);
    for (const wxFont& font : fonts) {
        EXPECT_TRUE(font.IsOk());
        EXPECT_EQ(font.GetFractionalPointSize(), 10);
        EXPECT_EQ(font.GetFamily(), wxFONTFAMILY_SWISS);
    }
    orlSetLocaleFacts(nullptr);
}

}  // namespace
