#include "framework/orlPrivateFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "support/WatchedFileSteps.h"

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
    explicit ScopedUmask(mode_t mask) : previous(umask(mask)) {}
    ~ScopedUmask() { umask(previous); }

  private:
    mode_t previous;
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

// The unprivileged user and group the tests hand files and links to.
constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;

// Runs the write in a child process with the steps watched, ended just before the step.
// The child's exit code: WatchedFileSteps::kKilled when it was ended there.
int WriteEndedAt(orlFileStep step, const wxString& path, const std::string& bytes) {
    const pid_t child = fork();
    if (child == 0) {
        WatchedFileSteps steps;
        steps.killAt = step;
        orlWritePrivateFile(path, bytes);
        _exit(0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

TEST(orlWritePrivateFileTest, AKillAtAnyStepLeavesTheOldOrTheNewFileWholeAndTheNextSaveTidiesUp) {
    const std::string old = "old 1\nold 2\n";
    const std::string bytes(256 * 1024, 'n');
    const orlFileStep steps[] = {orlFileStep::CreateTemporary, orlFileStep::Write,
                                 orlFileStep::SyncFile, orlFileStep::Rename,
                                 orlFileStep::SyncDirectory};
    for (const orlFileStep step : steps) {
        SCOPED_TRACE(static_cast<int>(step));
        TempDirectory dir;
        dir.WriteFile("notes.txt", "not ours\n");
        dir.WriteFile("batch.txt", old);

        ASSERT_EQ(WriteEndedAt(step, dir.At("batch.txt"), bytes), WatchedFileSteps::kKilled)
            << "the save goes through the step";
        const std::string left = ReadBytes(dir.At("batch.txt"));
        EXPECT_TRUE(left == old || left == bytes) << left.size() << " bytes";
        if (step == orlFileStep::SyncDirectory) {
            EXPECT_EQ(left, bytes) << "the directory is synced after the rename";
        }

        // The next save into the directory removes what the killed one left behind.
        ASSERT_TRUE(orlWritePrivateFile(dir.At("other.txt"), "again\n"));
        EXPECT_EQ(NamesIn(dir.Root()),
                  (std::vector<std::string>{"batch.txt", "notes.txt", "other.txt"}));
    }
}

TEST(orlWritePrivateFileTest, OnlyOurOwnAbandonedTemporaryFilesAreRemoved) {
    TempDirectory dir;
    const char* abandoned = ".tessarin-save-Ab12Cd";
    const char* others = ".tessarin-save-Ef34Gh";
    const char* inUse = ".tessarin-save-Ij56Kl";
    const char* lookalike = ".tessarin-save-Mn78Op.txt";
    for (const char* name : {abandoned, others, inUse, lookalike}) {
        dir.WriteFile(name, "secret\n");
    }
    ASSERT_EQ(chown(dir.At(others).fn_str(), kOtherUser, kOtherGroup), 0);
    // A save of another process still writing: it holds its file locked.
    const int held = open(dir.At(inUse).fn_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    const int child = fork();
    if (child == 0) {
        _exit(orlWritePrivateFile(dir.At("batch.txt"), "new\n") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(held);

    EXPECT_EQ(NamesIn(dir.Root()),
              (std::vector<std::string>{others, inUse, lookalike, "batch.txt"}));
}

TEST(orlWritePrivateFileTest, SomethingOtherThanAPlainFileIsNeverReplaced) {
    struct Case {
        const char* why;
        std::function<void(const TempDirectory&)> make;
        mode_t type;
    };
    const Case cases[] = {
        {"a pipe",
         [](const TempDirectory& d) { ASSERT_EQ(mkfifo(d.At("target").fn_str(), 0600), 0); },
         S_IFIFO},
        {"a link to a pipe",
         [](const TempDirectory& d) {
             ASSERT_EQ(mkfifo(d.At("pipe").fn_str(), 0600), 0);
             d.MakeLink("pipe", "target");
         },
         S_IFIFO},
        {"a device",
         [](const TempDirectory& d) {
             ASSERT_EQ(mknod(d.At("target").fn_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
         },
         S_IFCHR},
        {"a link to a device",
         [](const TempDirectory& d) {
             ASSERT_EQ(mknod(d.At("device").fn_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
             d.MakeLink("device", "target");
         },
         S_IFCHR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TempDirectory dir;
        c.make(dir);
        const std::vector<std::string> before = NamesIn(dir.Root());

        EXPECT_FALSE(orlWritePrivateFile(dir.At("target"), "secret\n"));
        struct stat info {};
        ASSERT_EQ(stat(dir.At("target").fn_str(), &info), 0);
        EXPECT_EQ(info.st_mode & S_IFMT, c.type);
        EXPECT_EQ(NamesIn(dir.Root()), before);
    }
}

// The kernel's rule for links in shared directories such as /tmp: a link in a sticky
// directory that everyone may write is followed only when it belongs to the directory's owner
// or to the user who follows it.
TEST(orlWritePrivateFileTest, ALinkInASharedDirectoryIsFollowedOnlyWhenItsOwnerIsTrusted) {
    struct Case {
        const char* why;
        mode_t directoryMode;
        std::optional<uid_t> directoryOwner;
        std::optional<uid_t> linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {"another user's link in a sticky shared directory", 01777, {}, kOtherUser, false},
        {"the user's own link there", 01777, {}, {}, true},
        {"a link of the directory's owner", 01777, kOtherUser, kOtherUser, true},
        {"another user's link in a shared directory without the sticky bit",
         0777,
         {},
         kOtherUser,
         true},
        {"another user's link in a sticky directory only its owner writes",
         01755,
         {},
         kOtherUser,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TempDirectory dir;
        dir.MakeDir("real");
        dir.WriteFile("real/list.txt", "old\n");
        dir.MakeDir("shared");
        dir.MakeLink("../real/list.txt", "shared/list.txt");
        if (c.linkOwner) {
            ASSERT_EQ(lchown(dir.At("shared/list.txt").fn_str(), *c.linkOwner, kOtherGroup), 0);
        }
        if (c.directoryOwner) {
            ASSERT_EQ(chown(dir.At("shared").fn_str(), *c.directoryOwner, kOtherGroup), 0);
        }
        ASSERT_EQ(chmod(dir.At("shared").fn_str(), c.directoryMode), 0);

        EXPECT_EQ(orlWritePrivateFile(dir.At("shared/list.txt"), "new\n"), c.followed);
        EXPECT_TRUE(IsLink(dir.At("shared/list.txt")));
        EXPECT_EQ(ReadBytes(dir.At("real/list.txt")), c.followed ? "new\n" : "old\n");
        EXPECT_EQ(NamesIn(dir.At("real")), std::vector<std::string>{"list.txt"});
    }
}

// The user who follows the link is the process's user, as the system reports it.
TEST(orlWritePrivateFileTest, TheFollowerIsTheUserTheStepsReport) {
    TempDirectory dir;
    dir.MakeDir("real");
    dir.WriteFile("real/list.txt", "old\n");
    dir.MakeDir("shared");
    dir.MakeLink("../real/list.txt", "shared/list.txt");
    ASSERT_EQ(lchown(dir.At("shared/list.txt").fn_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(chmod(dir.At("shared").fn_str(), 01777), 0);

    WatchedFileSteps steps;
    steps.user = kOtherUser;
    EXPECT_TRUE(orlWritePrivateFile(dir.At("shared/list.txt"), "new\n"));
    EXPECT_EQ(ReadBytes(dir.At("real/list.txt")), "new\n");
}

TEST(orlWritePrivateFileTest, ANameAsLongAsTheSystemAllowsCanBeSaved) {
    for (const std::size_t length : {std::size_t{250}, std::size_t{255}}) {
        SCOPED_TRACE(length);
        TempDirectory dir;
        const wxString name = wxString(length - 4, 'p') + ".txt";
        ASSERT_TRUE(orlWritePrivateFile(dir.At(name), "new\n"));
        EXPECT_EQ(ReadBytes(dir.At(name)), "new\n");
        EXPECT_EQ(NamesIn(dir.Root()), std::vector<std::string>{name.utf8_string()});
    }
}

}  // namespace
