#include "framework/orlPrivateFile.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
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

}  // namespace
