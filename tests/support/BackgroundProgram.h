// A program started in the background for one test, with its own words, environment and
// working directory; its standard error goes to a file. The test waits for what the program
// does (a file appearing in a directory, its end) without sleeping: each wait wakes on the
// change itself or on the program's end, and is bounded. A program still running when the
// object goes is killed.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

#include "support/RunProgram.h"

namespace testsupport {

class BackgroundProgram {
  public:
    BackgroundProgram(const std::vector<std::string>& words,
                      const std::vector<std::string>& environment, const std::string& directory,
                      const std::string& errorPath)
        : errorFile(errorPath) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (!directory.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
        }
        std::vector<char*> argv = CStrings(words), envp = CStrings(environment);
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            pid = 0;
        }
        posix_spawn_file_actions_destroy(&actions);
        if (pid > 0) {
            // A descriptor that becomes readable when the program ends.
            pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        }
    }

    ~BackgroundProgram() {
        if (Running()) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (pidfd >= 0) {
            close(pidfd);
        }
    }

    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;

    bool Started() const { return pid > 0 && pidfd >= 0; }
    pid_t Pid() const { return pid; }
    bool Running() const { return Started() && !ended; }

    // What the program wrote on its standard error so far.
    std::string Errors() const {
        std::ifstream in(errorFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Waits until `done` holds, looking again whenever something in `directory` is made,
    // written or moved. False when the program ended first or the time ran out.
    bool WaitForDirectory(const std::string& directory, const std::function<bool()>& done,
                          int limitMilliseconds) {
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (watch < 0 ||
            inotify_add_watch(watch, directory.c_str(),
                              IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO) < 0) {
            if (watch >= 0) {
                close(watch);
            }
            return false;
        }
        const long deadline = Now() + limitMilliseconds;
        bool result = false;
        while (true) {
            if (done()) {
                result = true;
                break;
            }
            const long left = deadline - Now();
            if (!Running() || left <= 0) {
                break;
            }
            pollfd fds[2] = {{watch, POLLIN, 0}, {pidfd, POLLIN, 0}};
            poll(fds, 2, static_cast<int>(left));
            char buffer[4096];
            while (read(watch, buffer, sizeof buffer) > 0) {
            }
            if (fds[1].revents != 0) {
                Reap();
            }
        }
        close(watch);
        return result;
    }

    bool Signal(int signal) const { return Running() && kill(pid, signal) == 0; }

    // Waits for the program's end. True when it ended in time; `Status` then tells how.
    bool WaitForExit(int limitMilliseconds) {
        if (!Started()) {
            return false;
        }
        const long deadline = Now() + limitMilliseconds;
        while (!ended) {
            const long left = deadline - Now();
            if (left <= 0) {
                return false;
            }
            pollfd fd = {pidfd, POLLIN, 0};
            if (poll(&fd, 1, static_cast<int>(left)) > 0) {
                Reap();
            }
        }
        return true;
    }

    // The exit status of an ended program; -1 when a signal ended it.
    int Status() const { return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

  private:
    static long Now() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
    }

    void Reap() {
        if (!ended && waitpid(pid, &status, WNOHANG) == pid) {
            ended = true;
        }
    }

    std::string errorFile;
    pid_t pid = 0;
    int pidfd = -1;
    bool ended = false;
    int status = 0;
};

}  // namespace testsupport
