#include "framework/orlPrivateFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

namespace {

orlFileSteps g_systemSteps;
orlFileSteps* g_steps = &g_systemSteps;

// Temporary files are named with this prefix and six letters or digits, in the directory of
// the file they replace: short enough for any name that fits, and recognisable as ours.
constexpr std::string_view kTemporaryPrefix = ".tessarin-save-";
constexpr std::size_t kTemporaryLetters = 6;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Closes a descriptor when it goes.
class Descriptor {
  public:
    explicit Descriptor(int opened = -1) : fd(opened) {}
    ~Descriptor() { Reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd; }
    bool IsOpen() const { return fd >= 0; }
    void Reset(int opened = -1) {
        if (fd >= 0) {
            close(fd);
        }
        fd = opened;
    }

  private:
    int fd;
};

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The kernel's rule for links in shared directories: a link in a sticky directory that
// everyone may write is followed only when it belongs to the directory's owner or to the
// user who follows it, so that no other user's link there can point a save elsewhere.
bool MayFollow(const std::string& link, const struct stat& linkInfo) {
    struct stat directory {};
    if (stat(DirectoryOf(link).c_str(), &directory) != 0) {
        return false;
    }
    const bool shared = (directory.st_mode & S_ISVTX) != 0 && (directory.st_mode & S_IWOTH) != 0;
    return !shared || linkInfo.st_uid == directory.st_uid ||
           linkInfo.st_uid == g_steps->GetUserId();
}

// The file the name stands for: a symbolic link is followed to its target, which need not
// exist yet. Other names stay as they are. False when a link may not be followed, or when
// the links do not end.
bool ResolveLinks(const std::string& path, std::string& resolved) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = current;
            return true;
        }
        if (!MayFollow(current, info)) {
            return false;
        }
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX),
                           '\0');
        const ssize_t length = readlink(current.c_str(), target.data(), target.size());
        if (length <= 0) {
            return false;
        }
        target.resize(static_cast<std::size_t>(length));
        if (target.front() != '/') {
            const std::size_t slash = current.rfind('/');
            target = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) +
                     target;
        }
        current = target;
    }
    return false;
}

bool IsTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryLetters ||
        name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) {
        return false;
    }
    for (const char c : name.substr(kTemporaryPrefix.size())) {
        if (std::strchr(kLetters, c) == nullptr || c == '\0') {
            return false;
        }
    }
    return true;
}

// Removes the temporary files of saves that were killed in this directory: our names, plain
// files of this user, that no save holds locked. A save holds its file locked from its
// creation until it has taken the final name, and the system lets go of the lock of a
// process that ends, however it ends.
void RemoveAbandonedFiles(int directory) {
    const int listFd = openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) {
        return;
    }
    DIR* list = fdopendir(listFd);
    if (list == nullptr) {
        close(listFd);
        return;
    }
    while (const dirent* entry = readdir(list)) {
        if (!IsTemporaryName(entry->d_name)) {
            continue;
        }
        Descriptor file(openat(directory, entry->d_name,
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat held {};
        struct stat named {};
        if (!file.IsOpen() || fstat(file.Get(), &held) != 0 || !S_ISREG(held.st_mode) ||
            held.st_uid != g_steps->GetUserId() || flock(file.Get(), LOCK_EX | LOCK_NB) != 0) {
            continue;
        }
        // Still the same file under the name, now that it is ours.
        if (fstatat(directory, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            unlinkat(directory, entry->d_name, 0);
        }
    }
    closedir(list);
}

// A new temporary file in the directory, created for its owner only and held locked; its
// name goes into `name`. -1 when none can be made.
int CreateTemporary(int directory, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[kTemporaryLetters] = {};
        if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
            return -1;
        }
        name = kTemporaryPrefix;
        for (const unsigned char byte : random) {
            name += kLetters[byte % (sizeof kLetters - 1)];
        }
        const int fd =
            openat(directory, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                   S_IRUSR | S_IWUSR);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return -1;
        }
        // Another save tidying up may have taken it for abandoned in the meantime: then it
        // is, or is about to be, gone, and another name is tried.
        struct stat info {};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &info) == 0 && info.st_nlink > 0) {
            return fd;
        }
        close(fd);
    }
    return -1;
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
    const wxScopedCharBuffer given = path.fn_str();
    if (given.length() == 0) {
        return false;
    }
    std::string target;
    if (!ResolveLinks(std::string(given.data(), given.length()), target)) {
        return false;
    }
    const std::string name = NameOf(target);
    if (name.empty()) {
        return false;
    }
    const Descriptor directory(
        open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.IsOpen()) {
        return false;
    }

    // Only a plain file is replaced: a directory, a pipe or a device stays as it is. The new
    // file is private; one that replaces a file keeps that file's permissions where they are
    // stricter.
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    if (fstatat(directory.Get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            return false;
        }
        mode &= existing.st_mode;
    } else if (errno != ENOENT) {
        return false;
    }

    RemoveAbandonedFiles(directory.Get());

    std::string temporary;
    Descriptor file(g_steps->Allow(orlFileStep::CreateTemporary)
                        ? CreateTemporary(directory.Get(), temporary)
                        : -1);
    if (!file.IsOpen()) {
        return false;
    }
    const bool written =
        fchmod(file.Get(), mode) == 0 && g_steps->Allow(orlFileStep::Write) &&
        WriteAll(file.Get(), bytes) && g_steps->Allow(orlFileStep::SyncFile) &&
        fsync(file.Get()) == 0 && g_steps->Allow(orlFileStep::Rename) &&
        renameat(directory.Get(), temporary.c_str(), directory.Get(), name.c_str()) == 0;
    if (!written) {
        unlinkat(directory.Get(), temporary.c_str(), 0);
        return false;
    }
    // The new name is on the disk only once the directory is; a file system that cannot sync
    // a directory says so with EINVAL and keeps its entries by other means.
    if (!g_steps->Allow(orlFileStep::SyncDirectory) ||
        (fsync(directory.Get()) != 0 && errno != EINVAL)) {
        return false;
    }
    return true;
}
