// A fresh directory under the temporary directory for one test, removed with everything in
// it afterwards (links are removed, never followed).
#pragma once

#include <ftw.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filename.h>
#include <wx/string.h>

#include <fstream>
#include <string>
#include <string_view>

class TempDirectory {
  public:
    TempDirectory() {
        std::string pattern = (wxFileName::GetTempDir() + "/tessarin-test-XXXXXX").utf8_string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot make a temporary directory";
            return;
        }
        root = wxString::FromUTF8(pattern);
    }

    ~TempDirectory() {
        if (!root.empty()) {
            nftw(root.fn_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
        }
    }

    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const wxString& Root() const { return root; }
    wxString At(const wxString& relative) const { return root + "/" + relative; }

    void WriteFile(const wxString& relative, std::string_view bytes = {}) const {
        std::ofstream out(At(relative).utf8_string(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(out.good()) << "cannot write " << relative.utf8_string();
    }

    void MakeDir(const wxString& relative) const {
        EXPECT_EQ(mkdir(At(relative).fn_str(), 0777), 0) << relative.utf8_string();
    }

    void MakeLink(const wxString& target, const wxString& relative) const {
        EXPECT_EQ(symlink(target.fn_str(), At(relative).fn_str()), 0) << relative.utf8_string();
    }

  private:
    static int RemoveEntry(const char* path, const struct stat*, int type, struct FTW*) {
        if (type == FTW_DP || type == FTW_D || type == FTW_DNR) {
            chmod(path, 0700);
            rmdir(path);
        } else {
            unlink(path);
        }
        return 0;
    }

    wxString root;
};
