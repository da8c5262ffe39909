// The program's command line: the options it takes and their descriptions, as the toolkit's
// parser reads them.
#pragma once

#include <wx/cmdline.h>

// Puts the program's options into the parser: -h/--help, -i/--initial=FILE, -v/--version.
void DescribeCommandLine(wxCmdLineParser& parser);
