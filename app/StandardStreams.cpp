#include "app/StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

void HoldClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) {
            continue;
        }
        // Opening takes the lowest free number, which is this one.
        const int held = open("/dev/null", (fd == 0 ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
        if (held != -1 && held != fd) {
            close(held);
        }
    }
}
