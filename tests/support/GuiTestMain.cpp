// Entry point of the windowed test binaries: starts the toolkit once, under a display.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

#include "TestGuards.h"

namespace {

class TestApp : public wxApp {
  public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        return true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (testsupport::ListingTestsOnly()) {
        // The build lists the tests without a display: do not start the toolkit.
        return RUN_ALL_TESTS();
    }

    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "the toolkit could not start: is there a display?\n");
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
