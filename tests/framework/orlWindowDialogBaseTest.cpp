#include "framework/window/orlDialogBase.h"

#include <gtest/gtest.h>

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/utils.h>
#include <memory>
#include <vector>

#include "support/WaitForEvents.h"
#include "support/WindowFixture.h"
#include "support/orlWindowTestSupport.h"

namespace {

const long Resizable = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER;

struct DialogOptions {
    wxString title = "Test Dialog";
    long style = Resizable;
    bool centreIfNew = true;
    wxString prefix;
    wxString explicitKey;
    bool track = true;
};

// A dialog built the way every dialog of the system is, whose maximized and minimized states
// the test sets (without a window manager the toolkit cannot change them).
class TestDialog : public orlDialogBase {
  public:
    explicit TestDialog(wxWindow* parent, const DialogOptions& options = DialogOptions())
        : orlDialogBase(parent, 2100, options.title, options.centreIfNew, options.style,
                        options.prefix) {
        explicitKey = options.explicitKey;

        auto* sizer = new wxBoxSizer(wxVERTICAL);
        auto* body = new wxPanel(this, wxID_ANY);
        body->SetMinSize(wxSize(220, 140));
        sizer->Add(body, 1, wxEXPAND | wxALL, 10);
        SetAutoLayout(true);
        SetSizer(sizer);
        sizer->Fit(this);
        laidOut = GetSize();
        SetMinSize(laidOut);

        RestoreWindowInfo(this, wxDefaultSize);
        tracking = options.track;
    }

    bool IsMaximized() const override { return maximized; }
    bool IsIconized() const override { return iconized; }

    void ShowOnScreen() {
        Show();
        testsupport::WaitUntil([&] { return IsShownOnScreen(); });
        wxYield();
        ASSERT_TRUE(IsShownOnScreen());
    }

    wxSize laidOut;
    bool maximized = false;
    bool iconized = false;
};

orlWindowInfo Record(const wxString& keyword, wxPoint margin, wxSize size = wxDefaultSize) {
    orlWindowInfo info(keyword);
    info.PosMargin = margin;
    info.Size = size;
    return info;
}

class DialogBaseTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ResetWindowGeometry();
        FixedDisplays::Use(OneDisplay());
        Frame()->SetSize(100, 80, 640, 480);
        ShowFrame();
        ASSERT_EQ(Frame()->GetPosition(), wxPoint(100, 80));
    }

    void TearDown() override {
        ResetWindowGeometry();
        WindowFixture::TearDown();
    }

    static void Settle() { wxYield(); }

    // The only record of the registry; a failure when there is not exactly one.
    static orlWindowInfo OnlyRecord() {
        const std::vector<orlWindowInfo> list = WindowInfoList();
        EXPECT_EQ(list.size(), 1u);
        return list.empty() ? orlWindowInfo() : list[0];
    }
};

TEST_F(DialogBaseTest, IsADialogNamedDialogWithItsOwnClassInfo) {
    TestDialog dialog(Frame());
    EXPECT_EQ(dialog.GetName(), "dialog");
    EXPECT_EQ(dialog.GetId(), 2100);
    EXPECT_EQ(dialog.GetParent(), Frame());
    EXPECT_STREQ(orlDialogBase::ms_classInfo.GetClassName(), L"orlDialogBase");
    EXPECT_STREQ(orlDialogBase::ms_classInfo.GetBaseClassName1(), L"wxDialog");
    EXPECT_TRUE(dialog.IsKindOf(wxCLASSINFO(orlDialogBase)));
}

TEST_F(DialogBaseTest, AFirstOpenIsCentredOnTheParentAtTheLaidOutSize) {
    TestDialog dialog(Frame());

    EXPECT_EQ(orlTopLevelWindowBase::GetWindowInfoCount(), 0u);  // building records nothing
    EXPECT_EQ(dialog.GetSize(), dialog.laidOut);
    const wxRect centred = wxRect(dialog.GetSize()).CentreIn(Frame()->GetRect());
    EXPECT_EQ(dialog.GetPosition(), centred.GetPosition());

    dialog.ShowOnScreen();
    EXPECT_EQ(dialog.GetPosition(), centred.GetPosition());
    EXPECT_EQ(dialog.GetSize(), dialog.laidOut);
}

TEST_F(DialogBaseTest, WithoutCentringAFirstOpenTakesTheDefaultMargin) {
    DialogOptions options;
    options.centreIfNew = false;
    TestDialog dialog(Frame(), options);
    EXPECT_EQ(dialog.GetPosition(), wxPoint(130, 140));
    EXPECT_EQ(dialog.GetSize(), dialog.laidOut);
}

TEST_F(DialogBaseTest, AMovedDialogReopensAtTheSameOffsetFromItsParent) {
    wxSize size;
    {
        TestDialog dialog(Frame());
        dialog.ShowOnScreen();
        dialog.Move(Frame()->GetPosition() + wxPoint(40, 70));
        Settle();
        size = dialog.GetSize();

        const orlWindowInfo record = OnlyRecord();
        EXPECT_EQ(record.Keyword, "Test Dialog");
        EXPECT_EQ(record.PosMargin, wxPoint(40, 70));
        EXPECT_EQ(record.Size, size);
        EXPECT_FALSE(record.Maximized);
        EXPECT_FALSE(record.Iconized);
    }

    Frame()->Move(300, 200);
    Settle();
    TestDialog reopened(Frame());
    EXPECT_EQ(reopened.GetPosition(), wxPoint(340, 270));
    EXPECT_EQ(reopened.GetSize(), size);
    reopened.ShowOnScreen();
    EXPECT_EQ(reopened.GetPosition(), wxPoint(340, 270));
    EXPECT_EQ(OnlyRecord().PosMargin, wxPoint(40, 70));
}

TEST_F(DialogBaseTest, AResizedDialogReopensAtThatSizeWithinTheDesktop) {
    {
        TestDialog dialog(Frame());
        dialog.ShowOnScreen();
        dialog.SetSize(500, 400);
        Settle();
        EXPECT_EQ(OnlyRecord().Size, wxSize(500, 400));
    }
    {
        TestDialog reopened(Frame());
        EXPECT_EQ(reopened.GetSize(), wxSize(500, 400));
    }

    // The desktop has become smaller since.
    FixedDisplays::Use({wxRect(0, 0, 450, 350)});
    TestDialog onSmallDesktop(Frame());
    EXPECT_EQ(onSmallDesktop.GetSize(), wxSize(450, 350));
}

TEST_F(DialogBaseTest, AStoredSizeThatIsNotPositiveGivesTheLaidOutSize) {
    const wxSize sizes[] = {wxSize(0, 0), wxSize(-1, -1), wxSize(-20, 300), wxSize(300, 0)};
    for (const wxSize& size : sizes) {
        SCOPED_TRACE(testing::PrintToString(size));
        orlTopLevelWindowBase::ClearWindowInfoList();
        orlTopLevelWindowBase::AppendWindowInfo(Record("Test Dialog", wxPoint(10, 20), size));

        TestDialog dialog(Frame());
        EXPECT_EQ(dialog.GetSize(), dialog.laidOut);
        EXPECT_EQ(dialog.GetPosition(), wxPoint(110, 100));
    }
}

TEST_F(DialogBaseTest, ADialogBeyondTheDisplayIsPulledBackOntoIt) {
    // The frame at x = 100 and the margin put the dialog's left edge at x = 1500.
    orlTopLevelWindowBase::AppendWindowInfo(
        Record("Test Dialog", wxPoint(1400, 10), wxSize(400, 300)));
    TestDialog dialog(Frame());
    EXPECT_EQ(dialog.GetPosition(), wxPoint(880, 90));
    EXPECT_EQ(dialog.GetSize(), wxSize(400, 300));
}

TEST_F(DialogBaseTest, ThePlaceIsMeasuredFromTheTopLevelWindowOfTheParent) {
    auto* panel = new wxPanel(Frame(), wxID_ANY, wxPoint(20, 30), wxSize(100, 100));
    orlTopLevelWindowBase::AppendWindowInfo(Record("Test Dialog", wxPoint(40, 70)));
    TestDialog dialog(panel);
    EXPECT_EQ(dialog.GetPosition(), wxPoint(140, 150));
}

TEST_F(DialogBaseTest, WhileMaximizedOrMinimizedOnlyTheStatesAreRecorded) {
    struct Case {
        const char* what;
        bool maximized;
        bool iconized;
    };
    const Case cases[] = {{"maximized", true, false}, {"minimized", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        orlTopLevelWindowBase::ClearWindowInfoList();
        TestDialog dialog(Frame());
        dialog.ShowOnScreen();
        dialog.Move(Frame()->GetPosition() + wxPoint(40, 70));
        Settle();
        const wxSize size = dialog.GetSize();

        dialog.maximized = c.maximized;
        dialog.iconized = c.iconized;
        dialog.SetSize(50, 60, 520, 410);
        Settle();
        orlWindowInfo record = OnlyRecord();
        EXPECT_EQ(record.PosMargin, wxPoint(40, 70));
        EXPECT_EQ(record.Size, size);
        EXPECT_EQ(record.Maximized, c.maximized);
        EXPECT_EQ(record.Iconized, c.iconized);

        // Back to normal, the next move records the place again.
        dialog.maximized = dialog.iconized = false;
        dialog.Move(Frame()->GetPosition() + wxPoint(5, 6));
        Settle();
        record = OnlyRecord();
        EXPECT_EQ(record.PosMargin, wxPoint(5, 6));
        EXPECT_EQ(record.Size, wxSize(520, 410));
        EXPECT_FALSE(record.Maximized);
        EXPECT_FALSE(record.Iconized);
    }
}

TEST_F(DialogBaseTest, AFirstRecordMadeWhileMaximizedKeepsTheDefaults) {
    TestDialog dialog(Frame());
    dialog.maximized = true;
    dialog.ShowOnScreen();
    dialog.Move(Frame()->GetPosition() + wxPoint(40, 70));
    Settle();

    orlWindowInfo expected("Test Dialog");
    expected.Maximized = true;
    EXPECT_EQ(OnlyRecord(), expected);
}

TEST_F(DialogBaseTest, NothingIsRecordedWhileHiddenOrNotTracking) {
    {
        TestDialog hidden(Frame());
        hidden.Move(400, 300);
        hidden.SetSize(500, 400);
        Settle();
    }
    {
        DialogOptions options;
        options.track = false;
        TestDialog untracked(Frame(), options);
        untracked.ShowOnScreen();
        untracked.Move(400, 300);
        untracked.SetSize(500, 400);
        Settle();
    }
    EXPECT_EQ(orlTopLevelWindowBase::GetWindowInfoCount(), 0u);
}

TEST_F(DialogBaseTest, AFixedSizeDialogRecordsItsPlaceButNotItsSize) {
    DialogOptions options;
    options.style = wxDEFAULT_DIALOG_STYLE;
    {
        TestDialog dialog(Frame(), options);
        dialog.ShowOnScreen();
        dialog.SetSize(Frame()->GetPosition().x + 40, Frame()->GetPosition().y + 70, 500, 400);
        Settle();
        EXPECT_EQ(OnlyRecord(), Record("Test Dialog", wxPoint(40, 70)));
    }

    // A size stored for it anyway is not applied.
    orlTopLevelWindowBase::ClearWindowInfoList();
    orlTopLevelWindowBase::AppendWindowInfo(
        Record("Test Dialog", wxPoint(40, 70), wxSize(500, 400)));
    TestDialog reopened(Frame(), options);
    EXPECT_EQ(reopened.GetSize(), reopened.laidOut);
    EXPECT_EQ(reopened.GetPosition(), wxPoint(140, 150));
}

TEST_F(DialogBaseTest, TheKeyIsTheTitleAfterAPrefixUnlessAKeyIsGiven) {
    struct Case {
        const char* prefix;
        const char* explicitKey;
        const char* key;
    };
    const Case cases[] = {
        {"", "", "Test Dialog"},
        {"words/", "", "words/Test Dialog"},
        {"words/", "Fixed", "Fixed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        orlTopLevelWindowBase::ClearWindowInfoList();
        DialogOptions options;
        options.prefix = c.prefix;
        options.explicitKey = c.explicitKey;
        TestDialog dialog(Frame(), options);
        EXPECT_EQ(dialog.GetWindowInfoKey(&dialog), c.key);

        dialog.ShowOnScreen();
        dialog.Move(Frame()->GetPosition() + wxPoint(40, 70));
        Settle();
        EXPECT_EQ(OnlyRecord().Keyword, c.key);
    }
}

TEST_F(DialogBaseTest, LookupFindsTheFirstExactMatchOfTheCurrentTitle) {
    for (const orlWindowInfo& info : {Record("Old", wxPoint(1, 1)), Record("New", wxPoint(2, 2)),
                                      Record("New", wxPoint(3, 3))}) {
        orlTopLevelWindowBase::AppendWindowInfo(info);
    }
    DialogOptions options;
    options.title = "Old";
    TestDialog dialog(Frame(), options);
    EXPECT_EQ(dialog.FindWindowInfo(&dialog), 0);

    dialog.SetTitle("New");
    EXPECT_EQ(dialog.FindWindowInfo(&dialog), 1);
    dialog.ShowOnScreen();
    dialog.Move(Frame()->GetPosition() + wxPoint(9, 9));
    Settle();
    EXPECT_EQ(orlTopLevelWindowBase::GetWindowInfo(1).PosMargin, wxPoint(9, 9));
    EXPECT_EQ(orlTopLevelWindowBase::GetWindowInfo(2).PosMargin, wxPoint(3, 3));

    dialog.SetTitle("new");
    EXPECT_EQ(dialog.FindWindowInfo(&dialog), -1);
}

}  // namespace
