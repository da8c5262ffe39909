#include "framework/dialogs/orlSelectSaveFile.h"

#include <gtest/gtest.h>

#include <wx/filedlg.h>
#include "support/WaitForEvents.h"

#include "support/TempDirectory.h"
#include "support/WindowFixture.h"
#include "support/orlDialogTestSupport.h"

namespace {

// What the save dialog was opened with.
struct FileDialogSeen {
    bool seen = false;
    wxString title;
    wxWindow* parent = nullptr;
    wxString directory;
    wxString fileName;
    wxString wildcard;
    long style = 0;
};

// Records the save dialog and answers it with the button and, for OK, the chosen path.
ExpectDialog<wxFileDialog> AnswerSaveDialog(FileDialogSeen& seen, int answer,
                                            const wxString& chosen = wxString()) {
    return ExpectDialog<wxFileDialog>([&seen, answer, chosen](wxFileDialog* dialog) {
        seen.seen = true;
        seen.title = dialog->GetMessage();
        seen.parent = dialog->GetParent();
        seen.directory = dialog->GetDirectory();
        seen.fileName = dialog->GetFilename();
        seen.wildcard = dialog->GetWildcard();
        seen.style = dialog->GetWindowStyle();
        if (answer == wxID_OK) {
            // The native dialog takes the path in once it has read the directory.
            dialog->SetPath(chosen);
            testsupport::WaitUntil([&] { return !dialog->GetPath().empty(); });
        }
        return answer;
    });
}

class SelectSaveFileTest : public WindowFixture {
  protected:
    // The file dialog takes a hidden parent for none.
    void SetUp() override {
        WindowFixture::SetUp();
        ShowFrame();
    }

    TempDirectory temp;
};

TEST_F(SelectSaveFileTest, OpensTheSaveDialogWhereThePathPoints) {
    struct Case {
        const char* what;
        wxString path;
        wxString directory;
        wxString fileName;
    };
    const Case cases[] = {
        {"an existing directory", temp.At("out.txt"), temp.Root(), "out.txt"},
        {"a directory that is gone", temp.At("gone/out.txt"), "", "out.txt"},
        {"an empty path", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FileDialogSeen seen;
        wxString path = c.path;
        bool chosen = true;
        wxTEST_DIALOG(
            chosen = orlSelectSaveFile(Frame(), "Save", path, "Text (*.txt)|*.txt", false),
            AnswerSaveDialog(seen, wxID_CANCEL));

        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.directory, c.directory);
        EXPECT_EQ(seen.fileName, c.fileName);
        EXPECT_FALSE(chosen);
        EXPECT_EQ(path, c.path) << "a cancelled dialog leaves the path alone";
    }
}

TEST_F(SelectSaveFileTest, OffersTheGivenFiltersAndAllFilesForSaving) {
    struct Case {
        wxString wildcard;
        bool overwritePrompt;
        wxString filters;
    };
    const Case cases[] = {
        {"Text (*.txt)|*.txt", true, "Text (*.txt)|*.txt|All files (*.*)|*.*"},
        {"Text (*.txt)|*.txt|CSV (*.csv)|*.csv", false,
         "Text (*.txt)|*.txt|CSV (*.csv)|*.csv|All files (*.*)|*.*"},
        {"", true, "All files (*.*)|*.*"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filters);
        FileDialogSeen seen;
        wxString path = temp.At("out.txt");
        wxTEST_DIALOG(
            orlSelectSaveFile(Frame(), "Save passwords", path, c.wildcard, c.overwritePrompt),
            AnswerSaveDialog(seen, wxID_CANCEL));

        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.wildcard, c.filters);
        EXPECT_EQ(seen.title, "Save passwords");
        EXPECT_EQ(seen.parent, Frame());
        EXPECT_TRUE(seen.style & wxFD_SAVE);
        EXPECT_FALSE(seen.style & wxFD_OPEN);
        EXPECT_EQ((seen.style & wxFD_OVERWRITE_PROMPT) != 0, c.overwritePrompt);
    }
}

TEST_F(SelectSaveFileTest, GivesBackTheChosenPath) {
    struct Case {
        const char* what;
        wxString chosen;
        wxString expected;
    };
    const Case cases[] = {
        {"a plain path", temp.At("passwords.txt"), temp.At("passwords.txt")},
        {"a backslash, which is part of a name here", temp.At("a\\b.txt"), temp.At("a\\b.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FileDialogSeen seen;
        wxString path = temp.At("old.txt");
        bool chosen = false;
        wxTEST_DIALOG(chosen = orlSelectSaveFile(Frame(), "Save", path, "", true),
                      AnswerSaveDialog(seen, wxID_OK, c.chosen));
        EXPECT_TRUE(chosen);
        EXPECT_EQ(path, c.expected);
    }
}

TEST_F(SelectSaveFileTest, TheFilterTextComesFromTheMessageCatalog) {
    MadeUpTranslations catalog(
        std::map<std::string, std::string>{{"All files (*.*)|*.*", "Alle Dateien (*)|*"}});
    FileDialogSeen seen;
    wxString path;
    wxTEST_DIALOG(orlSelectSaveFile(Frame(), "Save", path, "Text (*.txt)|*.txt", true),
                  AnswerSaveDialog(seen, wxID_CANCEL));
    EXPECT_EQ(seen.wildcard, "Text (*.txt)|*.txt|Alle Dateien (*)|*");
}

}  // namespace
