// The settings file as the saves leave it: replaced in one step or not at all, through a link
// when it is one, private to its owner, and never written over when it is not a settings file.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/log.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/config/orlSystemConfig.h"
#include "support/TempDirectory.h"
#include "support/WatchedFileSteps.h"

namespace {

constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;

const std::string kOldSettings = "[Main]\nPluralCreateCount=3\n";

std::string ReadBytes(const wxString& path) {
    std::ifstream in(path.utf8_string(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
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

std::optional<mode_t> ModeOf(const wxString& path) {
    struct stat info {};
    if (lstat(path.fn_str(), &info) != 0) {
        return std::nullopt;
    }
    return info.st_mode;
}

class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : old(umask(mask)) {}
    ~ScopedUmask() { umask(old); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

  private:
    mode_t old;
};

class SettingsFileSaveTest : public testing::Test {
  protected:
    void SetUp() override {
        dir.MakeDir("tools");
        locator.Init("tessarin", dir.At("tools/tessarin"));
    }

    // One save as the program makes it: a store for the file, a value written, the flush.
    bool Save(const wxString& path, int count) const {
        wxLogNull quiet;
        std::unique_ptr<wxConfigBase> store = locator.Create(path);
        return store && store->Write("/Main/PluralCreateCount", count) && store->Flush();
    }

    TempDirectory dir;
    orlSystemConfig locator;
};

TEST_F(SettingsFileSaveTest, TheOldFileIsReplacedWithoutEverBeingRemoved) {
    dir.WriteFile("settings.ini", kOldSettings);
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, dir.Root().fn_str(), IN_DELETE | IN_MOVED_TO), 0);

    WatchedFileSteps steps;
    ASSERT_TRUE(Save(dir.At("settings.ini"), 8));
    EXPECT_NE(ReadBytes(dir.At("settings.ini")).find("PluralCreateCount=8"), std::string::npos);

    std::vector<std::string> removed;
    std::vector<std::string> movedIn;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t got; (got = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            const std::string name = event->len > 0 ? event->name : "";
            ((event->mask & IN_DELETE) != 0 ? removed : movedIn).push_back(name);
            at += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    EXPECT_EQ(removed, std::vector<std::string>{}) << "nothing is removed";
    EXPECT_EQ(movedIn, std::vector<std::string>{"settings.ini"});

    // The new file reaches the disk before it takes the old one's place, and its directory
    // entry after.
    const std::vector<orlFileStep> last3(
        steps.taken.size() >= 3 ? steps.taken.end() - 3 : steps.taken.begin(), steps.taken.end());
    EXPECT_EQ(last3, (std::vector<orlFileStep>{orlFileStep::SyncFile, orlFileStep::Rename,
                                               orlFileStep::SyncDirectory}));
    EXPECT_EQ(NamesIn(dir.Root()), (std::vector<std::string>{"settings.ini", "tools"}));
}

TEST_F(SettingsFileSaveTest, ALinkStaysALinkAndItsTargetIsReplaced) {
    dir.MakeDir("real");
    dir.WriteFile("real/settings.ini", kOldSettings);
    dir.MakeLink("real/settings.ini", "link.ini");

    ASSERT_TRUE(Save(dir.At("link.ini"), 8));
    EXPECT_TRUE(S_ISLNK(ModeOf(dir.At("link.ini")).value_or(0)));
    EXPECT_NE(ReadBytes(dir.At("real/settings.ini")).find("PluralCreateCount=8"),
              std::string::npos);
    EXPECT_EQ(NamesIn(dir.At("real")), std::vector<std::string>{"settings.ini"});
}

TEST_F(SettingsFileSaveTest, ANewFileIsPrivateAndAnExistingOneNeverBecomesLessSo) {
    struct Case {
        const char* why;
        std::optional<mode_t> existing;
        mode_t expected;
    };
    const Case cases[] = {
        {"a new file", {}, 0600},
        {"a file others may read", 0644, 0600},
        {"a file its owner may only read", 0400, 0400},
    };
    ScopedUmask permissive(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const wxString path = dir.At(wxString::Format("settings-%zu.ini", &c - cases));
        if (c.existing) {
            dir.WriteFile(path.AfterLast('/'), kOldSettings);
            ASSERT_EQ(chmod(path.fn_str(), *c.existing), 0);
        }
        ASSERT_TRUE(Save(path, 8));
        EXPECT_EQ(ModeOf(path).value_or(0) & 07777, c.expected);
    }
}

TEST_F(SettingsFileSaveTest, ADirectoryInThePlaceOfTheFileGetsNoSaveAndLeavesNothingBehind) {
    dir.MakeDir("settings.ini");
    dir.WriteFile("settings.ini/inside", "kept\n");

    EXPECT_FALSE(Save(dir.At("settings.ini"), 8));
    EXPECT_EQ(NamesIn(dir.Root()), (std::vector<std::string>{"settings.ini", "tools"}));
    EXPECT_EQ(NamesIn(dir.At("settings.ini")), std::vector<std::string>{"inside"});
}

TEST_F(SettingsFileSaveTest, AFailedStepLeavesTheOldFileAndNoTemporaryOne) {
    for (const orlFileStep step : {orlFileStep::CreateTemporary, orlFileStep::Write,
                                   orlFileStep::SyncFile, orlFileStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        dir.WriteFile("settings.ini", kOldSettings);
        WatchedFileSteps steps;
        steps.failAt = step;
        EXPECT_FALSE(Save(dir.At("settings.ini"), 8));
        EXPECT_EQ(ReadBytes(dir.At("settings.ini")), kOldSettings);
        EXPECT_EQ(NamesIn(dir.Root()), (std::vector<std::string>{"settings.ini", "tools"}));
    }
}

// Tests run as root, who reads every file: the save runs with the file rights of the
// unprivileged user, for whom a file of mode 000 is as unreadable as for anyone.
TEST_F(SettingsFileSaveTest, AFileThatCannotBeReadIsNotWrittenOver) {
    ASSERT_EQ(chmod(dir.Root().fn_str(), 0777), 0);
    dir.WriteFile("settings.ini", kOldSettings);
    ASSERT_EQ(chown(dir.At("settings.ini").fn_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(chmod(dir.At("settings.ini").fn_str(), 0), 0);

    bool saved = true;
    {
        const bool privileged = geteuid() == 0;
        if (privileged) {
            setfsuid(kOtherUser);
        }
        saved = Save(dir.At("settings.ini"), 8);
        if (privileged) {
            setfsuid(0);
        }
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(dir.At("settings.ini")), kOldSettings);
    EXPECT_EQ(NamesIn(dir.Root()), (std::vector<std::string>{"settings.ini", "tools"}));
}

TEST_F(SettingsFileSaveTest, ANameAsLongAsTheSystemAllowsCanBeSaved) {
    for (const wxString& name : {wxString(250, 's'), wxString(251, 's') + ".ini"}) {
        SCOPED_TRACE(name.length());
        ASSERT_TRUE(Save(dir.At(name), 8));
        EXPECT_NE(ReadBytes(dir.At(name)).find("PluralCreateCount=8"), std::string::npos);
        ASSERT_EQ(unlink(dir.At(name).fn_str()), 0);
        EXPECT_EQ(NamesIn(dir.Root()), std::vector<std::string>{"tools"});
    }
}

}  // namespace
