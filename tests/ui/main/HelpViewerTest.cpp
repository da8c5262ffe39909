#include "ui/main/HelpViewer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/config.h>
#include <wx/html/helpdata.h>
#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>
#include <wx/html/htmlwin.h>
#include <wx/memconf.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/dialogs/orlLogDialog.h"
#include "support/CountingBell.h"
#include "support/CountingLog.h"
#include "support/DialogExpectation.h"
#include "support/LogDialogExpectation.h"
#include "support/TempDirectory.h"
#include "support/WaitForEvents.h"
#include "support/WindowFixture.h"

namespace {

const wxString kBook = TESSARIN_HELP_BOOK;

// The viewer windows that are open (not waiting to be deleted).
std::vector<wxHtmlHelpFrame*> HelpFrames() {
    std::vector<wxHtmlHelpFrame*> frames;
    for (wxWindow* window : wxTopLevelWindows) {
        auto* frame = dynamic_cast<wxHtmlHelpFrame*>(window);
        if (frame != nullptr && !wxPendingDelete.Member(frame)) {
            frames.push_back(frame);
        }
    }
    return frames;
}

bool NoHelpFrame() {
    return HelpFrames().empty();
}

// The one viewer window, once it is on the screen; null (and a failure) otherwise.
wxHtmlHelpFrame* ShownHelpFrame() {
    testsupport::WaitUntil(
        [] { return HelpFrames().size() == 1 && HelpFrames().front()->IsShownOnScreen(); });
    const std::vector<wxHtmlHelpFrame*> frames = HelpFrames();
    EXPECT_EQ(frames.size(), 1u) << "one viewer window";
    if (frames.size() != 1 || !frames.front()->IsShownOnScreen()) {
        ADD_FAILURE() << "the viewer window is not on the screen";
        return nullptr;
    }
    return frames.front();
}

wxHtmlWindow* PageOf(wxHtmlHelpFrame* frame) {
    return frame->GetHelpWindow()->GetHtmlWindow();
}

// The page the viewer shows, as its name inside the book ("index.html").
wxString OpenedPage(wxHtmlHelpFrame* frame) {
    return PageOf(frame)->GetOpenedPage().AfterLast(':');
}

// The titles the contents tree shows.
std::vector<std::string> ContentsTitles(wxHtmlHelpFrame* frame) {
    std::vector<std::string> titles;
    wxTreeCtrl* tree = frame->GetHelpWindow()->GetTreeCtrl();
    std::vector<wxTreeItemId> pending{tree->GetRootItem()};
    while (!pending.empty()) {
        const wxTreeItemId item = pending.back();
        pending.pop_back();
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = tree->GetFirstChild(item, cookie); child.IsOk();
             child = tree->GetNextChild(item, cookie)) {
            titles.push_back(tree->GetItemText(child).utf8_string());
            pending.push_back(child);
        }
    }
    return titles;
}

// Writes a help book of one page with the given title.
void WriteBook(const wxString& path, const std::string& title) {
    wxFFileOutputStream file(path);
    wxZipOutputStream zip(file);
    const std::pair<const char*, std::string> entries[] = {
        {"other.hhp",
         "[OPTIONS]\nContents file=other.hhc\nDefault topic=start.html\nTitle=" + title + "\n"},
        {"other.hhc",
         "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Start\">"
         "<param name=\"Local\" value=\"start.html\"></object></ul>"},
        {"start.html", "<html><head><title>Start</title></head><body>Start</body></html>"},
    };
    for (const auto& [name, text] : entries) {
        zip.PutNextEntry(name);
        zip.Write(text.data(), text.size());
    }
    ASSERT_TRUE(zip.Close() && file.Close());
}

class HelpViewerTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(wxFileExists(kBook)) << "the build makes " << kBook;
    }

    void TearDown() override {
        // A viewer window left open by a failed test would confuse the next one.
        for (wxHtmlHelpFrame* frame : HelpFrames()) {
            frame->Destroy();
        }
        testsupport::WaitUntil(NoHelpFrame);
        WindowFixture::TearDown();
    }

    CountingBell bell;
};

TEST_F(HelpViewerTest, AMissingBookIsReportedWithThePathLookedFor) {
    TempDirectory dir;
    dir.MakeDir("docs");
    dir.MakeDir("docs/en");
    dir.MakeDir("docs/en/tessarin.htb");
    const wxString cases[] = {
        dir.At("docs/ja/tessarin.htb"),  // no such file
        dir.At("docs/en/tessarin.htb"),  // a directory in its place
    };
    for (const wxString& path : cases) {
        SCOPED_TRACE(path.utf8_string());
        HelpViewer viewer;
        wxString message, report;
        wxWindow* parent = nullptr;
        wxTEST_DIALOG(
            viewer.Show(Frame(), path), wxExpectModal<orlLogDialog>([&](orlLogDialog* dialog) {
                auto* label =
                    dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", dialog));
                auto* text = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("text", dialog));
                message = label != nullptr ? label->GetLabel() : "(no message)";
                report = text != nullptr ? text->GetValue() : "(no report)";
                parent = dialog->GetParent();
                return wxID_OK;
            }));
        EXPECT_EQ(message, "The Help file is not found");
        EXPECT_EQ(report, path) << "the path alone, with no line feed before it";
        EXPECT_EQ(parent, Frame());
        wxYield();
        EXPECT_TRUE(NoHelpFrame()) << "no viewer for a missing book";
    }
}

TEST_F(HelpViewerTest, TheBuiltBooksOpenAtTheirContentsPage) {
    // The title and some chapters of each book, as the viewer shows them (UTF-8).
    const struct {
        const char* language;
        const char* title;
        std::vector<std::string> chapters;
    } books[] = {
        {"en",
         "tessarin Help",
         {"Overview", "The main window", "The Combination page", "Simple passwords", "Preferences",
          "The command line"}},
        {"ja",
         "tessarin ヘルプ",
         {"概要", "メインウィンドウ", "「組み合わせ」ページ", "単純なパスワード", "設定",
          "コマンドライン"}},
    };
    for (const auto& expected : books) {
        SCOPED_TRACE(expected.language);
        const wxString path =
            wxString(TESSARIN_HELP_BOOK_ROOT) + "/" + expected.language + "/tessarin.htb";
        const wxString title = wxString::FromUTF8(expected.title);
        HelpViewer viewer;
        CountingLog log;
        viewer.Show(Frame(), path);

        wxHtmlHelpFrame* frame = ShownHelpFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(OpenedPage(frame), "index.html");
        EXPECT_EQ(PageOf(frame)->GetOpenedPageTitle(), title);
        const std::vector<std::string> titles = ContentsTitles(frame);
        for (const std::string& chapter : expected.chapters) {
            EXPECT_THAT(titles, testing::Contains(chapter));
        }
        wxTreeCtrl* tree = frame->GetHelpWindow()->GetTreeCtrl();
        wxTreeItemIdValue cookie;
        const wxTreeItemId book = tree->GetFirstChild(tree->GetRootItem(), cookie);
        ASSERT_TRUE(book.IsOk());
        EXPECT_EQ(tree->GetItemText(book), title);
        EXPECT_TRUE(tree->IsExpanded(book)) << "the chapters show at once";
        EXPECT_EQ(frame->GetParent(), nullptr) << "a window of its own beside the main window";
        EXPECT_EQ(log.Count(), 0);
    }
    EXPECT_TRUE(testsupport::WaitUntil(NoHelpFrame)) << "each viewer took its window along";
}

// Every entry of either book's contents, its chapters opened, shows whole in the contents list
// the first time the viewer opens.
TEST_F(HelpViewerTest, TheContentsListShowsEveryEntryWhole) {
    for (const char* language : {"en", "ja"}) {
        SCOPED_TRACE(language);
        HelpViewer viewer;
        viewer.Show(Frame(), wxString(TESSARIN_HELP_BOOK_ROOT) + "/" + language + "/tessarin.htb");
        wxHtmlHelpFrame* frame = ShownHelpFrame();
        ASSERT_NE(frame, nullptr);
        wxTreeCtrl* tree = frame->GetHelpWindow()->GetTreeCtrl();
        tree->ExpandAll();
        wxYield();
        const int width = tree->GetClientSize().x;
        int entries = 0;
        for (wxTreeItemId item = tree->GetFirstVisibleItem(); item.IsOk();
             item = tree->GetNextVisible(item)) {
            wxRect text;
            if (tree->GetBoundingRect(item, text, true)) {
                ++entries;
                EXPECT_LE(text.GetRight(), width) << tree->GetItemText(item).utf8_string();
            }
        }
        EXPECT_GT(entries, 10) << "the chapters were opened";
    }
}

TEST_F(HelpViewerTest, ASecondShowBringsTheSameViewerBackToTheContents) {
    HelpViewer viewer;
    viewer.Show(Frame(), kBook);
    wxHtmlHelpFrame* first = ShownHelpFrame();
    ASSERT_NE(first, nullptr);

    // The user reads another page.
    ASSERT_TRUE(first->GetHelpWindow()->Display("messages.html"));
    ASSERT_EQ(OpenedPage(first), "messages.html");

    viewer.Show(Frame(), kBook);
    wxHtmlHelpFrame* second = ShownHelpFrame();
    EXPECT_EQ(second, first);
    EXPECT_EQ(OpenedPage(first), "index.html");
    EXPECT_EQ(first->GetData()->GetBookRecArray().size(), 1u) << "the book is added once";
}

TEST_F(HelpViewerTest, TheViewerKeepsItsFirstBook) {
    TempDirectory dir;
    WriteBook(dir.At("other.htb"), "Other book");

    HelpViewer viewer;
    viewer.Show(Frame(), kBook);
    viewer.Show(Frame(), dir.At("other.htb"));

    wxHtmlHelpFrame* frame = ShownHelpFrame();
    ASSERT_NE(frame, nullptr);
    const wxHtmlBookRecArray& books = frame->GetData()->GetBookRecArray();
    ASSERT_EQ(books.size(), 1u);
    EXPECT_EQ(books[0].GetTitle(), "tessarin Help");
    EXPECT_EQ(OpenedPage(frame), "index.html");
}

TEST_F(HelpViewerTest, ABookGoneAfterTheViewerStartedIsReportedToo) {
    HelpViewer viewer;
    viewer.Show(Frame(), kBook);
    ASSERT_NE(ShownHelpFrame(), nullptr);

    TempDirectory dir;
    wxString report;
    wxTEST_DIALOG(viewer.Show(Frame(), dir.At("tessarin.htb")),
                  wxExpectModal<orlLogDialog>([&](orlLogDialog* dialog) {
                      auto* text =
                          dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("text", dialog));
                      report = text != nullptr ? text->GetValue() : "(no report)";
                      return wxID_OK;
                  }));
    EXPECT_EQ(report, dir.At("tessarin.htb"));
    EXPECT_NE(ShownHelpFrame(), nullptr) << "the open viewer stays";
}

TEST_F(HelpViewerTest, AViewerTheUserClosedOpensAgain) {
    HelpViewer viewer;
    viewer.Show(Frame(), kBook);
    wxHtmlHelpFrame* frame = ShownHelpFrame();
    ASSERT_NE(frame, nullptr);

    ASSERT_TRUE(frame->Close());
    ASSERT_TRUE(testsupport::WaitUntil(NoHelpFrame));

    viewer.Show(Frame(), kBook);
    frame = ShownHelpFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(OpenedPage(frame), "index.html");
}

TEST_F(HelpViewerTest, ABookThatCannotBeOpenedShowsAndReportsNothing) {
    TempDirectory dir;
    dir.WriteFile("tessarin.htb", "not a help book\n");

    HelpViewer viewer;
    {
        CountingLog log;
        viewer.Show(Frame(), dir.At("tessarin.htb"));  // the guards fail on any dialog
        wxYield();
        EXPECT_TRUE(NoHelpFrame());
        EXPECT_EQ(log.Count(), 0);
        EXPECT_EQ(bell.Rings(), 0);
    }

    // The failed start did not keep the viewer from opening a good book.
    viewer.Show(Frame(), kBook);
    wxHtmlHelpFrame* frame = ShownHelpFrame();
    ASSERT_NE(frame, nullptr);
    const wxHtmlBookRecArray& books = frame->GetData()->GetBookRecArray();
    ASSERT_EQ(books.size(), 1u);
    EXPECT_EQ(books[0].GetTitle(), "tessarin Help");
}

TEST_F(HelpViewerTest, DestroyingTheViewerClosesItsWindow) {
    {
        HelpViewer viewer;
        viewer.Show(Frame(), kBook);
        ASSERT_NE(ShownHelpFrame(), nullptr);
    }
    EXPECT_TRUE(testsupport::WaitUntil(NoHelpFrame));

    HelpViewer unused;  // never shown: nothing to close
}

// Makes an empty store in memory the toolkit's global settings while it lives, as a program
// does that keeps its own settings there.
class GlobalSettings {
  public:
    GlobalSettings() : previous(wxConfigBase::Set(&store)) {}
    ~GlobalSettings() { wxConfigBase::Set(previous); }
    GlobalSettings(const GlobalSettings&) = delete;
    GlobalSettings& operator=(const GlobalSettings&) = delete;

    size_t Groups() { return store.GetNumberOfGroups(true); }
    size_t Entries() { return store.GetNumberOfEntries(true); }

  private:
    wxMemoryConfig store;
    wxConfigBase* previous;
};

TEST_F(HelpViewerTest, TheViewerKeepsItsWindowSettingsOutOfTheGlobalSettings) {
    GlobalSettings global;
    {
        HelpViewer viewer;
        viewer.Show(Frame(), kBook);
        wxHtmlHelpFrame* frame = ShownHelpFrame();
        ASSERT_NE(frame, nullptr);
        frame->Close();  // the toolkit records the window's geometry on closing
        ASSERT_TRUE(testsupport::WaitUntil(NoHelpFrame));
        viewer.Show(Frame(), kBook);
        ASSERT_NE(ShownHelpFrame(), nullptr);
    }
    ASSERT_TRUE(testsupport::WaitUntil(NoHelpFrame));

    EXPECT_EQ(global.Groups(), 0u);
    EXPECT_EQ(global.Entries(), 0u);
}

}  // namespace
