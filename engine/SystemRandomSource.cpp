#include "engine/SystemRandomSource.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Wipes memory in a way the compiler cannot drop as a dead store.
void Wipe(void* data, std::size_t size) {
    volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
    while (size-- > 0) {
        *p++ = 0;
    }
}

bool FillFromGetrandom(unsigned char* out, std::size_t size) {
    while (size > 0) {
        const ssize_t got = getrandom(out, size, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        out += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

bool FillFromDevice(unsigned char* out, std::size_t size) {
    const int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    while (size > 0) {
        const ssize_t got = read(fd, out, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ok = false;
            break;
        }
        out += got;
        size -= static_cast<std::size_t>(got);
    }
    close(fd);
    return ok;
}

}  // namespace

SystemRandomSource::~SystemRandomSource() {
    Wipe(block.data(), sizeof block);
}

std::uint32_t SystemRandomSource::NextWord() {
    if (next == block.size()) {
        Fill(block.data(), sizeof block);
        next = 0;
    }
    std::uint32_t& slot = block[next++];
    const std::uint32_t word = slot;
    Wipe(&slot, sizeof slot);
    return word;
}

void SystemRandomSource::Fill(void* buffer, std::size_t size) {
    auto* out = static_cast<unsigned char*>(buffer);
    if (FillFromGetrandom(out, size) || FillFromDevice(out, size)) {
        return;
    }
    std::fprintf(stderr, "The system's random number generator cannot be read: %s\n",
                 std::strerror(errno));
    std::abort();
}
