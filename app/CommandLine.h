// The program's command line: the options it takes and their descriptions, as the toolkit's
// parser reads them, and which of them ask for work without a window.
#pragma once

#include <wx/cmdline.h>

// Puts the program's options into the parser: -h/--help, -i/--initial=FILE, -v/--version,
// -g/--generate, -n/--count=N, -c/--check and --level=N.
void DescribeCommandLine(wxCmdLineParser& parser);

// True when the words (the program path first) ask for the help or for one of the options of
// the terminal (generating, checking, or their values): the program then runs without a
// display.
bool IsTerminalRequest(int argc, char** argv);
