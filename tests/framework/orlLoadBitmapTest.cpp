#include "framework/orlLoadBitmap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/log.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A log target that keeps what reaches it, to show that nothing would reach the user.
class RecordingLog : public wxLog {
  public:
    std::vector<wxString> messages;

  protected:
    void DoLogRecord(wxLogLevel, const wxString& message, const wxLogRecordInfo&) override {
        messages.push_back(message);
    }
};

wxBitmap Picture(int width, int height, const wxColour& colour) {
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
    return wxBitmap(image);
}

// The size and the colour of the top left pixel: enough to tell the pictures apart.
struct Look {
    int width, height;
    unsigned char red, green, blue;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& look, std::ostream* os) {
    *os << look.width << "x" << look.height << " rgb(" << int(look.red) << "," << int(look.green)
        << "," << int(look.blue) << ")";
}

Look LookOf(const wxBitmap& bitmap) {
    const wxImage image = bitmap.ConvertToImage();
    return {image.GetWidth(), image.GetHeight(), image.GetRed(0, 0), image.GetGreen(0, 0),
            image.GetBlue(0, 0)};
}

// A fresh directory standing for the program's directory, removed after the test.
class LoadBitmapTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tessarin-icons-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        icons = dir / "icons";
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    wxString Dir() const { return wxString::FromUTF8(dir.string()); }

    void MakeIcons() { fs::create_directory(icons); }

    void SavePicture(const fs::path& path, wxBitmapType type) {
        wxImage image = Picture(5, 3, *wxRED).ConvertToImage();
        ASSERT_TRUE(image.SaveFile(wxString::FromUTF8(path.string()), type));
    }

    static void WriteBytes(const fs::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }

    // The picture saved by SavePicture, and a different one to fall back on.
    const Look saved{5, 3, 255, 0, 0};
    const wxBitmap builtIn = Picture(2, 2, *wxBLUE);
    const Look builtInLook{2, 2, 0, 0, 255};

    fs::path dir;
    fs::path icons;
};

TEST_F(LoadBitmapTest, LoadsThePictureFileFromTheIconsDirectory) {
    MakeIcons();
    SavePicture(icons / "app.png", wxBITMAP_TYPE_PNG);
    // Any type the toolkit reads is taken, whatever the file is called.
    SavePicture(icons / "app.dat", wxBITMAP_TYPE_BMP);

    const struct {
        wxString directory;
        const char* file;
    } cases[] = {
        {Dir(), "app.png"},
        {Dir() + "/", "app.png"},  // no second separator is needed
        {Dir(), "app.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.directory + " " + c.file);
        const wxBitmap loaded = orlLoadBitmap(c.directory, c.file, builtIn);
        ASSERT_TRUE(loaded.IsOk());
        EXPECT_EQ(LookOf(loaded), saved);
        EXPECT_TRUE(orlLoadBitmap(c.directory, c.file).IsOk());
    }
}

TEST_F(LoadBitmapTest, FallsBackQuietlyWhenThereIsNoReadablePicture) {
    const std::string png = [&] {
        const fs::path whole = dir / "whole.png";
        SavePicture(whole, wxBITMAP_TYPE_PNG);
        std::ifstream in(whole, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    ASSERT_GT(png.size(), 40u);

    const struct {
        const char* name;
        std::function<void()> arrange;
    } cases[] = {
        {"no icons directory", [] {}},
        {"picture beside the icons directory, not in it",
         [&] {
             MakeIcons();
             SavePicture(dir / "app.png", wxBITMAP_TYPE_PNG);
         }},
        {"another picture in the icons directory",
         [&] {
             MakeIcons();
             SavePicture(icons / "other.png", wxBITMAP_TYPE_PNG);
         }},
        {"not an image",
         [&] {
             MakeIcons();
             WriteBytes(icons / "app.png", "not a picture\n");
         }},
        {"empty file",
         [&] {
             MakeIcons();
             WriteBytes(icons / "app.png", "");
         }},
        {"cut-off picture",
         [&] {
             MakeIcons();
             WriteBytes(icons / "app.png", png.substr(0, png.size() / 2));
         }},
        {"directory with the picture's name",
         [&] {
             MakeIcons();
             fs::create_directory(icons / "app.png");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(icons);
        fs::remove(dir / "app.png");
        c.arrange();

        RecordingLog log;
        wxLog* previous = wxLog::SetActiveTarget(&log);
        const wxBitmap withBuiltIn = orlLoadBitmap(Dir(), "app.png", builtIn);
        const wxBitmap without = orlLoadBitmap(Dir(), "app.png");
        wxLog::SetActiveTarget(previous);

        EXPECT_THAT(log.messages, testing::IsEmpty());
        ASSERT_TRUE(withBuiltIn.IsOk());
        EXPECT_EQ(LookOf(withBuiltIn), builtInLook);
        EXPECT_FALSE(without.IsOk());
    }
}

}  // namespace
