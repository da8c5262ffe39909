// A program that runs beside a test: started in a process group of its own with the given
// environment, its output going to a log file; signalled, and seen to end, by the test. Whatever
// of it still runs when the object goes (the program and anything it started) is ended.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/RunProgram.h"

namespace testsupport {

class ChildProcess {
  public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { End(); }

    // Starts the words (the first is the program, looked up in the PATH); `inherited` file
    // descriptors of the test are handed on under the numbers given.
    bool Start(const std::vector<std::string>& words, const std::vector<std::string>& environment,
               const std::string& logPath, const std::vector<std::pair<int, int>>& inherited = {}) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        for (const auto& [from, to] : inherited) {
            posix_spawn_file_actions_adddup2(&actions, from, to);
        }
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes, 0);

        std::vector<char*> argv = CStrings(words), envp = CStrings(environment);
        const int result =
            posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        if (result != 0) {
            pid = -1;
            return false;
        }
        return true;
    }

    pid_t Pid() const { return pid; }

    void Signal(int signal) const {
        if (pid > 0 && !status) {
            kill(pid, signal);
        }
    }

    // True once the program has ended (it is reaped here); never blocks.
    bool HasEnded() {
        if (pid <= 0) {
            return true;
        }
        if (!status) {
            int waitStatus = 0;
            if (waitpid(pid, &waitStatus, WNOHANG) == pid) {
                status = waitStatus;
            }
        }
        return status.has_value();
    }

    // The exit status once ended normally; -1 for a signal or while running.
    int ExitStatus() const { return status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1; }

    // Ends the program and what it started: asked first, killed if it is still there.
    void End() {
        if (pid <= 0) {
            return;
        }
        kill(-pid, SIGTERM);
        if (!status) {
            kill(pid, SIGKILL);
            int waitStatus = 0;
            waitpid(pid, &waitStatus, 0);
            status = waitStatus;
        }
        kill(-pid, SIGKILL);
        pid = -1;
    }

  private:
    pid_t pid = -1;
    std::optional<int> status;
};

}  // namespace testsupport
