// Runs a program to its end, as a shell would: given words, an environment, a working
// directory and standard input; returns what it wrote and how it ended. A run that takes
// longer than the limit is killed and reported as such.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace testsupport {

// The words as the null-ended list of C strings that the exec calls take; the words must
// outlive it.
inline std::vector<char*> CStrings(const std::vector<std::string>& words) {
    std::vector<char*> list;
    for (const std::string& word : words) {
        list.push_back(const_cast<char*>(word.c_str()));
    }
    list.push_back(nullptr);
    return list;
}

struct ProgramRun {
    int status = -1;  // the exit status, or -1 when it did not exit normally
    bool timedOut = false;
    std::string out;
    std::string err;
};

// The current environment with some variables set and some removed (an empty value removes).
inline std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (changes.count(name) == 0) {
            result.push_back(text);
        }
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty()) {
            result.push_back(name + "=" + value);
        }
    }
    return result;
}

// Where standard input and output go instead of the pipes of RunProgram: a file opened for
// reading or writing (such as /dev/zero or /dev/full), or nothing at all (closed).
struct StandardStreams {
    std::string inputFile;
    std::string outputFile;
    bool closeInput = false;
    bool closeOutput = false;

    static StandardStreams InputFrom(const std::string& file) {
        StandardStreams streams;
        streams.inputFile = file;
        return streams;
    }
    static StandardStreams OutputTo(const std::string& file) {
        StandardStreams streams;
        streams.outputFile = file;
        return streams;
    }
    static StandardStreams Closed(bool input, bool output) {
        StandardStreams streams;
        streams.closeInput = input;
        streams.closeOutput = output;
        return streams;
    }
};

inline ProgramRun RunProgram(const std::vector<std::string>& words,
                             const std::vector<std::string>& environment,
                             const std::string& input = {}, const std::string& directory = {},
                             int limitSeconds = 60, const StandardStreams& streams = {}) {
    ProgramRun run;
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (streams.closeInput) {
        posix_spawn_file_actions_addclose(&actions, 0);
    } else if (!streams.inputFile.empty()) {
        posix_spawn_file_actions_addopen(&actions, 0, streams.inputFile.c_str(), O_RDONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    }
    if (streams.closeOutput) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else if (!streams.outputFile.empty()) {
        posix_spawn_file_actions_addopen(&actions, 1, streams.outputFile.c_str(), O_WRONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    }
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    if (!directory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    }
    std::vector<char*> argv = CStrings(words), envp = CStrings(environment);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (spawned != 0) {
        close(in[1]);
        close(out[0]);
        close(err[0]);
        run.err = "cannot start " + words[0];
        return run;
    }

    // Feeds the input and gathers both outputs at once, so that no pipe fills up.
    signal(SIGPIPE, SIG_IGN);
    size_t fed = 0;
    if (input.empty()) {
        close(in[1]);
        in[1] = -1;
    } else {
        fcntl(in[1], F_SETFL, fcntl(in[1], F_GETFL) | O_NONBLOCK);  // never wait on a full pipe
    }
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    bool outOpen = true, errOpen = true;
    while (outOpen || errOpen) {
        pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {in[1], POLLOUT, 0}};
        fds[0].fd = outOpen ? out[0] : -1;
        fds[1].fd = errOpen ? err[0] : -1;
        poll(fds, 3, 200);
        char buffer[65536];
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents != 0) {
                const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
                if (got > 0) {
                    (i == 0 ? run.out : run.err).append(buffer, static_cast<size_t>(got));
                } else if (got == 0 || errno != EINTR) {
                    (i == 0 ? outOpen : errOpen) = false;
                }
            }
        }
        if (in[1] >= 0 && fds[2].revents != 0) {
            const ssize_t put = write(in[1], input.data() + fed, input.size() - fed);
            if (put > 0) {
                fed += static_cast<size_t>(put);
            }
            if ((put < 0 && errno != EAGAIN) || fed == input.size()) {
                close(in[1]);
                in[1] = -1;
            }
        }
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec - start.tv_sec > limitSeconds) {
            run.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
    }
    if (in[1] >= 0) {
        close(in[1]);
    }
    close(out[0]);
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace testsupport
