// The run of a windowed test binary, for binaries whose entry point does something first.
#pragma once

namespace testsupport {

// Starts the toolkit once, under a display, runs every test and ends the toolkit; the
// result is the exit status.
int RunGuiTests(int argc, char** argv);

}  // namespace testsupport
