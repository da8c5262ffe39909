#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/orlFileName.h"
#include "support/CountingLog.h"
#include "support/TempDirectory.h"

namespace {

class FileSystemTest : public testing::Test {
  protected:
    wxString At(const wxString& relative) const { return dir.At(relative); }
    void MakeFile(const wxString& relative) const { dir.WriteFile(relative); }
    void MakeDir(const wxString& relative) const { dir.MakeDir(relative); }
    void MakeLink(const wxString& target, const wxString& relative) const {
        dir.MakeLink(target, relative);
    }

    static bool IsDir(const wxString& path) {
        struct stat info;
        return stat(path.fn_str(), &info) == 0 && S_ISDIR(info.st_mode);
    }

    static bool IsFile(const wxString& path) {
        struct stat info;
        return stat(path.fn_str(), &info) == 0 && S_ISREG(info.st_mode);
    }

    TempDirectory dir;
};

std::vector<std::string> Sorted(const wxArrayString& list) {
    std::vector<std::string> names;
    for (const wxString& name : list) {
        names.push_back(name.utf8_string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FileSystemTest, ExistenceTellsFilesFromDirectories) {
    MakeFile("file.txt");
    MakeDir("sub");
    MakeLink("sub", "linkdir");
    struct Case {
        const char* path;
        bool file;
        bool dir;
    };
    const Case cases[] = {
        {"file.txt", true, false}, {"sub", false, true},     {"sub/", false, true},
        {"sub//", false, true},    {"linkdir", false, true}, {"missing", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(orl::FileExists(At(c.path)), c.file);
        EXPECT_EQ(orl::DirExists(At(c.path)), c.dir);
    }
    EXPECT_TRUE(orl::DirExists("/"));
    EXPECT_FALSE(orl::DirExists(""));
    EXPECT_FALSE(orl::FileExists(""));
}

TEST_F(FileSystemTest, ListDirectoryGivesVisiblePlainFilesOrSubdirectories) {
    MakeFile("a.dic");
    MakeFile("b.txt");
    MakeFile(".hidden.dic");
    MakeDir("sub1");
    MakeDir("sub2");
    MakeDir(".hiddendir");
    MakeFile("sub1/inner.dic");
    MakeLink("a.dic", "link.dic");
    MakeLink("sub1", "linkdir");
    MakeLink("no-such-target", "broken.dic");
    ASSERT_EQ(mkfifo(At("pipe.dic").fn_str(), 0600), 0);

    struct Case {
        orl::ListWhat what;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {orl::ListWhat::Files, {"a.dic", "b.txt", "link.dic"}},
        {orl::ListWhat::Directories, {"linkdir", "sub1", "sub2"}},
    };
    for (const Case& c : cases) {
        for (const wxString& directory : {dir.Root(), dir.Root() + "/"}) {
            SCOPED_TRACE(directory.utf8_string() +
                         (c.what == orl::ListWhat::Files ? " files" : " directories"));
            wxArrayString list;
            list.push_back("stale");
            EXPECT_EQ(orl::ListDirectory(directory, list, c.what), c.expected.size());
            EXPECT_EQ(Sorted(list), c.expected);
        }
    }
}

TEST_F(FileSystemTest, ListDirectoryOfWhatCannotBeOpenedIsEmpty) {
    MakeFile("file.txt");
    MakeDir("empty");
    const CountingLog log;
    for (const wxString& directory : {At("missing"), At("file.txt"), At("empty"), wxString()}) {
        for (orl::ListWhat what : {orl::ListWhat::Files, orl::ListWhat::Directories}) {
            SCOPED_TRACE(directory.utf8_string());
            wxArrayString list;
            list.push_back("stale");
            EXPECT_EQ(orl::ListDirectory(directory, list, what), 0u);
            EXPECT_TRUE(list.empty());
        }
    }
    EXPECT_EQ(log.Count(), 0);
}

TEST_F(FileSystemTest, MakeDirectoriesCreatesTheMissingChain) {
    struct Case {
        const char* path;
        std::vector<const char*> created;  // directories that must exist afterwards
    };
    const Case cases[] = {
        {"a/b/c", {"a", "a/b", "a/b/c"}},  // "a" exists beforehand
        {"x/y", {"x", "x/y"}},
        {"a", {"a"}},
        {"t/u//", {"t", "t/u"}},
        {"d/../e/f", {"d", "e", "e/f"}},
    };
    MakeDir("a");
    const mode_t previousMask = umask(027);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_TRUE(orl::MakeDirectories(At(c.path)));
        for (const char* directory : c.created) {
            SCOPED_TRACE(directory);
            EXPECT_TRUE(IsDir(At(directory)));
        }
    }
    umask(previousMask);

    // Created with every permission the mask leaves.
    struct stat info;
    ASSERT_EQ(stat(At("a/b/c").fn_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0750u);
}

TEST_F(FileSystemTest, MakeDirectoriesFailsWhereAFileIsInTheWay) {
    MakeFile("file.txt");
    MakeDir("dir");
    MakeFile("dir/plain");
    const CountingLog log;
    struct Case {
        const char* path;
        const char* notCreated;
    };
    const Case cases[] = {
        {"file.txt", nullptr},
        {"file.txt/", nullptr},
        {"file.txt/sub/x", "file.txt/sub"},
        {"dir/plain/x", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_FALSE(orl::MakeDirectories(At(c.path)));
        if (c.notCreated != nullptr) {
            EXPECT_FALSE(wxFileName::Exists(At(c.notCreated)));
        }
    }
    EXPECT_TRUE(IsFile(At("file.txt")));
    EXPECT_TRUE(IsFile(At("dir/plain")));
    EXPECT_FALSE(orl::MakeDirectories(""));
    EXPECT_FALSE(orl::MakeDirectories("http://host/x"));
    EXPECT_EQ(log.Count(), 0);
}

}  // namespace
