// Fixture of the windowed tests: a hidden frame to parent the windows under test, destroyed
// (with all its children) after each test.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/utils.h>
#include "support/WaitForEvents.h"

class WindowFixture : public testing::Test {
  protected:
    void SetUp() override { testFrame = new wxFrame(nullptr, wxID_ANY, "test frame"); }

    void TearDown() override {
        delete testFrame;
        testFrame = nullptr;
    }

    wxFrame* Frame() const { return testFrame; }

    // Shows the frame and lets the toolkit map it, for tests that need real geometry.
    void ShowFrame() {
        testFrame->Show();
        testsupport::WaitUntil([&] { return testFrame->IsShownOnScreen(); });
        wxYield();
    }

  private:
    wxFrame* testFrame = nullptr;
};
