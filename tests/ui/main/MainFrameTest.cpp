#include "ui/main/MainFrame.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <sys/stat.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/listctrl.h>
#include <wx/statbmp.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Dictionary.h"
#include "framework/config/orlSystemConfig.h"
#include "support/ClipboardText.h"
#include "support/ControlEvents.h"
#include "support/DialogExpectation.h"
#include "support/FocusChecks.h"
#include "support/GdkKeys.h"
#include "support/LogDialogExpectation.h"
#include "support/MessageBoxExpectation.h"
#include "support/TempDirectory.h"
#include "support/WaitForEvents.h"
#include "support/orlWindowTestSupport.h"
#include "ui/main/ApplicationIcon.h"
#include "ui/main/MainWindowFixture.h"
#include "ui/preferences/PreferenceDialog.h"

template <>
class wxExpectModal<PreferenceDialog> : public ExpectDialog<PreferenceDialog> {
  public:
    using ExpectDialog<PreferenceDialog>::ExpectDialog;
};

namespace {

using testsupport::ClipboardText;
using testsupport::SetClipboardText;

std::string ReadBytes(const wxString& path) {
    std::ifstream in(path.utf8_string(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<wxString> Lines(const wxString& text) {
    std::vector<wxString> lines;
    wxString rest = text;
    while (!rest.empty()) {
        lines.push_back(rest.BeforeFirst('\n'));
        rest = rest.AfterFirst('\n');
    }
    return lines;
}

bool AllOf(const wxString& text, const wxString& pool) {
    for (const wxUniChar c : text) {
        if (pool.Find(c) == wxNOT_FOUND) {
            return false;
        }
    }
    return true;
}

// The main window over the live settings, each test with its own window and the settings it
// starts from: ten-character standard passwords of capital letters and digits.
class MainFrameTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        UseChar& use = Config().StandardUseChar;
        use.Length = 10;
        use.AlphabetUpper = true;
        use.AlphabetLower = false;
        use.Numeric = true;
        use.Symbol = false;
        use.UseAllKind = true;
        Config().PluralCreateCount = 50;
    }

    // Makes the window from the settings as they are now and shows it.
    void Open() {
        MakeWindow();
        frame->Show();
        testsupport::WaitUntil([&] { return frame->IsShownOnScreen(); });
        wxYield();
    }

    template <class T = wxWindow>
    T* Find(wxWindowID id) const {
        return testsupport::Find<T>(frame, id);
    }
    PasswordText* Text() const { return Find<PasswordText>(PasswordText::kTextId); }
    wxButton* Button(wxWindowID id) const { return Find<wxButton>(id); }
    wxCheckBox* NonShowCheck() const { return Find<wxCheckBox>(MainFrame::kNonShowId); }
    wxNotebook* Notebook() const { return Find<wxNotebook>(MainFrame::kNotebookId); }

    // Presses the button the way a click does: the button's command goes up to the window.
    void Click(wxWindowID id) { testsupport::Press(Button(id)); }
    void ClickCheck(wxWindowID id, bool value) { testsupport::Tick(frame, id, value); }

    // Whether the control is enabled after the toolkit's update-UI pass.
    bool EnabledAfterUpdate(wxWindowID id) {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        wxWindow* window = Find(id);
        return window != nullptr && window->IsEnabled();
    }

    // The command the context menu's Copy item sends, or the one Ctrl+C posts.
    void CopySelection(wxWindowID id) {
        wxCommandEvent event(id == PasswordText::kCopySelectionId ? wxEVT_MENU : EVT_PASSWORD_COPY,
                             id);
        event.SetEventObject(Text());
        if (id == PasswordText::kCopySelectionId) {
            Text()->GetEventHandler()->ProcessEvent(event);
        } else {
            frame->GetEventHandler()->ProcessEvent(event);
        }
    }

    // Creates with an error box expected, and returns its message.
    wxString CreateExpectingError() {
        wxString message;
        wxTEST_DIALOG(Click(MainFrame::kCreateId),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* box) {
                          message = MessageOf(box);
                          EXPECT_EQ(box->GetParent(), frame);
                          return wxID_OK;
                      }));
        return message;
    }
};

const wxString kCapitalsAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

TEST_F(MainFrameTest, ControlsCarryTheirLabelsAndTooltips) {
    Open();
    EXPECT_EQ(frame->GetTitle(), "tessarin");
    EXPECT_FALSE(frame->HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(frame->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(frame->GetIcon().IsOk());

    struct Case {
        wxWindowID id;
        const char* label;
        const char* tooltip;
    };
    const Case cases[] = {
        {MainFrame::kCreateId, "Create", "Generate the password"},
        {MainFrame::kModeId, "Plurality", "Switch to the plural creation mode"},
        {MainFrame::kPreferencesId, "Preferences", "Change the settings"},
        {wxID_HELP, "Help", "Show the help"},
        {wxID_CLOSE, "Exit", "Exit the program"},
        {MainFrame::kCopyId, "Copy", "Copy the password into the clipboard"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        wxButton* button = Button(c.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GetLabel(), c.label);
        EXPECT_EQ(button->GetToolTipText(), c.tooltip);
    }
    EXPECT_EQ(Button(wxID_SAVEAS), nullptr) << "single mode has no Save button";
    EXPECT_EQ(frame->GetDefaultItem(), Button(MainFrame::kCreateId));
    EXPECT_GT(Button(MainFrame::kCreateId)->GetFont().GetPointSize(),
              Button(MainFrame::kModeId)->GetFont().GetPointSize());

    ASSERT_NE(NonShowCheck(), nullptr);
    EXPECT_EQ(NonShowCheck()->GetLabel(), "Don't show password, copy it onto the clipboard");
    auto* deterSimple = Find<wxCheckBox>(MainFrame::kDeterSimpleId);
    ASSERT_NE(deterSimple, nullptr);
    EXPECT_EQ(deterSimple->GetLabel(), "Don't generate a simple password");
    EXPECT_TRUE(deterSimple->GetValue());

    ASSERT_NE(Notebook(), nullptr);
    ASSERT_EQ(Notebook()->GetPageCount(), 2u);
    EXPECT_EQ(Notebook()->GetPageText(0), " Standard ");
    EXPECT_EQ(Notebook()->GetPageText(1), "Combination");
    EXPECT_EQ(Notebook()->GetSelection(), 0);

    auto* picture = Find<wxStaticBitmap>(wxID_STATIC);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetBitmap().GetSize(), wxSize(40, 325));

    ASSERT_NE(Text(), nullptr);
    EXPECT_FALSE(Text()->IsMultiLine());
    EXPECT_TRUE(Text()->IsEmpty());
    // The hidden control that hands the real password to the clipboard.
    wxTextCtrl* hidden = nullptr;
    for (wxWindow* child : Text()->GetParent()->GetChildren()) {
        if (child != Text() && dynamic_cast<wxTextCtrl*>(child) != nullptr) {
            hidden = dynamic_cast<wxTextCtrl*>(child);
        }
    }
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->IsShown());
    EXPECT_TRUE(testsupport::WaitUntil([&] {
        return HasWindowFocus(Button(MainFrame::kCreateId));
    })) << "Create has the keyboard focus";
}

TEST_F(MainFrameTest, StoredChoicesComeIntoTheWindowWithoutBeingWrittenBack) {
    Config().Standard = false;
    Config().NonShow = true;
    Config().DeterSimplePassword = false;
    Open();
    EXPECT_EQ(Notebook()->GetSelection(), 1);
    EXPECT_TRUE(NonShowCheck()->GetValue());
    EXPECT_FALSE(Find<wxCheckBox>(MainFrame::kDeterSimpleId)->GetValue());
    EXPECT_TRUE(Config().NonShow);
    EXPECT_FALSE(Config().DeterSimplePassword);

    ClickCheck(MainFrame::kDeterSimpleId, true);
    EXPECT_TRUE(Config().DeterSimplePassword);
}

TEST_F(MainFrameTest, SingleModeShowsThePasswordAndCopiesItOnRequest) {
    Open();
    SetClipboardText("before");
    Click(MainFrame::kCreateId);
    const wxString shown = Text()->GetValue();
    EXPECT_EQ(shown.length(), 10u);
    EXPECT_TRUE(AllOf(shown, kCapitalsAndDigits)) << shown;
    EXPECT_EQ(bell.Rings(), 1) << "the bell after a create";
    EXPECT_EQ(ClipboardText(), "before") << "a shown password is copied only on request";

    Click(MainFrame::kCopyId);
    EXPECT_EQ(ClipboardText(), shown);
    EXPECT_EQ(bell.Rings(), 2) << "the bell after a copy";
    long from = 0, to = 0;
    Text()->GetSelection(&from, &to);
    EXPECT_EQ(to - from, 10) << "the copied password is shown selected";
}

TEST_F(MainFrameTest, MaskedPasswordShowsItsFirstCharacterAndGoesStraightToTheClipboard) {
    Config().NonShow = true;
    struct Case {
        unsigned length;
        const char* mask;
    };
    const Case cases[] = {{10, "*********"}, {1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        Config().StandardUseChar.Length = c.length;
        Open();
        SetClipboardText("before");
        Click(MainFrame::kCreateId);
        const wxString real = ClipboardText();
        ASSERT_EQ(real.length(), c.length) << real;
        EXPECT_TRUE(AllOf(real, kCapitalsAndDigits)) << real;
        EXPECT_EQ(Text()->GetValue(), real.Left(1) + c.mask);
        EXPECT_EQ(frame->GetMaskedPassword(), Text()->GetValue());
        delete frame;
        frame = nullptr;
    }
}

TEST_F(MainFrameTest, CopyingPartOfTheMaskCopiesTheRealCharactersThere) {
    Config().NonShow = true;
    Open();
    Click(MainFrame::kCreateId);
    const wxString real = ClipboardText();
    ASSERT_EQ(real.length(), 10u);

    for (const wxWindowID id : {PasswordText::kCopySelectionId, PasswordText::kPasswordCopyId}) {
        SCOPED_TRACE(id);
        SetClipboardText("before");
        Text()->SetSelection(2, 5);
        const int rings = bell.Rings();
        CopySelection(id);
        EXPECT_EQ(ClipboardText(), real.Mid(2, 3));
        EXPECT_EQ(bell.Rings(), rings + 1);

        // Without a selection nothing is copied and the bell stays silent.
        SetClipboardText("before");
        Text()->SetSelection(4, 4);
        CopySelection(id);
        EXPECT_EQ(ClipboardText(), "before");
        EXPECT_EQ(bell.Rings(), rings + 1);
    }

    // The Copy button copies the whole real password and shows the mask selected.
    SetClipboardText("before");
    Text()->ChangeValue("edited");
    Click(MainFrame::kCopyId);
    EXPECT_EQ(ClipboardText(), real);
    EXPECT_EQ(Text()->GetValue(), frame->GetMaskedPassword());
    EXPECT_EQ(Text()->GetStringSelection(), frame->GetMaskedPassword());
}

// Every way of copying puts the same text on the clipboard whether it is to be cleared or
// not; to be cleared, each copy carries the hint for clipboard histories, and closing the window
// takes it off. Otherwise the copy stays for the clipboard manager, as ever.
TEST_F(MainFrameTest, CopiesToBeClearedCarryTheHintAndGoWithTheWindow) {
    for (const bool clear : {false, true}) {
        SCOPED_TRACE(clear ? "cleared" : "kept");
        Config().ClearClipboard = clear;
        Config().ClearClipboardSeconds = 5;
        Config().NonShow = true;
        Config().PluralCreate = false;
        Open();
        const char* const hint = clear ? "secret" : "<none>";

        Click(MainFrame::kCreateId);
        const wxString real = ClipboardText();
        ASSERT_EQ(real.length(), 10u) << "the hidden password is copied as it is made";
        EXPECT_EQ(testsupport::ClipboardData("x-kde-passwordManagerHint"), hint);

        SetClipboardText("before");
        Text()->SetSelection(2, 5);
        CopySelection(PasswordText::kCopySelectionId);
        EXPECT_EQ(ClipboardText(), real.Mid(2, 3));
        EXPECT_EQ(testsupport::ClipboardData("x-kde-passwordManagerHint"), hint);

        Click(MainFrame::kModeId);
        ASSERT_TRUE(testsupport::WaitUntil([&] { return Text()->IsShownOnScreen(); }));
        wxYield();  // the batch area is laid out
        Click(MainFrame::kCreateId);
        const wxString batch = Text()->GetValue();
        ASSERT_FALSE(batch.empty());
        SetClipboardText("before");
        Click(MainFrame::kCopyId);
        EXPECT_EQ(ClipboardText(), batch);
        EXPECT_EQ(testsupport::ClipboardData("x-kde-passwordManagerHint"), hint);

        SetClipboardText("before");
        Text()->SetSelection(0, 4);
        CopySelection(PasswordText::kCopySelectionId);
        EXPECT_EQ(ClipboardText(), batch.Left(4));

        frame->Close(true);
        frame = nullptr;
        wxTheApp->SetTopWindow(nullptr);
        EXPECT_EQ(ClipboardText(), clear ? "<no text>" : batch.Left(4));
        wxYield();  // the window goes
        SetClipboardText("");
    }
}

TEST_F(MainFrameTest, CtrlCInTheMaskCopiesTheRealCharactersThroughTheTopWindow) {
    Config().NonShow = true;
    Open();
    Click(MainFrame::kCreateId);
    const wxString real = ClipboardText();
    ASSERT_EQ(real.length(), 10u);
    SetClipboardText("before");
    Text()->SetFocus();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return HasWindowFocus(Text()); }));
    Text()->SetSelection(1, 7);

    testsupport::SendKey(frame->GTKGetDrawingWindow(), GDK_KEY_c, GDK_CONTROL_MASK, gdk_event_put);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return ClipboardText() != "before"; }));
    EXPECT_EQ(ClipboardText(), real.Mid(1, 6));
    EXPECT_EQ(Text()->GetValue(), real.Left(1) + "*********") << "the mask stays on screen";
}

TEST_F(MainFrameTest, TheMaskingBoxRevealsAndHidesTheSamePassword) {
    Config().NonShow = true;
    Open();
    Click(MainFrame::kCreateId);
    const wxString real = ClipboardText();
    SetClipboardText("untouched");

    ClickCheck(MainFrame::kNonShowId, false);
    EXPECT_FALSE(Config().NonShow);
    EXPECT_EQ(Text()->GetValue(), real);
    ClickCheck(MainFrame::kNonShowId, true);
    EXPECT_TRUE(Config().NonShow);
    EXPECT_EQ(Text()->GetValue(), real.Left(1) + "*********");
    EXPECT_EQ(ClipboardText(), "untouched");
}

TEST_F(MainFrameTest, CopyButtonFollowsWhatThereIsToCopy) {
    Config().BeepOnCreate = false;
    Open();
    EXPECT_FALSE(EnabledAfterUpdate(MainFrame::kCopyId)) << "nothing shown yet";
    Click(MainFrame::kCreateId);
    EXPECT_TRUE(EnabledAfterUpdate(MainFrame::kCopyId));
    Text()->ChangeValue("");
    EXPECT_FALSE(EnabledAfterUpdate(MainFrame::kCopyId)) << "plain mode follows the field";

    ClickCheck(MainFrame::kNonShowId, true);
    EXPECT_TRUE(EnabledAfterUpdate(MainFrame::kCopyId)) << "masked mode follows the password";
    Text()->ChangeValue("");
    EXPECT_TRUE(EnabledAfterUpdate(MainFrame::kCopyId));

    // The Copy button rings whether or not there was anything to copy.
    Config().NonShow = false;
    frame->Rebuild();
    EXPECT_FALSE(EnabledAfterUpdate(MainFrame::kCopyId));
    Click(MainFrame::kCopyId);
    EXPECT_EQ(bell.Rings(), 1);
}

TEST_F(MainFrameTest, ABatchFillsTheAreaWithDifferentPasswordsOneToALine) {
    Config().PluralCreate = true;
    Open();
    EXPECT_FALSE(EnabledAfterUpdate(wxID_SAVEAS)) << "no batch yet";
    EXPECT_FALSE(frame->HasResults());
    Click(MainFrame::kCreateId);
    const wxString text = Text()->GetValue();
    ASSERT_TRUE(text.EndsWith("\n"));
    const std::vector<wxString> lines = Lines(text);
    EXPECT_EQ(lines.size(), 50u);
    std::set<wxString> distinct;
    for (const wxString& line : lines) {
        EXPECT_EQ(line.length(), 10u) << line;
        EXPECT_TRUE(AllOf(line, kCapitalsAndDigits)) << line;
        distinct.insert(line);
    }
    EXPECT_EQ(distinct.size(), lines.size()) << "duplicates are not permitted";
    EXPECT_FALSE(Text()->IsModified());
    EXPECT_TRUE(frame->HasResults());
    EXPECT_TRUE(EnabledAfterUpdate(wxID_SAVEAS));
    EXPECT_EQ(bell.Rings(), 1);

    // Copy takes the whole batch, whatever was selected.
    Text()->SetSelection(3, 8);
    Click(MainFrame::kCopyId);
    EXPECT_EQ(ClipboardText(), text);
}

TEST_F(MainFrameTest, AFailedBatchClearsThePreviousOne) {
    Config().PluralCreate = true;
    Open();
    Click(MainFrame::kCreateId);
    ASSERT_FALSE(Text()->IsEmpty());

    // Eleven different one-digit passwords cannot be made.
    UseChar& use = Config().StandardUseChar;
    use.Length = 1;
    use.AlphabetUpper = false;
    use.UseAllKind = false;
    Config().PluralCreateCount = 11;
    Config().DeterSimplePassword = false;
    frame->TransferDataToWindow();
    EXPECT_EQ(CreateExpectingError(), "Give up!.\nPlease reconsider the setting");
    EXPECT_TRUE(Text()->IsEmpty());
    EXPECT_FALSE(frame->HasResults());
}

TEST_F(MainFrameTest, AFailedSinglePasswordEmptiesTheField) {
    Open();
    Click(MainFrame::kCreateId);
    ASSERT_FALSE(Text()->IsEmpty());
    Config().CapitalLetter.clear();  // nothing left to draw capital letters from
    Config().Numeric.clear();
    EXPECT_EQ(CreateExpectingError(), "Password generation error!\nPlease reconsider the setting");
    EXPECT_TRUE(Text()->IsEmpty());
    EXPECT_EQ(bell.Rings(), 2) << "the error box rings, the failed password does not";
}

TEST_F(MainFrameTest, NothingIsMadeWhileTheSelectedPageIsInvalid) {
    struct Case {
        const char* what;
        bool standard;
        const char* message;
    };
    const Case cases[] = {
        {"standard page without kinds", true, "The use character is not specified"},
        {"empty combination list", false, "The item is not set"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Config().Standard = c.standard;
        Config().StandardUseChar.AlphabetUpper = false;
        Config().StandardUseChar.Numeric = false;
        Open();
        const int rings = bell.Rings();
        EXPECT_EQ(CreateExpectingError(), c.message);
        EXPECT_TRUE(Text()->IsEmpty());
        EXPECT_EQ(bell.Rings(), rings + 1) << "only the error box rings";
        if (!c.standard) {
            auto* list = Find(CombinationPage::kListId);
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(testsupport::WaitUntil([&] { return HasFocusWithin(list); }))
                << "the list has the focus";
        }
        delete frame;
        frame = nullptr;
    }
}

TEST_F(MainFrameTest, CombinationSettingsTheGeneratorRefusesAreReported) {
    Config().Standard = false;
    UseChar word;
    word.Dictionary = true;
    word.DictionaryMin = 4;
    word.DictionaryMax = 6;
    Config().CombinationUseChar.Add(word);
    Open();
    EXPECT_EQ(CreateExpectingError(),
              "The dictionary cannot be used.\nPlease reconsider the setting");
    EXPECT_TRUE(Text()->IsEmpty());
}

TEST_F(MainFrameTest, SaveWritesTheBatchForItsOwnerOnlyAndRemembersThePath) {
    TempDirectory temp;
    Config().PluralCreate = true;
    Config().SaveFileName = temp.At("old.txt");
    Open();
    Click(MainFrame::kCreateId);
    Text()->AppendText("typed by the user\n");
    const wxString path = temp.At("batch.txt");
    wxString offered;
    wxTEST_DIALOG(Click(wxID_SAVEAS), ExpectDialog<wxFileDialog>([&](wxFileDialog* dialog) {
                      offered = dialog->GetFilename();
                      EXPECT_EQ(dialog->GetMessage(), "Save As");
                      EXPECT_TRUE(dialog->HasFlag(wxFD_OVERWRITE_PROMPT));
                      dialog->SetPath(path);
                      testsupport::WaitUntil([&] { return !dialog->GetPath().empty(); });
                      return wxID_OK;
                  }));
    EXPECT_EQ(offered, "old.txt");
    EXPECT_EQ(Config().SaveFileName, path);
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, Text()->GetValue().utf8_string());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 51);
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";
    struct stat info {};
    ASSERT_EQ(stat(path.fn_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(MainFrameTest, SaveThatCannotWriteSaysSoAndKeepsTheChosenPath) {
    TempDirectory temp;
    Config().PluralCreate = true;
    Open();
    Click(MainFrame::kCreateId);
    temp.MakeDir("batch.txt");  // a directory stands where the file would go
    const wxString path = temp.At("batch.txt");
    wxString message;
    wxTEST_DIALOG(Click(wxID_SAVEAS), ExpectDialog<wxFileDialog>([&](wxFileDialog* dialog) {
                      dialog->SetPath(path);
                      testsupport::WaitUntil([&] { return !dialog->GetPath().empty(); });
                      return wxID_OK;
                  }),
                  wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* box) {
                      message = MessageOf(box);
                      return wxID_OK;
                  }));
    EXPECT_EQ(message, "Couldn't save the file");
    EXPECT_EQ(Config().SaveFileName, path);

    // A cancelled dialog changes nothing.
    Config().SaveFileName = "kept";
    wxTEST_DIALOG(Click(wxID_SAVEAS), ExpectDialog<wxFileDialog>(wxID_CANCEL));
    EXPECT_EQ(Config().SaveFileName, "kept");
}

// A pipe (or a device) chosen as the file is not replaced by a plain file.
TEST_F(MainFrameTest, SaveOntoAPipeSaysSoAndLeavesThePipe) {
    TempDirectory temp;
    Config().PluralCreate = true;
    Open();
    Click(MainFrame::kCreateId);
    const wxString path = temp.At("pipe");
    ASSERT_EQ(mkfifo(path.fn_str(), 0600), 0);
    wxString message;
    wxTEST_DIALOG(Click(wxID_SAVEAS), ExpectDialog<wxFileDialog>([&](wxFileDialog* dialog) {
                      dialog->SetPath(path);
                      testsupport::WaitUntil([&] { return !dialog->GetPath().empty(); });
                      return wxID_OK;
                  }),
                  wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* box) {
                      message = MessageOf(box);
                      return wxID_OK;
                  }));
    EXPECT_EQ(message, "Couldn't save the file");
    struct stat info {};
    ASSERT_EQ(lstat(path.fn_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// Tab goes along the buttons in their order from the moment the window is shown, before the
// program has once been idle: keys typed ahead while the window was still being drawn moved by
// the buttons' places on the screen, and Tab from Create, two rows high, went to Help and the
// next one to Exit. GTK moves the focus along the order each container is given.
TEST_F(MainFrameTest, TabFollowsTheButtonsOrderFromTheMomentTheWindowIsShown) {
    MakeWindow();
    frame->Show();
    // No events are handled from here on, so the program is never idle.
    GtkWidget* create = GTK_WIDGET(Button(MainFrame::kCreateId)->GetHandle());
    GList* chain = nullptr;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    const bool ordered =
        gtk_container_get_focus_chain(GTK_CONTAINER(gtk_widget_get_parent(create)), &chain);
    G_GNUC_END_IGNORE_DEPRECATIONS
    ASSERT_TRUE(ordered) << "the buttons' container has no order of its own yet";
    std::vector<GtkWidget*> buttons;
    for (GList* item = chain; item != nullptr; item = item->next) {
        if (GTK_IS_BUTTON(item->data) && !GTK_IS_CHECK_BUTTON(item->data)) {
            buttons.push_back(GTK_WIDGET(item->data));
        }
    }
    g_list_free(chain);
    std::vector<GtkWidget*> expected;
    for (const wxWindowID id : {MainFrame::kCreateId, MainFrame::kModeId, MainFrame::kPreferencesId,
                                static_cast<int>(wxID_HELP), static_cast<int>(wxID_CLOSE)}) {
        expected.push_back(GTK_WIDGET(Button(id)->GetHandle()));
    }
    EXPECT_EQ(buttons, expected);
}

// Drawn once the window is up; the window manager then has them at every size.
TEST_F(MainFrameTest, TheShownWindowCarriesTheApplicationIcons) {
    Open();
    const size_t sizes = ApplicationIconSizes().size();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return frame->GetIcons().GetIconCount() == sizes; }));
    const wxIcon icon = frame->GetIcons().GetIcon(wxSize(32, 32), wxIconBundle::FALLBACK_NONE);
    ASSERT_TRUE(icon.IsOk());
    EXPECT_EQ(icon.GetWidth(), 32);
}

TEST_F(MainFrameTest, SwitchingTheModeTwiceRestoresTheFirstLayout) {
    Open();
    Click(MainFrame::kCreateId);
    const wxSize singleSize = frame->GetSize();
    const wxRect createRect = Button(MainFrame::kCreateId)->GetRect();

    Click(MainFrame::kModeId);
    EXPECT_TRUE(Config().PluralCreate);
    EXPECT_EQ(Button(MainFrame::kModeId)->GetLabel(), "Only One");
    EXPECT_EQ(Button(MainFrame::kModeId)->GetToolTipText(), "Switch to the single creation mode");
    EXPECT_EQ(Find<wxStaticBitmap>(wxID_STATIC)->GetBitmap().GetSize(), wxSize(40, 482));
    EXPECT_TRUE(Text()->IsMultiLine());
    EXPECT_TRUE(Text()->IsEmpty()) << "the result is dropped";
    EXPECT_EQ(NonShowCheck(), nullptr);
    ASSERT_NE(Button(wxID_SAVEAS), nullptr);
    EXPECT_EQ(Button(MainFrame::kCopyId)->GetToolTipText(),
              "Copy selected characters into the clipboard");
    EXPECT_GT(frame->GetSize().y, singleSize.y);
    EXPECT_EQ(frame->GetSize(), frame->GetMinSize()) << "the window fits its content";

    Click(MainFrame::kModeId);
    EXPECT_FALSE(Config().PluralCreate);
    EXPECT_EQ(Button(MainFrame::kModeId)->GetLabel(), "Plurality");
    EXPECT_EQ(frame->GetSize(), singleSize);
    EXPECT_EQ(Button(MainFrame::kCreateId)->GetRect(), createRect);
    EXPECT_EQ(Button(wxID_SAVEAS), nullptr);
    EXPECT_TRUE(Text()->IsEmpty());
}

TEST_F(MainFrameTest, ClosingStoresTheSelectedPageAndThePagesWithoutValidating) {
    Open();
    Config().StandardUseChar.AlphabetUpper = false;
    Notebook()->SetSelection(1);
    auto* upper = dynamic_cast<wxCheckBox*>(wxWindow::FindWindowByLabel("A-Z", frame));
    ASSERT_NE(upper, nullptr);
    upper->SetValue(true);

    Click(wxID_CLOSE);
    EXPECT_FALSE(Config().Standard);
    EXPECT_TRUE(Config().StandardUseChar.AlphabetUpper) << "the page's controls were taken";
    EXPECT_TRUE(wxPendingDelete.Member(frame)) << "the window is on its way out";
    wxTheApp->SetTopWindow(nullptr);
    wxTheApp->ProcessIdle();
    frame = nullptr;
}

TEST_F(MainFrameTest, MovingTheWindowRecordsItsPosition) {
    Open();
    frame->Move(wxPoint(123, 87));
    EXPECT_TRUE(testsupport::WaitUntil([&] { return Config().MainPosition == wxPoint(123, 87); }))
        << Config().MainPosition.x << "," << Config().MainPosition.y;
}

TEST_F(MainFrameTest, AStoredPositionOffTheDesktopIsBroughtOntoIt) {
    FixedDisplays::Use(OneDisplay());
    struct Case {
        wxPoint stored;
        wxPoint placed;
    };
    const Case cases[] = {
        {wxPoint(5000, -40), wxPoint(1180, 0)},
        {wxPoint(-300, 2000), wxPoint(0, 924)},
        {wxPoint(200, 100), wxPoint(200, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored.x << "," << c.stored.y);
        frame = new MainFrame(c.stored, dictionary);
        EXPECT_EQ(frame->GetPosition(), c.placed);
        delete frame;
        frame = nullptr;
    }
    orlSetDisplays(nullptr);
}

TEST_F(MainFrameTest, ALongSymbolStringScrollsInsideItsBoxInsteadOfWideningTheWindow) {
    Open();
    const wxSize usual = frame->GetSize();
    delete frame;
    frame = nullptr;

    wxString everySymbol;
    for (wxChar c = '!'; c <= '~'; ++c) {
        everySymbol << c;
    }
    Config().StandardUseChar.SymbolString = everySymbol;
    Config().AddSymbolHistory(everySymbol);
    Open();
    EXPECT_EQ(frame->GetSize(), usual);
}

TEST_F(MainFrameTest, HelpReportsTheBookItLookedForBesideTheProgram) {
    TempDirectory programDirectory;
    orlSystemConfig& locator = orlSystemConfig::Get();
    const wxString package = locator.GetPackage();
    const wxString programPath = locator.GetProgramPath();
    locator.Init("tessarin", programDirectory.At("tessarin"));
    Open();
    wxString message, report;
    wxTEST_DIALOG(Click(wxID_HELP), wxExpectModal<orlLogDialog>([&](orlLogDialog* dialog) {
                      message = MessageOf(dialog);
                      report = ReportOf(dialog);
                      EXPECT_EQ(dialog->GetParent(), frame);
                      return wxID_OK;
                  }));
    locator.Init(package, programPath);
    EXPECT_EQ(message, "The Help file is not found");
    EXPECT_TRUE(report.StartsWith(programDirectory.At("docs/"))) << report;
    EXPECT_TRUE(report.EndsWith("/tessarin.htb")) << report;
}

TEST_F(MainFrameTest, AcceptedPreferencesAreSavedAndRebuildTheWindow) {
    Open();
    int saves = 0;
    wxWindow* saveParent = nullptr;
    frame->SetSettingsSaver([&](wxWindow* parent) {
        ++saves;
        saveParent = parent;
        return false;  // a failed save still rebuilds the window
    });
    Click(MainFrame::kCreateId);
    ASSERT_FALSE(Text()->IsEmpty());

    wxTEST_DIALOG(Click(MainFrame::kPreferencesId), wxExpectModal<PreferenceDialog>(wxID_CANCEL));
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(Text()->IsEmpty()) << "Cancel changes nothing";

    const wxFont listFont(15, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_BOLD);
    wxTEST_DIALOG(Click(MainFrame::kPreferencesId), wxExpectModal<PreferenceDialog>([&](auto*) {
                      Config().CombinationListFont = listFont;  // as an accepted dialog would
                      return wxID_OK;
                  }));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(saveParent, frame);
    EXPECT_TRUE(Text()->IsEmpty()) << "the window was rebuilt";
    EXPECT_EQ(Find(CombinationPage::kListId)->GetFont(), listFont);
}

TEST_F(MainFrameTest, ReturningToTheStandardPageOffersTheNewestSymbolHistory) {
    Config().Standard = false;
    Open();
    Config().SymbolStrings.Add("#%&");
    Notebook()->SetSelection(0);  // sends the page-changed event
    wxYield();
    auto* combo =
        dynamic_cast<wxComboBox*>(wxWindow::FindWindowByName("comboBox", Notebook()->GetPage(0)));
    ASSERT_NE(combo, nullptr);
    EXPECT_NE(combo->FindString("#%&"), wxNOT_FOUND);
}

}  // namespace
