#include "framework/orlPrivateFile.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace {

std::string ReadBytes(const wxString& path) {
    std::ifstream in(path.utf8_string(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

mode_t PermissionsOf(const wxString& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.fn_str(), &info), 0) << path.utf8_string();
    return info.st_mode & 07777;
}

bool IsLink(const wxString& path) {
    struct stat info {};
    return lstat(path.fn_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

std::vector<std::string> NamesIn(const wxString& directory) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(directory.fn_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Sets the umask for one test and puts the old one back.
class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : m_previous(umask(mask)) {}
    ~ScopedUmask() { umask(m_previous); }

  private:
    mode_t m_previous;
};

TEST(orlWritePrivateFileTest, NewAndReplacedFilesHoldExactlyTheBytesForTheirOwnerOnly) {
    ScopedUmask permissive(0);
    TempDirectory dir;
    const std::string bytes = "Ab3$xyz\nq\xc3\xa9Z9\n";

    ASSERT_TRUE(orlWritePrivateFile(dir.At("new.txt"), bytes));
    EXPECT_EQ(ReadBytes(dir.At("new.txt")), bytes);
    EXPECT_EQ(PermissionsOf(dir.At("new.txt")), 0600u);

    dir.WriteFile("old.txt", std::string(10000, 'x'));
    chmod(dir.At("old.txt").fn_str(), 0644);
    ASSERT_TRUE(orlWritePrivateFile(dir.At("old.txt"), "short\n"));
    EXPECT_EQ(ReadBytes(dir.At("old.txt")), "short\n");
    EXPECT_EQ(PermissionsOf(dir.At("old.txt")), 0600u);

    EXPECT_EQ(NamesIn(dir.Root()), (std::vector<std::string>{"new.txt", "old.txt"}))
        << "no temporary file is left behind";
}

TEST(orlWritePrivateFileTest, ALinkKeepsPointingAtTheReplacedFile) {
    TempDirectory dir;
    dir.MakeDir("real");
    dir.WriteFile("real/list.txt", "old\n");
    dir.MakeLink("real/list.txt", "link.txt");

    ASSERT_TRUE(orlWritePrivateFile(dir.At("link.txt"), "new\n"));
    EXPECT_TRUE(IsLink(dir.At("link.txt")));
    EXPECT_EQ(ReadBytes(dir.At("real/list.txt")), "new\n");
    EXPECT_EQ(PermissionsOf(dir.At("real/list.txt")), 0600u);
}

TEST(orlWritePrivateFileTest, AFailedWriteLeavesWhatWasThereAndNoPartialFile) {
    TempDirectory dir;
    dir.MakeDir("taken");
    dir.WriteFile("taken/inside.txt", "kept\n");
    dir.WriteFile("plain", "a file, not a directory\n");

    struct Case {
        const char* path;
        const char* why;
    };
    const Case cases[] = {
        {"missing/list.txt", "the directory does not exist"},
        {"plain/list.txt", "the directory is a file"},
        {"taken", "a directory stands at the path"},
        {"", "no name at all"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const wxString path = *c.path != '\0' ? dir.At(c.path) : wxString();
        EXPECT_FALSE(orlWritePrivateFile(path, "secret\n"));
    }
    EXPECT_EQ(NamesIn(dir.Root()), (std::vector<std::string>{"plain", "taken"}));
    EXPECT_EQ(NamesIn(dir.At("taken")), (std::vector<std::string>{"inside.txt"}));
    EXPECT_EQ(ReadBytes(dir.At("taken/inside.txt")), "kept\n");
    EXPECT_EQ(ReadBytes(dir.At("plain")), "a file, not a directory\n");
}

// Runs the writes in a child process after the setup there, so that what the setup changes
// (the user, the limits) stays there; the child's exit code is the number of writes that
// claimed success, or 100 when the setup failed.
int WritesThatSucceeded(const std::function<bool()>& setup, const std::vector<wxString>& paths,
                        const std::string& bytes) {
    const pid_t child = fork();
    if (child == 0) {
        if (!setup()) {
            _exit(100);
        }
        int succeeded = 0;
        for (const wxString& path : paths) {
            succeeded += orlWritePrivateFile(path, bytes) ? 1 : 0;
        }
        _exit(succeeded);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// Tests run as root, whom permissions do not stop: the write runs as the unprivileged user
// "nobody", for whom a directory of mode 0555 is as closed as it is for any user.
bool BecomeNobody() {
    return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}

// The disk fills up in the middle of the write: the system refuses bytes beyond the limit.
bool AcceptOnlyAFewBytes() {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

TEST(orlWritePrivateFileTest, ADirectoryThatRefusesTheFileKeepsTheOldFileAndGetsNoPartOfTheNew) {
    struct Case {
        const char* why;
        mode_t directoryMode;
        std::function<bool()> setup;
    };
    const Case cases[] = {
        {"the directory is not writable", 0555, BecomeNobody},
        {"the disk takes only part of the bytes", 0777, AcceptOnlyAFewBytes},
    };
    const std::string bytes(1024 * 1024, 'p');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TempDirectory dir;
        ASSERT_EQ(chmod(dir.Root().fn_str(), 0755), 0);  // the unprivileged user may look in
        dir.MakeDir("out");
        dir.WriteFile("out/batch.txt", "old\n");
        ASSERT_EQ(chmod(dir.At("out").fn_str(), c.directoryMode), 0);

        EXPECT_EQ(
            WritesThatSucceeded(c.setup, {dir.At("out/batch.txt"), dir.At("out/new.txt")}, bytes),
            0);
        EXPECT_EQ(NamesIn(dir.At("out")), std::vector<std::string>{"batch.txt"});
        EXPECT_EQ(ReadBytes(dir.At("out/batch.txt")), "old\n");
    }
}

}  // namespace
