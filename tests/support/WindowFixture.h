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
    void SetUp() override { m_frame = new wxFrame(nullptr, wxID_ANY, "test frame"); }

    void TearDown() override {
        delete m_frame;
        m_frame = nullptr;
    }

    wxFrame* Frame() const { return m_frame; }

    // Shows the frame and lets the toolkit map it, for tests that need real geometry.
    void ShowFrame() {
        m_frame->Show();
        testsupport::WaitUntil([&] { return m_frame->IsShownOnScreen(); });
        wxYield();
    }

  private:
    wxFrame* m_frame = nullptr;
};
