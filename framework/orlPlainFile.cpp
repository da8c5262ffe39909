#include "framework/orlPlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

orlPlainFile::~orlPlainFile() {
    if (fd >= 0) {
        close(fd);
    }
}

orlPlainFileRead orlPlainFile::Open(const wxString& path, std::uint64_t maxSize) {
    if (fd >= 0) {
        close(fd);
    }
    size = 0;
    // Non-blocking, so that a pipe put where a file was expected cannot stall the open.
    fd = open(path.fn_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return orlPlainFileRead::Unopened;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > maxSize) {
        close(fd);
        fd = -1;
        return orlPlainFileRead::Refused;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return orlPlainFileRead::Complete;
}

std::ptrdiff_t orlPlainFile::Read(char* to, std::size_t wanted) {
    if (fd < 0) {
        return -1;
    }
    for (;;) {
        const ssize_t got = read(fd, to, wanted);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got < 0 ? -1 : static_cast<std::ptrdiff_t>(got);
    }
}

orlPlainFileRead orlReadPlainFile(const wxString& path, std::uint64_t maxSize,
                                  std::vector<char>& bytes) {
    bytes.clear();
    orlPlainFile file;
    const orlPlainFileRead opened = file.Open(path, maxSize);
    if (opened != orlPlainFileRead::Complete) {
        return opened;
    }
    bytes.resize(static_cast<std::size_t>(file.GetSize()));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::ptrdiff_t got = file.Read(bytes.data() + done, bytes.size() - done);
        if (got <= 0) {
            bytes.resize(done);
            return orlPlainFileRead::Incomplete;
        }
        done += static_cast<std::size_t>(got);
    }
    return orlPlainFileRead::Complete;
}
