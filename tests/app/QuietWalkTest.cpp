// Every window of the program opened and closed as a user would, in the locale the test
// command gives the binary (an installed one, one the machine lacks, or none at all): the
// version box, the main window in both modes, the item dialog with its word count, the
// preferences on each page, the dictionary browser with a word list, and the help. Nothing is
// written on standard error from the start of the process to the end of the walk, and no
// check of the toolkit's fails (the harness turns a failed check into a test failure).
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/html/helpfrm.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/StandardErrorCapture.h"
#include "engine/Dictionary.h"
#include "framework/dialogs/orlAbout.h"
#include "framework/orlFormatNumber.h"
#include "framework/window/orlListBoxBook.h"
#include "settings/MainConfig.h"
#include "support/ControlEvents.h"
#include "support/DialogExpectation.h"
#include "support/TempDirectory.h"
#include "support/WaitForEvents.h"
#include "ui/dictionary/WordCountDialog.h"
#include "ui/dictionary/WordDialog.h"
#include "ui/main/CombinationDialog.h"
#include "ui/main/CombinationPage.h"
#include "ui/main/MainFrame.h"
#include "ui/preferences/PreferenceDialog.h"
#include "ui/preferences/DictionaryPage.h"

template <>
class wxExpectModal<orlAbout> : public ExpectDialog<orlAbout> {
  public:
    using ExpectDialog<orlAbout>::ExpectDialog;
};
template <>
class wxExpectModal<CombinationDialog> : public ExpectDialog<CombinationDialog> {
  public:
    using ExpectDialog<CombinationDialog>::ExpectDialog;
};
template <>
class wxExpectModal<PreferenceDialog> : public ExpectDialog<PreferenceDialog> {
  public:
    using ExpectDialog<PreferenceDialog>::ExpectDialog;
};
template <>
class wxExpectModal<WordCountDialog> : public ExpectDialog<WordCountDialog> {
  public:
    using ExpectDialog<WordCountDialog>::ExpectDialog;
};
template <>
class wxExpectModal<WordDialog> : public ExpectDialog<WordDialog> {
  public:
    using ExpectDialog<WordDialog>::ExpectDialog;
};

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lets the toolkit draw what is on the screen.
void LetItPaint() {
    for (int i = 0; i < 5; ++i) {
        wxYield();
    }
}

// The dialog that the hook caught before it appeared is shown for real, as ShowModal would
// show it (its controls filled, laid out, drawn), worked, hidden again, and answered Cancel.
template <class Dialog>
int ShownForReal(Dialog* dialog, const std::function<void(Dialog*)>& work = {}) {
    dialog->Show();
    EXPECT_TRUE(testsupport::WaitUntil([&] { return dialog->IsShownOnScreen(); }))
        << dialog->GetTitle();
    LetItPaint();
    if (work) {
        work(dialog);
    }
    dialog->Hide();
    return wxID_CANCEL;
}

using testsupport::Press;

std::vector<wxStaticText*> TextsOf(wxWindow* window) {
    std::vector<wxStaticText*> texts;
    for (wxWindow* child : window->GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            texts.push_back(text);
        }
        const std::vector<wxStaticText*> inner = TextsOf(child);
        texts.insert(texts.end(), inner.begin(), inner.end());
    }
    return texts;
}

// The item dialog shows how many dictionary words its length range offers, the number
// written with the locale's digit groups.
void ExpectTheWordCountShown(CombinationDialog* dialog) {
    auto* minSpin = dynamic_cast<wxSpinCtrl*>(dialog->FindWindow(2106));
    auto* maxSpin = dynamic_cast<wxSpinCtrl*>(dialog->FindWindow(2107));
    ASSERT_TRUE(minSpin && maxSpin);
    const wxString expected = wxString::Format(
        _("(Word Count: %s)"),
        orlFormatNumber(Dictionary::Get().CountWords(minSpin->GetValue(), maxSpin->GetValue())));
    bool shown = false;
    for (wxStaticText* text : TextsOf(dialog)) {
        shown = shown || text->GetLabel() == expected;
    }
    EXPECT_TRUE(shown) << expected;
}

// The dictionary page's button opens the word counts; the first length's words are listed.
int WalkTheDictionaryBrowser(WordCountDialog* dialog) {
    return ShownForReal<WordCountDialog>(dialog, [](WordCountDialog* counts) {
        auto* list = dynamic_cast<wxListCtrl*>(counts->FindWindow(WordCountDialog::kCountListId));
        ASSERT_NE(list, nullptr);
        ASSERT_GT(list->GetItemCount(), 0) << "the dictionary has words";
        list->SetItemState(0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                           wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        wxTEST_DIALOG(Press(counts, WordCountDialog::kShowButtonId),
                      wxExpectModal<WordDialog>(
                          [](WordDialog* words) { return ShownForReal<WordDialog>(words); }));
    });
}

// Every page of the preferences in turn, and the dictionary browser from its page.
int WalkThePreferences(PreferenceDialog* dialog) {
    return ShownForReal<PreferenceDialog>(dialog, [](PreferenceDialog* preferences) {
        orlListBoxBook* book = preferences->GetBook();
        ASSERT_NE(book, nullptr);
        ASSERT_EQ(book->GetPageCount(), static_cast<size_t>(PreferencePage::kPageCount));
        for (size_t page = 0; page < book->GetPageCount(); ++page) {
            SCOPED_TRACE(page);
            book->SetSelection(page);
            LetItPaint();
            if (book->GetPage(page)->FindWindow(DictionaryPage::kShowWordsId) != nullptr) {
                wxTEST_DIALOG(Press(book->GetPage(page), DictionaryPage::kShowWordsId),
                              wxExpectModal<WordCountDialog>(WalkTheDictionaryBrowser));
            }
        }
    });
}

// The buttons that could take the toolkit's stock texts speak the program's language: its own
// translation of its label, or the label itself where it has none.
void ExpectOneLanguage(wxWindow* frame) {
    struct Button {
        wxWindowID id;
        const char* label;
    };
    const Button buttons[] = {
        {MainFrame::kCopyId, "Copy"},
        {MainFrame::kPreferencesId, "Preferences"},
        {wxID_HELP, "Help"},
        {wxID_CLOSE, "Exit"},
        {CombinationPage::kAddId, "Add"},
        {CombinationPage::kEditId, "Edit"},
        {CombinationPage::kDeleteId, "Delete"},
        {CombinationPage::kUpId, "Up"},
        {CombinationPage::kDownId, "Down"},
    };
    for (const Button& b : buttons) {
        auto* button = dynamic_cast<wxButton*>(frame->FindWindow(b.id));
        ASSERT_NE(button, nullptr) << b.label;
        EXPECT_EQ(wxStripMenuCodes(button->GetLabel()), wxGetTranslation(b.label, "tessarin"))
            << "with LANG=" << (getenv("LANG") ? getenv("LANG") : "(unset)");
    }
}

class QuietWalkTest : public testing::Test {
  protected:
    void SetUp() override {
        dir.MakeDir("home");
        dir.MakeDir("config");
        setenv("HOME", dir.At("home").fn_str(), 1);
        setenv("XDG_CONFIG_HOME", dir.At("config").fn_str(), 1);
        savedConfig = MainConfig::Get();
        testApp = wxApp::GetInstance();
    }

    void TearDown() override {
        app.reset();
        wxApp::SetInstance(testApp);
        MainConfig::Get() = savedConfig;
    }

    // A new application object, started with the words; the test binary's object stays the
    // toolkit's.
    bool Start(const std::vector<wxString>& words) {
        app.reset();
        app = std::make_unique<App>();
        wxApp::SetInstance(testApp);
        wxArrayString arguments;
        for (const wxString& word : words) {
            arguments.Add(word);
        }
        return app->Start(arguments);
    }

    MainFrame* MainWindow() const { return dynamic_cast<MainFrame*>(app->GetTopWindow()); }

    TempDirectory dir;
    std::unique_ptr<App> app;

  private:
    MainConfig savedConfig;
    wxAppConsole* testApp = nullptr;
};

TEST_F(QuietWalkTest, EveryWindowOpensAndClosesWithoutAWordOnStandardError) {
    const wxString settings = dir.At("settings.ini");

    // The main window is the first window of the process, as when the program starts.
    ASSERT_TRUE(Start({"tessarin", "-i", settings}));
    MainFrame* frame = MainWindow();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return frame->IsShownOnScreen(); }));
    LetItPaint();
    ExpectOneLanguage(frame);

    // One password, then a batch, then back.
    Press(frame, MainFrame::kCreateId);
    Press(frame, MainFrame::kModeId);
    LetItPaint();
    Press(frame, MainFrame::kCreateId);
    LetItPaint();
    Press(frame, MainFrame::kModeId);
    LetItPaint();

    auto* notebook = dynamic_cast<wxNotebook*>(frame->FindWindow(MainFrame::kNotebookId));
    ASSERT_NE(notebook, nullptr);
    notebook->SetSelection(1);
    LetItPaint();
    wxTEST_DIALOG(Press(frame, CombinationPage::kAddId),
                  wxExpectModal<CombinationDialog>([](CombinationDialog* dialog) {
                      return ShownForReal<CombinationDialog>(dialog, ExpectTheWordCountShown);
                  }));
    notebook->SetSelection(0);

    wxTEST_DIALOG(Press(frame, MainFrame::kPreferencesId),
                  wxExpectModal<PreferenceDialog>(WalkThePreferences));

    Press(frame, wxID_HELP);
    wxHtmlHelpFrame* help = nullptr;
    EXPECT_TRUE(testsupport::WaitUntil([&] {
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* shown = dynamic_cast<wxHtmlHelpFrame*>(window);
                shown != nullptr && shown->IsShownOnScreen()) {
                help = shown;
            }
        }
        return help != nullptr;
    })) << "the help opens";
    LetItPaint();
    if (help != nullptr) {
        wxWeakRef<wxWindow> helpWindow(help);
        help->Close(true);
        EXPECT_TRUE(testsupport::WaitUntil([&] { return !helpWindow; }));
    }

    wxWeakRef<wxWindow> window(frame);
    frame->Close(true);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !window; }));
    app->SetTopWindow(nullptr);
    app->Finish();

    wxTEST_DIALOG(EXPECT_FALSE(Start({"tessarin", "-v"})),
                  wxExpectModal<orlAbout>([](orlAbout* box) { return ShownForReal(box); }));

    std::fflush(stderr);
    EXPECT_EQ(ReadAll(CapturedStandardErrorPath()), "")
        << "with LANG=" << (getenv("LANG") ? getenv("LANG") : "(unset)")
        << " LC_ALL=" << (getenv("LC_ALL") ? getenv("LC_ALL") : "(unset)");
}

}  // namespace
