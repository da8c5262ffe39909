#include "framework/orlPrivateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace {

// The file the name stands for: a symbolic link is followed to its target, which need not
// exist yet. Other names stay as they are.
std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX),
                           '\0');
        const ssize_t length = readlink(current.c_str(), target.data(), target.size());
        if (length <= 0) {
            return current;
        }
        target.resize(static_cast<std::size_t>(length));
        if (target.front() != '/') {
            const std::size_t slash = current.rfind('/');
            target = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) +
                     target;
        }
        current = target;
    }
    return current;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

orlFileSteps g_systemSteps;
orlFileSteps* g_steps = &g_systemSteps;

}  // namespace

uid_t orlFileSteps::GetUserId() const {
    return geteuid();
}

bool orlFileSteps::Allow(orlFileStep) {
    return true;
}

void orlSetFileSteps(orlFileSteps* steps) {
    g_steps = steps != nullptr ? steps : &g_systemSteps;
}

bool orlWritePrivateFile(const wxString& path, std::string_view bytes) {
    const wxScopedCharBuffer name = path.fn_str();
    if (name.length() == 0) {
        return false;
    }
    const std::string target = ResolveLinks(std::string(name.data(), name.length()));

    // mkstemp makes the file with permissions 0600, unaffected by the umask.
    std::string temporary = target + ".XXXXXX";
    const int fd = g_steps->Allow(orlFileStep::CreateTemporary) ? mkstemp(temporary.data()) : -1;
    if (fd < 0) {
        return false;
    }
    bool ok = fchmod(fd, S_IRUSR | S_IWUSR) == 0 && g_steps->Allow(orlFileStep::Write) &&
              WriteAll(fd, bytes) && g_steps->Allow(orlFileStep::SyncFile) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok =
        ok && g_steps->Allow(orlFileStep::Rename) && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
    }
    return ok;
}
