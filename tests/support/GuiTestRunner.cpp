// The run of a windowed test binary: starts the toolkit once, under a display.
#include <gdk/gdk.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "GuiTestMain.h"
#include "TestGuards.h"
#include "support/PrivateDisplay.h"
#include "support/WindowManager.h"

namespace {

class TestApp : public wxApp {
  public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        return true;
    }
};

// A virtual X server turns a connection away now and then when many test processes come and
// go ("resource temporarily unavailable"). The display is opened here, trying again for a
// while; the toolkit then finds it open.
bool OpenDisplay(int& argc, char** argv) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (gdk_init_check(&argc, &argv)) {
            return true;
        }
        g_usleep(50 * 1000);
    }
    return false;
}

// Binaries whose tests are about the frames, sizes and places that a window manager gives
// windows run under one, on a display of their own.
bool WindowManagerAsked() {
    return getenv("TESSARIN_TEST_WINDOW_MANAGER") != nullptr;
}

// Binaries whose tests press keys and click through the X server itself (the X test extension)
// get a server of their own: on the shared display another binary's window could take those
// events, or move the keyboard focus away, while the test runs.
bool OwnDisplayAsked() {
    return getenv("TESSARIN_TEST_OWN_DISPLAY") != nullptr || WindowManagerAsked();
}

std::unique_ptr<testsupport::PrivateDisplay> StartOwnDisplay() {
    auto display = std::make_unique<testsupport::PrivateDisplay>();
    if (!display->Start("/dev/null")) {
        fprintf(stderr, "cannot start a virtual X server (Xvfb) of the binary's own\n");
        return nullptr;
    }
    setenv("DISPLAY", display->Name().c_str(), 1);
    return display;
}

}  // namespace

namespace testsupport {

int RunGuiTests(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (testsupport::ListingTestsOnly()) {
        // The build lists the tests without a display: do not start the toolkit.
        return RUN_ALL_TESTS();
    }

    // GTK's file and font choosers keep settings of their own (sizes, columns) in the desktop's
    // settings store; the tests' choosers keep theirs in memory and leave the user's alone.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    // Nor do they look for the desktop's accessibility bus, which a bare X server lacks: GTK
    // would warn of it, and a warning fails the test.
    setenv("NO_AT_BRIDGE", "1", 0);

    std::unique_ptr<testsupport::PrivateDisplay> ownDisplay;
    if (OwnDisplayAsked() && !(ownDisplay = StartOwnDisplay())) {
        return 1;
    }
    testsupport::WindowManager manager;
    if (WindowManagerAsked() && !manager.Start(ownDisplay->Name())) {
        fprintf(stderr, "cannot start the window manager (openbox) on the display \"%s\"\n",
                ownDisplay->Name().c_str());
        return 1;
    }
    if (!OpenDisplay(argc, argv)) {
        const char* display = getenv("DISPLAY");
        fprintf(stderr, "cannot open the display \"%s\"\n", display ? display : "(none)");
        return 1;
    }
    wxApp::SetInstance(new TestApp);
    delete wxLog::SetActiveTarget(new wxLogStderr);  // so that a failed start says why
    if (!wxEntryStart(argc, argv)) {
        const char* display = getenv("DISPLAY");
        fprintf(stderr, "the toolkit could not start on the display \"%s\"\n",
                display ? display : "(none)");
        return 1;
    }
    wxTheApp->SetExitOnFrameDelete(false);
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return 1;
    }
    testsupport::InstallGuiGuards();

    const int result = RUN_ALL_TESTS();

    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}

}  // namespace testsupport
