// Starts a program and prints the milliseconds from its start until the first window it maps
// on the display appears (a top-level window that is not override-redirect), then kills it.
//   first_map PROGRAM [ARGUMENTS...]
// Exit status 1 when no window appeared within 20 seconds or the display cannot be opened.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <cstdio>

extern char** environ;

namespace {

double Milliseconds(const timespec& from, const timespec& to) {
    return static_cast<double>(to.tv_sec - from.tv_sec) * 1e3 +
           static_cast<double>(to.tv_nsec - from.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_map PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_map: no display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "first_map: cannot start %s\n", argv[1]);
        return 1;
    }
    double shown = -1;
    pollfd connection = {ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                shown = Milliseconds(start, now);
                break;
            }
        }
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (shown >= 0 || Milliseconds(start, now) > 20000) {
            break;
        }
        poll(&connection, 1, 100);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (shown < 0) {
        std::fprintf(stderr, "first_map: no window from %s\n", argv[1]);
        return 1;
    }
    std::printf("%.2f\n", shown);
    return 0;
}
