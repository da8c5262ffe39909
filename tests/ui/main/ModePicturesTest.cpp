#include "ui/main/ApplicationIcon.h"
#include "ui/main/ModePictures.h"

#include <gtest/gtest.h>
#include <wx/icon.h>
#include <wx/image.h>

#include <set>
#include <string>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool IsOpaque(const wxImage& image, int x, int y) {
    return image.GetAlpha(x, y) == 255;
}

// The amber of the lit tiles, as opposed to the teal and blue of everything else.
bool IsAmber(const wxImage& image, int x, int y) {
    return IsOpaque(image, x, y) && image.GetRed(x, y) > 200 && image.GetGreen(x, y) > 120 &&
           image.GetBlue(x, y) < 140;
}

// What a look at a picture tells: how many colours its opaque pixels show, and whether it has
// see-through pixels and amber ones.
struct Facts {
    size_t opaqueColours = 0;
    bool transparent = false;
    bool amber = false;
};

Facts Inspect(const wxBitmap& bitmap) {
    const wxImage image = bitmap.ConvertToImage();
    Facts facts;
    std::set<unsigned long> colours;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetAlpha(x, y) == 0) {
                facts.transparent = true;
            } else if (IsOpaque(image, x, y)) {
                colours.insert((image.GetRed(x, y) << 16) | (image.GetGreen(x, y) << 8) |
                               image.GetBlue(x, y));
            }
            facts.amber = facts.amber || IsAmber(image, x, y);
        }
    }
    facts.opaqueColours = colours.size();
    return facts;
}

// The separate amber tiles met going down one column of the picture.
int AmberTilesDown(const wxImage& image, int x) {
    int tiles = 0;
    bool inTile = false;
    for (int y = 0; y < image.GetHeight(); ++y) {
        const bool amber = IsAmber(image, x, y);
        if (amber && !inTile) {
            ++tiles;
        }
        inTile = amber;
    }
    return tiles;
}

struct ModeCase {
    bool plural;
    int height;
};

class ModePictureTest : public testing::TestWithParam<ModeCase> {};

TEST_P(ModePictureTest, IsAFullStripWithRoundedCornersAndALitTile) {
    const wxBitmap picture = CreateModePicture(GetParam().plural);
    ASSERT_TRUE(picture.IsOk());
    EXPECT_EQ(picture.GetWidth(), 40);
    EXPECT_EQ(picture.GetHeight(), GetParam().height);
    EXPECT_TRUE(picture.HasAlpha());

    const Facts facts = Inspect(picture);
    EXPECT_GE(facts.opaqueColours, 20u) << "a mosaic, not a flat fill";
    EXPECT_TRUE(facts.amber);

    // An opaque panel inside its thin outline, and nothing outside its rounded corners.
    const wxImage image = picture.ConvertToImage();
    const int bottom = image.GetHeight() - 1;
    for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, bottom}, {39, bottom}}) {
        SCOPED_TRACE(testing::Message() << "corner " << x << "," << y);
        EXPECT_EQ(image.GetAlpha(x, y), 0);
    }
    for (auto [x, y] : {std::pair{20, 1}, {1, bottom / 2}, {38, bottom / 2}, {20, bottom - 1}}) {
        SCOPED_TRACE(testing::Message() << "edge " << x << "," << y);
        EXPECT_TRUE(IsOpaque(image, x, y));
    }
}

INSTANTIATE_TEST_SUITE_P(BothModes, ModePictureTest,
                         testing::Values(ModeCase{false, 325}, ModeCase{true, 482}),
                         [](const auto& info) { return info.param.plural ? "Plural" : "Single"; });

TEST(ModePictures, SingleModeShowsOneLitTileAndPluralModeSeveral) {
    // Down the left part of the lit tiles, beside their keyholes.
    const wxImage single = CreateModePicture(false).ConvertToImage();
    const wxImage plural = CreateModePicture(true).ConvertToImage();
    EXPECT_EQ(AmberTilesDown(single, 9), 1);
    EXPECT_GT(AmberTilesDown(plural, 9), 1);
}

class ApplicationIconTest : public testing::TestWithParam<int> {};

TEST_P(ApplicationIconTest, IsARoundedSquareWithTheAmberTile) {
    const int size = GetParam();
    const wxBitmap icon = CreateApplicationIcon(size);
    ASSERT_TRUE(icon.IsOk());
    EXPECT_EQ(icon.GetWidth(), size);
    EXPECT_EQ(icon.GetHeight(), size);
    EXPECT_TRUE(icon.HasAlpha());

    const Facts facts = Inspect(icon);
    EXPECT_GE(facts.opaqueColours, 8u);
    EXPECT_TRUE(facts.amber);
    const wxImage image = icon.ConvertToImage();
    EXPECT_EQ(image.GetAlpha(0, 0), 0) << "the corners are rounded off";
    EXPECT_EQ(image.GetAlpha(size - 1, size - 1), 0);
    EXPECT_TRUE(IsOpaque(image, size / 2, size / 2));
}

INSTANTIATE_TEST_SUITE_P(EverySize, ApplicationIconTest, testing::ValuesIn(kIconSizes),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

TEST(ApplicationIcons, BundleHoldsTheIconAtEverySize) {
    const wxIconBundle icons = CreateApplicationIcons();
    for (int size : kIconSizes) {
        SCOPED_TRACE(testing::Message() << "size " << size);
        const wxIcon icon = icons.GetIcon(wxSize(size, size), wxIconBundle::FALLBACK_NONE);
        ASSERT_TRUE(icon.IsOk());
        EXPECT_EQ(icon.GetWidth(), size);
        EXPECT_EQ(icon.GetHeight(), size);
    }
}

}  // namespace
