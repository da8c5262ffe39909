// Entry point of the walk through every window: the binary runs in whatever locale the test
// command gives it, settles that locale as the program does, and keeps everything written on
// its standard error from the very start (the toolkit's and GTK's start included), so that
// the walk can show that nothing was.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/ProcessLocale.h"
#include "app/StandardErrorCapture.h"
#include "support/GuiTestMain.h"

namespace {

std::string capturePath;

}  // namespace

const std::string& CapturedStandardErrorPath() {
    return capturePath;
}

int main(int argc, char** argv) {
    std::string path = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    path += "/tessarin-stderr-XXXXXX";
    const int capture = mkstemp(path.data());
    const int original = dup(STDERR_FILENO);
    if (capture < 0 || original < 0) {
        std::perror("standard error cannot be captured");
        return 1;
    }
    capturePath = path;
    std::fflush(stderr);
    dup2(capture, STDERR_FILENO);
    close(capture);

    UseTheCLocaleWhenTheUsersIsUnusable();
    const int status = testsupport::RunGuiTests(argc, argv);

    // What came after the tests (the sanitizers' reports at exit) goes where it always goes.
    std::fflush(stderr);
    dup2(original, STDERR_FILENO);
    close(original);
    unlink(path.c_str());
    return status;
}
