#include "framework/orlCreateListCtrl.h"

#include <gtest/gtest.h>
#include <wx/imaglist.h>
#include <wx/settings.h>

#include <memory>

#include "framework/orlFonts.h"
#include "framework/orlLocaleFacts.h"
#include "support/FixedLocaleFacts.h"
#include "support/WindowFixture.h"

namespace {

class CreateListCtrlTest : public WindowFixture {
  protected:
    void TearDown() override {
        orlSetLocaleFacts(nullptr);
        WindowFixture::TearDown();
    }

    // Fills a report with a few rows in a font far smaller than the row picture.
    static void FillWithTinyRows(wxListCtrl* list) {
        list->SetFont(wxFont(wxFontInfo(wxSize(0, 6))));
        list->AppendColumn("Word", wxLIST_FORMAT_LEFT, 150);
        for (const char* word : {"alpha", "bravo", "charlie"}) {
            list->InsertItem(list->GetItemCount(), word);
        }
    }

    static int FirstRowHeight(wxListCtrl* list) {
        wxRect rect;
        EXPECT_TRUE(list->GetItemRect(0, rect));
        return rect.height;
    }
};

TEST_F(CreateListCtrlTest, MakesTheListWithTheGivenArgumentsAndTheListName) {
    const long style = wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_NO_HEADER;
    wxListCtrl* list = orlCreateListCtrl(Frame(), 2400, wxPoint(7, 9), wxSize(210, 130), style);

    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetParent(), Frame());
    EXPECT_EQ(list->GetId(), 2400);
    EXPECT_EQ(list->GetName(), "listCtrl");
    EXPECT_EQ(wxWindow::FindWindowByName("listCtrl", Frame()), list);
    EXPECT_EQ(list->GetWindowStyleFlag() & style, style);
    EXPECT_EQ(list->GetPosition(), wxPoint(7, 9));
    EXPECT_EQ(list->GetSize(), wxSize(210, 130));
}

TEST_F(CreateListCtrlTest, UsesTheSharedListFont) {
    for (const char* language : {"English", "Japanese"}) {
        SCOPED_TRACE(language);
        FixedLocaleFacts::Use(language, ".");
        wxListCtrl* list = orlCreateListCtrl(Frame(), wxID_ANY);
        EXPECT_EQ(list->GetFont(), orlGetGuiFont());
        EXPECT_EQ(list->GetFont().GetFaceName() == "MS UI Gothic",
                  wxString(language) == "Japanese");
        delete list;
    }
}

TEST_F(CreateListCtrlTest, HasOneTransparentRowPictureSixteenPixelsHigh) {
    wxListCtrl* list = orlCreateListCtrl(Frame(), wxID_ANY);

    wxImageList* images = list->GetImageList(wxIMAGE_LIST_SMALL);
    ASSERT_NE(images, nullptr);
    ASSERT_EQ(images->GetImageCount(), 1);
    int width = 0, height = 0;
    ASSERT_TRUE(images->GetSize(0, width, height));
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 16);

    const wxImage picture = images->GetBitmap(0).ConvertToImage();
    ASSERT_EQ(picture.GetSize(), wxSize(1, 16));
    for (int y = 0; y < 16; ++y) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(picture.IsTransparent(0, y));
    }
}

TEST_F(CreateListCtrlTest, ReportRowsAreAtLeastSixteenPixelsHighInATinyFont) {
    // The tiny font alone gives lower rows, so the height comes from the list's row picture.
    auto* plain = new wxListCtrl(Frame(), wxID_ANY, wxPoint(0, 0), wxSize(300, 200), wxLC_REPORT);
    wxListCtrl* list = orlCreateListCtrl(Frame(), wxID_ANY, wxPoint(0, 210), wxSize(300, 200));
    FillWithTinyRows(plain);
    FillWithTinyRows(list);
    ShowFrame();

    ASSERT_LT(FirstRowHeight(plain), 16);
    for (int row = 0; row < list->GetItemCount(); ++row) {
        SCOPED_TRACE(row);
        wxRect rect;
        ASSERT_TRUE(list->GetItemRect(row, rect));
        EXPECT_GE(rect.height, 16);
    }
}

}  // namespace
