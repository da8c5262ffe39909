// The command: the help and the terminal modes run here, with the toolkit's base library
// alone; anything else is for the window program, which takes over the process. Before
// anything else the process makes sure that no core file can hold a password and holds the
// numbers of closed standard streams.
#include <cstdio>

#include "app/AssertReport.h"
#include "app/CommandLine.h"
#include "app/NoCoreDumps.h"
#include "app/ProcessLocale.h"
#include "app/StandardStreams.h"
#include "app/TerminalMode.h"
#include "app/WindowProgram.h"

int main(int argc, char** argv) {
    KeepSecretsOutOfCoreDumps();
    HoldClosedStandardStreams();
    if (!IsTerminalRequest(argc, argv)) {
        return StartWindowProgram(argv, stderr);
    }
    UseTheCLocaleWhenTheUsersIsUnusable();
    ReportAssertionsOn(stderr);
    return RunTerminalMode(argc, argv, stdin, stdout, stderr);
}
