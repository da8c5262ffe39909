#include "app/CommandLine.h"

#include <wx/intl.h>

void DescribeCommandLine(wxCmdLineParser& parser) {
    parser.AddSwitch("h", "help", _("show this help message"), wxCMD_LINE_OPTION_HELP);
    parser.AddOption("i", "initial", _("specify initial file"), wxCMD_LINE_VAL_STRING);
    parser.AddSwitch("v", "version", _("show version information"));
}
