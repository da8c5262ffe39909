// Fixture of the tests of the main window over the live settings: the window is made from the
// settings as they are when the test asks for it, stands as the program's top window, and is
// deleted after the test.
#pragma once

#include <wx/app.h>

#include "engine/Dictionary.h"
#include "support/LiveSettingsFixture.h"
#include "ui/main/MainFrame.h"

class MainWindowFixture : public LiveSettingsFixture {
  protected:
    void TearDown() override {
        CloseWindow();
        LiveSettingsFixture::TearDown();
    }

    // Makes the window over the test's dictionary, not yet shown.
    MainFrame* MakeWindow() {
        frame = new MainFrame(wxDefaultPosition, dictionary);
        wxTheApp->SetTopWindow(frame);
        return frame;
    }

    void CloseWindow() {
        if (frame != nullptr) {
            wxTheApp->SetTopWindow(nullptr);
            delete frame;
            frame = nullptr;
        }
    }

    Dictionary dictionary;
    MainFrame* frame = nullptr;
};
