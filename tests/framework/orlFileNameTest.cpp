#include "framework/orlFileName.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>
#include <wx/utils.h>

#include <vector>

namespace {

std::string Show(const wxString& text) {
    return text.utf8_string();
}

TEST(FileNameTest, SeparatorIsTheSlashAlone) {
    EXPECT_EQ(orl::GetPathSeparator(), '/');
    EXPECT_TRUE(orl::IsPathSeparator('/'));
    EXPECT_FALSE(orl::IsPathSeparator('\\'));
    EXPECT_FALSE(orl::IsPathSeparator(':'));
}

TEST(FileNameTest, KindOfNameIsDecidedFromItsStart) {
    struct Case {
        const char* text;
        bool url;
        bool unc;
    };
    const Case cases[] = {
        {"http://host/a", true, false},
        {"HTTPS://host", true, false},
        {"file:///opt/x", true, false},
        {"urn:isbn:123", true, false},
        {"ab:", true, false},
        {"C:/tools", false, false},  // one letter and a colon is a drive
        {"C:", false, false},
        {"a1:b", false, false},
        {"1ab:c", false, false},
        {"ab", false, false},
        {"//server/share", false, true},
        {"//", false, true},
        {"/opt/tools", false, false},
        {"/", false, false},
        {"dict", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(orl::IsUrlName(c.text), c.url);
        EXPECT_EQ(orl::IsUncName(c.text), c.unc);
        const orlFileName name(c.text);
        EXPECT_EQ(name.IsUrl(), c.url);
        EXPECT_EQ(name.IsUnc(), c.unc);
    }
}

// Removing trailing separators, on its own and as the normalisation of a name that is set.
TEST(FileNameTest, TrailingSeparatorsGoButRootsStay) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"/opt/tools/dict/", "/opt/tools/dict"},
        {"/opt/tools//", "/opt/tools"},
        {"dict", "dict"},
        {"/", "/"},
        {"///", "//"},
        {"C:/", "C:"},
        {"C:", "C:"},
        {"http://host/a/", "http://host/a"},
        {"http://host/", "http://host"},
        {"http://", "http://"},
        {"http:///", "http://"},
        {"file:///", "file://"},
        {"file:///opt/x/", "file:///opt/x"},
        {"urn:", "urn:"},
        {"//server/share/", "//server/share"},
        {"//server//", "//server"},
        {"//", "//"},
        {"a\\", "a\\"},  // not a separator here
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Show(orl::RemoveTrailingSeparators(c.text)), c.expected);
        EXPECT_EQ(Show(orlFileName(c.text).GetText()), c.expected);
        orlFileName assigned("/elsewhere");
        assigned = wxString(c.text);
        EXPECT_EQ(Show(assigned.GetText()), c.expected);
    }
}

TEST(FileNameTest, AppendSeparatorAddsOneOnlyWhereMissing) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"/opt/tools", "/opt/tools/"},
        {"/opt/tools/", "/opt/tools/"},
        {"/", "/"},
        {"", ""},
        {"http://host", "http://host/"},
        {"C:", "C:/"},
        {"a\\", "a\\/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Show(orl::AppendSeparator(c.text)), c.expected);
    }
}

TEST(FileNameTest, DriveRootIsOneLetterAndAColon) {
    struct Case {
        const char* text;
        bool expected;
    };
    const Case cases[] = {
        {"C:", true},  {"c:/", true}, {"Z://", true}, {"C:/x", false}, {"CC:", false},
        {"1:", false}, {"C", false},  {"/", false},   {"", false},     {":", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(orl::IsDriveRoot(c.text), c.expected);
    }
}

TEST(FileNameTest, SplitsIntoDirectoryNameAndExtension) {
    struct Case {
        const char* text;
        const char* fullPath;
        const char* path;
        const char* fullName;
        const char* name;
        const char* ext;
    };
    const Case cases[] = {
        {"/opt/tools/dict/", "/opt/tools/dict", "/opt/tools", "dict", "dict", ""},
        {"/opt/dict/a.DIC", "/opt/dict/a.DIC", "/opt/dict", "a.DIC", "a", "DIC"},
        {"/opt/a.b.dic", "/opt/a.b.dic", "/opt", "a.b.dic", "a.b", "dic"},
        {"/opt/.profile", "/opt/.profile", "/opt", ".profile", ".profile", ""},
        {"words", "words", "", "words", "words", ""},
        {"/a", "/a", "/", "a", "a", ""},
        {"/", "/", "/", "", "", ""},
        {"C:/x.txt", "C:/x.txt", "C:", "x.txt", "x", "txt"},
        {"http://host/a/b.txt", "http://host/a/b.txt", "http://host/a", "b.txt", "b", "txt"},
        {"http://host/a/", "http://host/a", "http://host", "a", "a", ""},
        {"http://host", "http://host", "http://host", "", "", ""},
        {"http://host/.hidden", "http://host/.hidden", "http://host", ".hidden", ".hidden", ""},
        {"file:///etc/x.ini", "file:///etc/x.ini", "file:///etc", "x.ini", "x", "ini"},
        {"urn:isbn:1.5", "urn:isbn:1.5", "urn:", "isbn:1.5", "isbn:1", "5"},
        {"//server/share/x.dic", "//server/share/x.dic", "//server/share", "x.dic", "x", "dic"},
        {"//server", "//server", "//server", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const orlFileName name(c.text);
        EXPECT_EQ(Show(name.GetFullPath()), c.fullPath);
        EXPECT_EQ(Show(name.GetPath()), c.path);
        EXPECT_EQ(Show(name.GetFullName()), c.fullName);
        EXPECT_EQ(Show(name.GetName()), c.name);
        EXPECT_EQ(Show(name.GetExt()), c.ext);
    }
}

TEST(FileNameTest, CopiesAreIndependent) {
    const orlFileName local("/opt/a.dic");
    orlFileName copy(local);
    copy = wxString("http://host/b/c.txt");
    EXPECT_EQ(Show(local.GetPath()), "/opt");
    EXPECT_EQ(Show(copy.GetPath()), "http://host/b");

    orlFileName assigned("http://host/x");
    assigned = local;
    EXPECT_EQ(Show(assigned.GetExt()), "dic");
    EXPECT_EQ(Show(assigned.GetPath()), "/opt");
    assigned = assigned;
    EXPECT_EQ(Show(assigned.GetFullPath()), "/opt/a.dic");

    orlFileName url("http://host/y.ini");
    const orlFileName urlCopy(url);
    url = local;
    EXPECT_EQ(Show(urlCopy.GetFullName()), "y.ini");
    EXPECT_TRUE(urlCopy.IsUrl());
}

// Sets an environment variable for the life of the object and restores it afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const wxString& variable, const wxString& value) : name(variable) {
        had = wxGetEnv(variable, &old);
        wxSetEnv(variable, value);
    }
    ~ScopedEnv() {
        if (had) {
            wxSetEnv(name, old);
        } else {
            wxUnsetEnv(name);
        }
    }

  private:
    wxString name;
    wxString old;
    bool had = false;
};

TEST(FileNameTest, MakeAbsoluteResolvesAgainstTheBase) {
    const ScopedEnv home("HOME", "/home/tester");
    const wxString cwd = wxGetCwd();
    struct Case {
        wxString name;
        wxString base;
        wxString expected;
    };
    const std::vector<Case> cases = {
        {"dict", "/opt/tools", "/opt/tools/dict"},
        {"../data/x.ini", "/opt/tools/bin", "/opt/tools/data/x.ini"},
        {"dict", "/opt/tools/", "/opt/tools/dict"},
        {"dict", "/opt/tools/bin/..", "/opt/tools/dict"},
        {"./a/./b/../c", "/opt", "/opt/a/c"},
        {"..", "/opt/tools", "/opt"},
        {"a/..", "/opt", "/opt"},
        {".", "/opt/tools", "/opt/tools"},
        {"../../../..", "/opt", "/"},
        {"", "/opt/tools", "/opt/tools"},
        {"/etc/x", "/opt", "/etc/x"},
        {"/etc/../var/x", "/opt", "/var/x"},
        {"C:", "/opt", "C:"},  // a drive root is left alone
        // Home directory, in the name and in the base.
        {"~/x", "/opt", "/home/tester/x"},
        {"~", "/opt", "/home/tester"},
        {"x", "~/y", "/home/tester/y/x"},
        // A relative or empty base is the current directory's.
        {"dict", "", cwd + "/dict"},
        {"dict", "rel", cwd + "/rel/dict"},
        // URL names and URL bases.
        {"http://host/a/./b/../c", "/opt", "http://host/a/c"},
        {"http://host/../../x", "", "http://host/x"},
        {"x.dic", "http://host/dir/", "http://host/dir/x.dic"},
        {"../x.dic", "http://host/a/b", "http://host/a/x.dic"},
        {"../../../x", "http://host/a", "http://host/x"},
        {"x", "file:///opt/d", "file:///opt/d/x"},
        {"/etc/x", "http://host/a", "/etc/x"},
        // UNC names and bases keep their server.
        {"//server/share/a/../b", "/opt", "//server/share/b"},
        {"//server/share/../..", "/opt", "//server"},
        {"x", "//server/share", "//server/share/x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.name + " against " + c.base));
        orlFileName name(c.name);
        EXPECT_TRUE(name.MakeAbsolute(c.base));
        EXPECT_EQ(Show(name.GetText()), Show(c.expected));
        EXPECT_EQ(Show(name.GetFullPath()), Show(c.expected));
    }
}

TEST(FileNameTest, MakeAbsoluteFailsWithoutChangeForAnUnknownHome) {
    struct Case {
        const char* name;
        const char* base;
    };
    const Case cases[] = {
        {"~no-such-user-tessarin/x", "/opt"},
        {"x", "~no-such-user-tessarin/y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        orlFileName name(c.name);
        EXPECT_FALSE(name.MakeAbsolute(c.base));
        EXPECT_EQ(Show(name.GetText()), c.name);
    }
}

}  // namespace
