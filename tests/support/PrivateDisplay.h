// An X server of the test binary's own (a virtual one, on a display number it picks itself):
// what the tests start on it (a clipboard manager, which also hands out desktop settings) never
// reaches the windows of the other test binaries, and nothing of theirs reaches these tests.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <string>

#include "support/ChildProcess.h"
#include "support/RunProgram.h"

namespace testsupport {

class PrivateDisplay {
  public:
    // Starts the server and waits (at most the limit) until it takes connections. The server
    // ends by itself once its last client has gone, so a test binary that is killed (a time
    // limit) leaves no server behind: the binary stays connected for as long as it runs.
    bool Start(const std::string& logPath, int limitMilliseconds = 20000) {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) {
            return false;
        }
        const bool started = server.Start({"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24",
                                           "-nolisten", "tcp", "-terminate"},
                                          EnvironmentWith({}), logPath, {{ready[1], 3}});
        close(ready[1]);
        // The server writes its display number, and a new line, once it takes connections.
        std::string number;
        pollfd wait{ready[0], POLLIN, 0};
        while (started && poll(&wait, 1, limitMilliseconds) > 0) {
            char c = 0;
            if (read(ready[0], &c, 1) != 1 || c == '\n') {
                break;
            }
            number += c;
        }
        close(ready[0]);
        if (number.empty()) {
            return false;
        }
        name = ":" + number;
        return true;
    }

    const std::string& Name() const { return name; }

    void Stop() { server.End(); }

  private:
    ChildProcess server;
    std::string name;
};

}  // namespace testsupport
