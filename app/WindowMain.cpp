// The window program, started by the command in its place: the toolkit's start, run and end,
// with the exit status the start-up chose when it ends the program at once (0 after the
// version, 2 after a wrong command line). Started by itself with the options of the terminal,
// it runs them as the command would. Before anything else the process makes sure again that no
// core file can hold a password (starting a program makes it dumpable again), holds the numbers
// of closed standard streams, settles its locale and makes the toolkit's failed checks a line
// on standard error instead of a box; the toolkit then starts without OpenGL.
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>

#include "app/App.h"
#include "app/AssertReport.h"
#include "app/CommandLine.h"
#include "app/NoCoreDumps.h"
#include "app/ProcessLocale.h"
#include "app/StandardStreams.h"
#include "app/TerminalMode.h"
#include "app/ToolkitWithoutOpenGL.h"

wxIMPLEMENT_APP_NO_MAIN(App);

int main(int argc, char** argv) {
    KeepSecretsOutOfCoreDumps();
    HoldClosedStandardStreams();
    UseTheCLocaleWhenTheUsersIsUnusable();
    ReportAssertionsOn(stderr);
    if (IsTerminalRequest(argc, argv)) {
        return RunTerminalMode(argc, argv, stdin, stdout, stderr);
    }
    bool started = false;
    {
        // GTK reads the environment as it starts; what is started from the window later sees
        // the user's.
        const ToolkitWithoutOpenGL withoutOpenGL;
        started = wxEntryStart(argc, argv);
    }
    if (!started) {
        return ReportNoDisplay(argc, argv, stderr);
    }
    int status = 0;
    App& app = wxGetApp();
    if (app.CallOnInit()) {
        status = app.OnRun();
        app.OnExit();
    } else {
        status = app.GetStartExitStatus();
    }
    wxEntryCleanup();
    return status;
}
