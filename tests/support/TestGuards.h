// Guards every test binary installs: toolkit assertions, logging and unexpected modal
// dialogs become GoogleTest failures instead of boxes that wait for a click forever; in the
// windowed binaries, so do the warnings of GLib and GTK.
#pragma once

namespace testsupport {

// Toolkit assertions record a test failure; log messages go to standard error.
void InstallBaseGuards();

// Additionally answers every modal dialog that no test expected with Cancel, recording a
// failure, and records a failure for every warning GLib or GTK logs. Needs the windowed
// toolkit.
void InstallGuiGuards();

// While one lives, the toolkit's file dialogs are shown for real, as the program shows them,
// instead of being answered with Cancel as unexpected: for tests of what happens while one is
// open. Each must be ended by the test or by the code under test.
class RealFileDialogs {
  public:
    RealFileDialogs();
    ~RealFileDialogs();
    RealFileDialogs(const RealFileDialogs&) = delete;
    RealFileDialogs& operator=(const RealFileDialogs&) = delete;
};

// True when GoogleTest only lists the tests (as the build does to discover them).
bool ListingTestsOnly();

}  // namespace testsupport
