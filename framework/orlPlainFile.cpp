#include "framework/orlPlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Closes the descriptor when the read is over, whichever way it ends.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

  private:
    int m_fd;
};

}  // namespace

orlPlainFileRead orlReadPlainFile(const wxString& path, std::uint64_t maxSize,
                                  std::vector<char>& bytes) {
    bytes.clear();
    // Non-blocking, so that a pipe put where a file was expected cannot stall the open.
    const FileDescriptor file(open(path.fn_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0) {
        return orlPlainFileRead::Unopened;
    }
    struct stat info {};
    if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > maxSize) {
        return orlPlainFileRead::Refused;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            bytes.resize(done);
            return orlPlainFileRead::Incomplete;
        }
        done += static_cast<std::size_t>(got);
    }
    return orlPlainFileRead::Complete;
}
