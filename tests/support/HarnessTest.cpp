// The guards of the windowed test binaries: without them a failing test would wait forever
// for someone to close a dialog.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include "support/WindowFixture.h"
#include "support/WxTesting.h"

using HarnessTest = WindowFixture;

TEST_F(HarnessTest, AnUnexpectedModalDialogIsCancelledAndFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            wxMessageDialog box(nullptr, "Nobody expects this", "Surprise", wxYES_NO);
            EXPECT_EQ(box.ShowModal(), wxID_CANCEL);
        },
        "unexpected modal dialog");
}

TEST_F(HarnessTest, AnExpectedDialogIsAnsweredAndAMissingOneFailsTheTest) {
    wxTEST_DIALOG(
        {
            wxMessageDialog box(Frame(), "Go on?", "Question", wxYES_NO);
            EXPECT_EQ(box.ShowModal(), wxID_YES);
        },
        wxExpectModal<wxMessageDialog>(wxID_YES));

    EXPECT_NONFATAL_FAILURE(wxTEST_DIALOG({}, wxExpectModal<wxMessageDialog>(wxID_YES)),
                            "was not shown");
}

TEST_F(HarnessTest, AToolkitAssertionFailsTheTestInsteadOfOpeningABox) {
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("broken invariant"), "broken invariant");
}
