#include "app/CommandLine.h"

#include <wx/intl.h>

#include <cstring>
#include <string_view>

void DescribeCommandLine(wxCmdLineParser& parser) {
    parser.AddSwitch("h", "help", _("show this help message"), wxCMD_LINE_OPTION_HELP);
    parser.AddOption("i", "initial", _("specify initial file"), wxCMD_LINE_VAL_STRING);
    parser.AddSwitch("v", "version", _("show version information"));
    parser.AddSwitch("g", "generate",
                     _("print passwords made from the settings, one per line, without a window"));
    parser.AddOption("n", "count", _("the number of passwords to print (1 to 1000)"),
                     wxCMD_LINE_VAL_NUMBER);
    parser.AddSwitch("c", "check",
                     _("check the lines of standard input for simple passwords, without a window"));
    parser.AddOption(wxEmptyString, "level", _("the level of the check (1 standard, 2 high level)"),
                     wxCMD_LINE_VAL_NUMBER);
    parser.AddSwitch("e", "entropy",
                     _("print how strong the passwords of the settings are, in bits, without a "
                       "window"));
}

bool IsTerminalRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "-i" || word == "--initial") {
            ++i;  // its value, whatever it looks like
            continue;
        }
        if (word == "--") {
            break;
        }
        for (const std::string_view option : {"--help", "--generate", "--check", "--entropy"}) {
            if (word == option) {
                return true;
            }
        }
        for (const std::string_view option : {"--count", "--level"}) {
            if (word.substr(0, option.size()) == option &&
                (word.size() == option.size() || word[option.size()] == '=')) {
                return true;
            }
        }
        // Short switches, alone or together ("-g", "-gn5"), up to the first that takes a value.
        if (word.size() >= 2 && word[0] == '-' && word[1] != '-') {
            for (const char letter : word.substr(1)) {
                if (letter == 'h' || letter == 'g' || letter == 'c' || letter == 'n' ||
                    letter == 'e') {
                    return true;
                }
                if (letter == 'i') {
                    break;
                }
            }
        }
    }
    return false;
}
