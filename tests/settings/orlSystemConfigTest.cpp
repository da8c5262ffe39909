#include "framework/config/orlSystemConfig.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filefn.h>
#include <wx/log.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/codes/orlCharCode.h"
#include "framework/orlFileName.h"
#include "support/CountingLog.h"
#include "support/FixedIdentity.h"
#include "support/TempDirectory.h"

namespace {

// Sets an environment variable (or removes it) and puts the old value back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* variable, std::optional<std::string> value) : name(variable) {
        if (const char* current = getenv(variable)) {
            old = current;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(old); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    const char* name;
    std::optional<std::string> old;
};

// Changes the working directory and goes back afterwards.
class ScopedWorkingDirectory {
  public:
    explicit ScopedWorkingDirectory(const wxString& directory) : old(wxGetCwd()) {
        EXPECT_TRUE(wxSetWorkingDirectory(directory));
    }
    ~ScopedWorkingDirectory() { wxSetWorkingDirectory(old); }
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

  private:
    wxString old;
};

// Files are created under this umask, so that a store that does not restrict its new file
// shows it.
class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : old(umask(mask)) {}
    ~ScopedUmask() { umask(old); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

  private:
    mode_t old;
};

// Takes away root's right to read any file, for this thread only, while it lives.
class ScopedUnprivilegedFiles {
  public:
    ScopedUnprivilegedFiles() : active(geteuid() == 0) {
        if (active) {
            setfsuid(65534);
        }
    }
    ~ScopedUnprivilegedFiles() {
        if (active) {
            setfsuid(0);
        }
    }
    ScopedUnprivilegedFiles(const ScopedUnprivilegedFiles&) = delete;
    ScopedUnprivilegedFiles& operator=(const ScopedUnprivilegedFiles&) = delete;

  private:
    bool active;
};

bool IsReadable(const wxString& path) {
    return std::ifstream(path.utf8_string()).is_open();
}

std::optional<mode_t> Mode(const wxString& path) {
    struct stat info;
    if (lstat(path.fn_str(), &info) != 0) {
        return std::nullopt;
    }
    return info.st_mode;
}

bool IsFile(const wxString& path) {
    const auto mode = Mode(path);
    return mode && S_ISREG(*mode);
}

bool IsDir(const wxString& path) {
    const auto mode = Mode(path);
    return mode && S_ISDIR(*mode);
}

std::string Contents(const wxString& path) {
    std::ifstream in(path.utf8_string(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The text in UTF-16, little-endian, with its byte-order mark.
std::string Utf16LeWithBom(const wxString& text) {
    std::string bytes = "\xff\xfe";
    for (wxUniChar c : text) {
        const auto value = static_cast<unsigned>(c.GetValue());
        bytes += static_cast<char>(value & 0xff);
        bytes += static_cast<char>(value >> 8);
    }
    return bytes;
}

class SystemConfigTest : public testing::Test {
  protected:
    void SetUp() override {
        orlCharCode::Get().Init("English");
        // The login differs from the user name: the templates use the user name.
        FixedIdentity::Use("login", "jdoe", "box");
        dir.MakeDir("tools");
    }
    void TearDown() override { orlSetIdentity(nullptr); }

    wxString Tools() const { return dir.At("tools"); }
    wxString Program() const { return dir.At("tools/tessarin"); }

    // Replaces "<tmp>" and "<tools>" by the temporary directory and the program directory.
    wxString Expand(const wxString& pattern) const {
        wxString text = pattern;
        text.Replace("<tools>", Tools());
        text.Replace("<tmp>", dir.Root());
        return text;
    }

    void WriteSystemFile(const std::string& bytes) const {
        dir.WriteFile("tools/orsystem.ini", Expand(wxString::FromUTF8(bytes)).utf8_string());
    }

    // Writes a value through a store from Create, flushes it, and reads it back through
    // another; the value must land in the expected file, which only its owner may read.
    void ExpectRoundTrip(const orlSystemConfig& locator, const wxString& initialFile,
                         const wxString& expectedFile) const {
        SCOPED_TRACE(expectedFile.utf8_string());
        {
            ScopedUmask lenient(022);
            auto store = locator.Create(initialFile);
            ASSERT_TRUE(store);
            ASSERT_TRUE(store->Write("Probe/Value", "written"));
            ASSERT_TRUE(store->Flush());
        }
        ASSERT_TRUE(IsFile(expectedFile));
        EXPECT_EQ(*Mode(expectedFile) & 0777, 0600u);
        EXPECT_NE(Contents(expectedFile).find("[Probe]\nValue=written"), std::string::npos);
        auto store = locator.Create(initialFile);
        wxString value;
        EXPECT_TRUE(store->Read("Probe/Value", &value));
        EXPECT_EQ(value, "written");
    }

    TempDirectory dir;
    ScopedEnv xdg{"XDG_CONFIG_HOME", dir.At("xdg").utf8_string()};
};

TEST_F(SystemConfigTest, WithoutInitialOrSystemFileTheUsersDefaultStoreIsUsed) {
    orlSystemConfig locator;
    locator.Init("tessarin", Program());
    for (const char* initial : {"", "   ", " \t "}) {
        SCOPED_TRACE(testing::PrintToString(initial));
        EXPECT_FALSE(locator.IsFileStore(initial));
        EXPECT_EQ(locator.GetConfigFileName(initial), "");
    }
    ExpectRoundTrip(locator, "", dir.At("xdg/tessarin.conf"));
    wxArrayString files;
    EXPECT_EQ(orl::ListDirectory(Tools(), files, orl::ListWhat::Files), 0u);
}

TEST_F(SystemConfigTest, TheDefaultStoreLivesInTheXdgConfigurationDirectory) {
    struct Case {
        const char* what;
        std::optional<std::string> xdgConfigHome;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_CONFIG_HOME set", dir.At("xdg").utf8_string(), "<tmp>/xdg/tessarin.conf"},
        {"XDG_CONFIG_HOME unset", std::nullopt, "<tmp>/home/.config/tessarin.conf"},
        {"XDG_CONFIG_HOME empty", "", "<tmp>/home/.config/tessarin.conf"},
        {"XDG_CONFIG_HOME relative", "relative/config", "<tmp>/home/.config/tessarin.conf"},
    };
    dir.MakeDir("home");
    ScopedEnv home("HOME", dir.At("home").utf8_string());
    ScopedWorkingDirectory inTools(Tools());  // a relative directory would land here
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedEnv xdgConfigHome("XDG_CONFIG_HOME", c.xdgConfigHome);
        orlSystemConfig locator;
        locator.Init("tessarin", Program());
        EXPECT_FALSE(locator.IsFileStore(""));
        ExpectRoundTrip(locator, "", Expand(c.expected));
    }
    EXPECT_FALSE(wxDirExists(dir.At("tools/relative")));
}

TEST_F(SystemConfigTest, TheTemplateExampleNamesAFileBesideTheProgram) {
    WriteSystemFile("ConfigFileName=settings/@USERNAME@.ini\n");
    orlSystemConfig locator;
    locator.Init("tessarin", Program());
    const wxString expected = dir.At("tools/settings/jdoe.ini");
    EXPECT_TRUE(locator.IsFileStore(""));
    EXPECT_EQ(locator.GetConfigFileName(""), expected);

    ASSERT_FALSE(IsDir(dir.At("tools/settings")));
    {
        auto store = locator.Create("");
        ASSERT_TRUE(store);
        EXPECT_TRUE(IsDir(dir.At("tools/settings")));
        EXPECT_FALSE(IsFile(expected));  // the file itself only comes with the first save
    }
    ExpectRoundTrip(locator, "", expected);
    EXPECT_FALSE(IsFile(dir.At("xdg/tessarin.conf")));
}

TEST_F(SystemConfigTest, TheSystemFileDecidesTheRedirect) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* expected;  // "" for no redirect
    };
    const std::vector<Case> cases = {
        {"all templates", "ConfigFileName=@PACKAGE@-@HOSTNAME@-@USERNAME@.ini\n",
         "<tools>/tessarin-box-jdoe.ini"},
        {"every occurrence", "ConfigFileName=@USERNAME@/@USERNAME@.ini\n", "<tools>/jdoe/jdoe.ini"},
        {"templates in small letters stay", "ConfigFileName=@username@-@Package@-@hostname@\n",
         "<tools>/@username@-@Package@-@hostname@"},
        {"no environment variables", "ConfigFileName=$HOME/${USER}.ini\n",
         "<tools>/$HOME/${USER}.ini"},
        {"surrounding spaces trimmed", "ConfigFileName=\"  padded.ini \t\"\n",
         "<tools>/padded.ini"},
        {"dots resolved", "ConfigFileName=../conf/./sub/../s.ini\n", "<tmp>/conf/s.ini"},
        {"absolute", "ConfigFileName=<tmp>/elsewhere/s.ini\n", "<tmp>/elsewhere/s.ini"},
        {"absolute with dots", "ConfigFileName=<tmp>/a/../b/./s.ini\n", "<tmp>/b/s.ini"},
        {"root entry among others",
         "Other=1\nConfigFileName=x.ini\n[Group]\nConfigFileName=y.ini\n", "<tools>/x.ini"},
        {"entry only in a group", "[Group]\nConfigFileName=y.ini\n", ""},
        {"no entry", "Other=x.ini\n", ""},
        {"empty file", "", ""},
        {"empty value", "ConfigFileName=\n", ""},
        {"spaces only", "ConfigFileName=   \n", ""},
        {"quoted spaces only", "ConfigFileName=\" \t \"\n", ""},
        {"own name", "ConfigFileName=orsystem.ini\n", ""},
        {"own name in capitals", "ConfigFileName=ORSYSTEM.INI\n", ""},
        {"own name in mixed case", "ConfigFileName=OrSystem.Ini\n", ""},
        {"own name with spaces", "ConfigFileName=\" orsystem.ini \"\n", ""},
        {"own file by another path", "ConfigFileName=../tools/./orsystem.ini\n", ""},
        {"own name in another directory", "ConfigFileName=sub/orsystem.ini\n",
         "<tools>/sub/orsystem.ini"},
        {"CR LF line ends", "Other=1\r\nConfigFileName=x.ini\r\n", "<tools>/x.ini"},
        {"UTF-8", "ConfigFileName=r\xc3\xa9glages.ini\n", "<tools>/r\xc3\xa9glages.ini"},
        {"UTF-8 with byte-order mark",
         "\xef\xbb\xbf"
         "ConfigFileName=r\xc3\xa9glages.ini\n",
         "<tools>/r\xc3\xa9glages.ini"},
    };
    CountingLog log;
    auto check = [&](const char* what, const std::function<void()>& write, const char* expected) {
        SCOPED_TRACE(what);
        write();
        orlSystemConfig locator;
        locator.Init("tessarin", Program());
        EXPECT_EQ(locator.GetConfigFileName("").utf8_string(),
                  Expand(wxString::FromUTF8(expected)).utf8_string());
        EXPECT_EQ(locator.IsFileStore(""), *expected != '\0');
    };
    for (const Case& c : cases) {
        check(
            c.what, [&] { WriteSystemFile(c.bytes); }, c.expected);
    }
    // Bytes that cannot go through the UTF-8 patterns above.
    check(
        "UTF-16 with byte-order mark",
        [&] {
            dir.WriteFile("tools/orsystem.ini", Utf16LeWithBom(L"ConfigFileName=\u00e9t\u00e9\n"));
        },
        "<tools>/\xc3\xa9t\xc3\xa9");
    check(
        "neither UTF-8 nor marked",
        [&] { dir.WriteFile("tools/orsystem.ini", "ConfigFileName=r\xe9glages.ini\n"); },
        "<tools>/r\xc3\xa9glages.ini");
    EXPECT_EQ(log.Count(), 0);
}

TEST_F(SystemConfigTest, ABrokenSystemFileMeansNoRedirectQuietly) {
    struct Case {
        const char* what;
        std::function<void(const wxString& systemFile)> make;  // relative to the temporary root
    };
    const std::string truncatedUtf16 = std::string("\xff\xfe") + std::string("C\0o\0n", 5);
    const Case cases[] = {
        {"damaged lines",
         [&](const wxString& f) {
             dir.WriteFile(f, "[Unclosed\nConfigFileName\n=x.ini\n[]\n\x01\x02 garbage\n");
         }},
        {"truncated UTF-16", [&](const wxString& f) { dir.WriteFile(f, truncatedUtf16); }},
        {"a directory in its place",
         [&](const wxString& f) {
             dir.MakeDir(f);
             dir.WriteFile(f + "/ConfigFileName", "x.ini");
         }},
        {"unreadable",
         [&](const wxString& f) {
             dir.WriteFile(f, "ConfigFileName=x.ini\n");
             ASSERT_EQ(chmod(dir.At(f).fn_str(), 0), 0);
         }},
    };
    // Everyone may look into the directories, so that only the file's own mode keeps it unread.
    ASSERT_EQ(chmod(dir.Root().fn_str(), 0755), 0);
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const wxString program = wxString::Format("program%d", ++number);
        dir.MakeDir(program);
        ASSERT_EQ(chmod(dir.At(program).fn_str(), 0755), 0);
        c.make(program + "/orsystem.ini");

        CountingLog log;
        orlSystemConfig locator;
        {
            ScopedUnprivilegedFiles unprivileged;
            locator.Init("tessarin", dir.At(program + "/tessarin"));
        }
        EXPECT_FALSE(locator.IsFileStore(""));
        EXPECT_EQ(locator.GetConfigFileName(""), "");
        EXPECT_EQ(log.Count(), 0);
    }
    // The unreadable file (the last case) really was unreadable to the locator.
    ScopedUnprivilegedFiles unprivileged;
    EXPECT_FALSE(IsReadable(dir.At(wxString::Format("program%d/orsystem.ini", number))));
}

TEST_F(SystemConfigTest, TheInitialFileWinsAndIsTakenAsGiven) {
    WriteSystemFile("ConfigFileName=redirect.ini\n");
    orlSystemConfig locator;
    locator.Init("tessarin", Program());
    ASSERT_EQ(locator.GetConfigFileName(""), dir.At("tools/redirect.ini"));
    EXPECT_EQ(locator.GetConfigFileName("  "), dir.At("tools/redirect.ini"));

    const wxString initial = dir.At("given/@USERNAME@-@PACKAGE@.ini");
    EXPECT_TRUE(locator.IsFileStore(initial));
    EXPECT_EQ(locator.GetConfigFileName(initial), initial);
    ExpectRoundTrip(locator, initial, initial);
    EXPECT_FALSE(IsFile(dir.At("tools/redirect.ini")));
    EXPECT_FALSE(IsFile(dir.At("given/jdoe-tessarin.ini")));
}

TEST_F(SystemConfigTest, ARelativeInitialFileIsTakenAgainstTheWorkingDirectory) {
    dir.MakeDir("home");
    ScopedEnv home("HOME", dir.At("home").utf8_string());  // not the real one, should it go there
    ScopedWorkingDirectory inRoot(dir.Root());
    orlSystemConfig locator;
    locator.Init("tessarin", Program());
    EXPECT_EQ(locator.GetConfigFileName("rel/sub/s.ini"), "rel/sub/s.ini");
    ExpectRoundTrip(locator, "rel/sub/s.ini", dir.At("rel/sub/s.ini"));
}

TEST_F(SystemConfigTest, TheProgramDirectoryIsThatOfTheProgramPathElseTheWorkingDirectory) {
    ScopedWorkingDirectory inTools(Tools());
    struct Case {
        const char* programPath;
        wxString expected;
    };
    const Case cases[] = {
        {"<tools>/tessarin", Tools()},
        {"<tmp>/tessarin", dir.Root()},
        {"/tessarin", "/"},
        {"tessarin", wxGetCwd()},
        {"", wxGetCwd()},
        {"   ", wxGetCwd()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programPath);
        orlSystemConfig locator;
        locator.Init("tessarin", Expand(c.programPath));
        EXPECT_EQ(locator.GetProgramDirectory(), c.expected);
    }

    // A program started by its bare name finds its system file in the working directory.
    WriteSystemFile("ConfigFileName=x.ini\n");
    orlSystemConfig locator;
    locator.Init("tessarin", "tessarin");
    EXPECT_EQ(locator.GetConfigFileName(""), dir.At("tools/x.ini"));
}

TEST_F(SystemConfigTest, StoredTextsComeBackAsWritten) {
    WriteSystemFile("ConfigFileName=settings.ini\n");
    orlSystemConfig locator;
    locator.Init("tessarin", Program());
    const wxString texts[] = {
        "$HOME",      "${HOME}",    "%HOME%", "\\$HOME",    "a\\b\\",
        "  spaced  ", "\"quoted\"", "=;#[]",  "@USERNAME@",
    };
    {
        auto store = locator.Create("");
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            ASSERT_TRUE(store->Write(wxString::Format("Texts/%zu", i), texts[i]));
        }
        ASSERT_TRUE(store->Flush());
    }
    auto store = locator.Create("");
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        SCOPED_TRACE(texts[i].utf8_string());
        wxString value;
        EXPECT_TRUE(store->Read(wxString::Format("Texts/%zu", i), &value));
        EXPECT_EQ(value.utf8_string(), texts[i].utf8_string());
    }
}

TEST_F(SystemConfigTest, AFailedDirectoryCreationShowsOnlyWhenSaving) {
    WriteSystemFile("ConfigFileName=blocked/settings.ini\n");
    dir.WriteFile("tools/blocked", "a file where the directory should be");
    orlSystemConfig locator;
    locator.Init("tessarin", Program());
    std::unique_ptr<wxConfigBase> store;
    {
        CountingLog log;
        store = locator.Create("");
        EXPECT_EQ(log.Count(), 0);
    }
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->Write("Key", "value"));
    wxLogNull quiet;
    EXPECT_FALSE(store->Flush());
    store.reset();  // and writes nothing more when it goes
}

TEST(orlGetExecutablePath, GivesTheRealProgramFileWhateverTheFirstArgumentSays) {
    TempDirectory dir;
    struct stat self;
    ASSERT_EQ(stat("/proc/self/exe", &self), 0);
    char* me = realpath("/proc/self/exe", nullptr);
    ASSERT_NE(me, nullptr);
    dir.MakeLink(wxString(me, *wxConvFileName), "link-to-me");
    free(me);
    for (const wxString& argv0 : {wxString("settings_tests"), wxString(""),
                                  wxString("/nonexistent/dir/program"), dir.At("link-to-me")}) {
        SCOPED_TRACE(argv0.utf8_string());
        const wxString path = orlGetExecutablePath(argv0);
        EXPECT_TRUE(wxIsAbsolutePath(path)) << path;
        ASSERT_TRUE(IsFile(path)) << path;  // a plain file, not a link
        struct stat info;
        ASSERT_EQ(stat(path.fn_str(), &info), 0);
        EXPECT_EQ(info.st_dev, self.st_dev);
        EXPECT_EQ(info.st_ino, self.st_ino);
        EXPECT_EQ(orlFileName(path).GetFullName(), "settings_tests");
        char* real = realpath(path.fn_str(), nullptr);
        ASSERT_NE(real, nullptr);
        EXPECT_EQ(path, wxString(real, *wxConvFileName));
        free(real);
    }
}

}  // namespace
