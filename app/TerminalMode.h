// The program without a window: prints passwords made from the stored settings (--generate),
// or tests the lines of standard input for simple passwords (--check). It reads the settings
// and the dictionary as the window does and writes nothing: no settings, no clipboard, no
// display.
#pragma once

#include <cstdio>

// Exit statuses of the terminal modes.
enum TerminalStatus {
    kTerminalOk = 0,
    kTerminalFailed = 1,       // nothing could be made, or a weak password was found
    kTerminalUsage = 2,        // a wrong command line, nothing to check, or a line too long
    kTerminalInputOutput = 3,  // standard output could not be written, or standard input read
};

// Runs the request of the command line; output goes to `out`, messages to `err`, the
// candidates of --check come from `in`. The toolkit must not be started yet.
int RunTerminalMode(int argc, char** argv, std::FILE* in, std::FILE* out, std::FILE* err);

// After the windowed toolkit could not start for want of a display: a wrong command line gets
// the usage and its fault (status 2, as with a display); otherwise one line on `err` says that
// no display could be opened and that the terminal modes work without one (status 1).
int ReportNoDisplay(int argc, char** argv, std::FILE* err);
