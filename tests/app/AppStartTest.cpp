// The application object started and ended inside the test process, as the toolkit does it:
// the command line's words, a settings file of the test's own under a home directory of its
// own, the main window worked through its controls, and the settings file read back.
#include "app/App.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <sys/stat.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/evtloop.h>
#include <wx/msgout.h>
#include <wx/notebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/config/orlSystemConfig.h"
#include "framework/dialogs/orlAbout.h"
#include "framework/orlIdentity.h"
#include "settings/MainConfig.h"
#include "support/BackgroundProgram.h"
#include "support/ControlEvents.h"
#include "support/CountingBell.h"
#include "support/DialogExpectation.h"
#include "support/LogDialogExpectation.h"
#include "support/MessageBoxExpectation.h"
#include "support/RecentFilesList.h"
#include "support/RunProgram.h"
#include "support/TempDirectory.h"
#include "support/TestGuards.h"
#include "support/TextFiles.h"
#include "support/WaitForEvents.h"
#include "ui/main/CombinationPage.h"
#include "ui/main/MainFrame.h"
#include "ui/main/PasswordText.h"
#include "ui/preferences/PreferenceDialog.h"

template <>
class wxExpectModal<PreferenceDialog> : public ExpectDialog<PreferenceDialog> {
  public:
    using ExpectDialog<PreferenceDialog>::ExpectDialog;
};

template <>
class wxExpectModal<orlAbout> : public ExpectDialog<orlAbout> {
  public:
    using ExpectDialog<orlAbout>::ExpectDialog;
};

namespace {

namespace fs = std::filesystem;

// Sets an environment variable while it lives, then puts the old value back.
class ScopedVariable {
  public:
    ScopedVariable(const char* variable, const wxString& value) : name(variable) {
        if (const char* current = std::getenv(variable)) {
            old = current;
        }
        setenv(variable, value.fn_str(), 1);
    }
    ~ScopedVariable() {
        if (old) {
            setenv(name, old->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name;
    std::optional<std::string> old;
};

// Keeps what the toolkit's message output prints (the command-line parser's usage text and
// errors) while it lives.
class CapturedOutput : public wxMessageOutput {
  public:
    CapturedOutput() : previous(wxMessageOutput::Set(this)) {}
    ~CapturedOutput() override { wxMessageOutput::Set(previous); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    void Output(const wxString& message) override { text += message; }
    const wxString& Text() const { return text; }

  private:
    wxMessageOutput* previous;
    wxString text;
};

// The entries of a settings file, named "Group/Name" ("Name" for those before any group).
std::map<std::string, std::string> ReadSettings(const wxString& path) {
    std::map<std::string, std::string> entries;
    std::ifstream in(path.utf8_string());
    std::string group;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2) + "/";
        } else if (const size_t equals = line.find('='); equals != std::string::npos) {
            entries[group + line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return entries;
}

// Every file and directory under the root, relative to it.
std::set<std::string> FilesUnder(const wxString& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root.utf8_string())) {
        files.insert(fs::relative(entry.path(), root.utf8_string()).string());
    }
    return files;
}

wxString LockName() {
    return ".tessarin-" + orlGetIdentity().GetLoginName();
}

// Where the window is on the screen, as the X server has it.
wxPoint ScreenOrigin(wxWindow* window) {
    gint x = -1;
    gint y = -1;
    if (GdkWindow* gdkWindow = gtk_widget_get_window(window->GetHandle())) {
        gdk_window_get_origin(gdkWindow, &x, &y);
    }
    return wxPoint(x, y);
}

// Each test has a home and a configuration directory of its own, its own application object
// (the test binary's stays the toolkit's application), and the live settings, logging and
// bell put back afterwards.
class AppStartTest : public testing::Test {
  protected:
    void SetUp() override {
        dir.MakeDir("home");
        dir.MakeDir("config");
        savedConfig = MainConfig::Get();
        loggingWas = wxLog::IsEnabled();
        // Making an application object makes it the toolkit's, and deleting it leaves none:
        // the test binary's own is put back both times.
        testApp = wxApp::GetInstance();
        app = std::make_unique<App>();
        wxApp::SetInstance(testApp);
    }

    void TearDown() override {
        if (MainWindow() != nullptr) {
            CloseMainWindow();
            app->Finish();
        }
        app.reset();
        wxApp::SetInstance(testApp);
        wxLog::EnableLogging(loggingWas);
        MainConfig::Get() = savedConfig;
    }

    bool Start(const std::vector<wxString>& words) {
        wxArrayString arguments;
        for (const wxString& word : words) {
            arguments.Add(word);
        }
        return app->Start(arguments);
    }

    MainFrame* MainWindow() const { return dynamic_cast<MainFrame*>(app->GetTopWindow()); }

    // Closes the main window as its close box does and lets the toolkit delete it.
    void CloseMainWindow() {
        wxWeakRef<wxWindow> frame(app->GetTopWindow());
        ASSERT_TRUE(frame);
        frame->Close(true);
        EXPECT_TRUE(testsupport::WaitUntil([&] { return !frame; }));
        // The toolkit forgets a deleted top window only on its own application object.
        app->SetTopWindow(nullptr);
    }

    void Press(wxWindowID id) { testsupport::Press(MainWindow(), id); }
    void Tick(wxWindowID id, bool value) { testsupport::Tick(MainWindow(), id, value); }

    wxString Home() const { return dir.At("home"); }

    TempDirectory dir;
    ScopedVariable home{"HOME", dir.At("home")};
    ScopedVariable config{"XDG_CONFIG_HOME", dir.At("config")};
    CountingBell bell;
    std::unique_ptr<App> app;

  private:
    MainConfig savedConfig;
    bool loggingWas = true;
    wxAppConsole* testApp = nullptr;
};

TEST_F(AppStartTest, TheSettingsFileIsMadeAtTheEndAndHoldsWhatTheWindowChanged) {
    // A new file in a directory that does not exist yet either.
    const wxString file = dir.At("home/new/settings.ini");
    ASSERT_TRUE(Start({"tessarin", "-i", file}));
    EXPECT_EQ(app->GetInitialFile(), file);
    EXPECT_FALSE(fs::exists(dir.At("home/new").utf8_string())) << "reading made nothing";

    MainFrame* frame = MainWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    Press(MainFrame::kModeId);
    Tick(MainFrame::kDeterSimpleId, false);
    auto* notebook = dynamic_cast<wxNotebook*>(frame->FindWindow(MainFrame::kNotebookId));
    ASSERT_NE(notebook, nullptr);
    notebook->SetSelection(1);
    frame->Move(150, 90);
    EXPECT_TRUE(
        testsupport::WaitUntil([&] { return MainConfig::Get().MainPosition == wxPoint(150, 90); }));

    CloseMainWindow();
    EXPECT_FALSE(fs::exists(file.utf8_string())) << "written only at the end";
    app->Finish();

    const std::map<std::string, std::string> settings = ReadSettings(file);
    EXPECT_EQ(settings.count("Version") ? settings.at("Version") : "", "0.9.3");
    const std::map<std::string, std::string> changed = {
        {"PluralCreate", "1"},     {"DeterSimplePassword", "0"}, {"Standard", "0"},
        {"MainPosition/X", "150"}, {"MainPosition/Y", "90"},
    };
    for (const auto& [name, value] : changed) {
        SCOPED_TRACE(name);
        ASSERT_EQ(settings.count(name), 1u);
        EXPECT_EQ(settings.at(name), value);
    }
    struct stat info {};
    ASSERT_EQ(stat(file.fn_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the settings are the user's own";
    EXPECT_EQ(FilesUnder(Home()), (std::set<std::string>{"new", "new/settings.ini"}))
        << "the single-instance name is released";
    EXPECT_TRUE(FilesUnder(dir.At("config")).empty()) << "the user's default store is untouched";
}

TEST_F(AppStartTest, ReadSettingsShapeTheWindowAndComeBackUnchanged) {
    const wxString file = dir.At("settings.ini");
    dir.WriteFile("settings.ini",
                  "PluralCreate=1\nStandard=0\nDeterSimplePassword=0\n"
                  "[MainPosition]\nX=300\nY=200\n");
    ASSERT_TRUE(Start({"tessarin", "--initial=" + file}));
    MainFrame* frame = MainWindow();
    ASSERT_NE(frame, nullptr);
    auto* notebook = dynamic_cast<wxNotebook*>(frame->FindWindow(MainFrame::kNotebookId));
    auto* deterSimple = dynamic_cast<wxCheckBox*>(frame->FindWindow(MainFrame::kDeterSimpleId));
    ASSERT_NE(notebook, nullptr);
    ASSERT_NE(deterSimple, nullptr);
    EXPECT_EQ(notebook->GetSelection(), 1);
    EXPECT_FALSE(deterSimple->GetValue());
    EXPECT_EQ(frame->FindWindow(MainFrame::kModeId)->GetLabel(), "Only One");
    EXPECT_FALSE(app->IsAnotherInstanceRunning());

    CloseMainWindow();
    app->Finish();
    const std::map<std::string, std::string> settings = ReadSettings(file);
    for (const auto& [name, value] :
         std::map<std::string, std::string>{{"PluralCreate", "1"},
                                            {"Standard", "0"},
                                            {"DeterSimplePassword", "0"},
                                            {"MainPosition/X", "300"},
                                            {"MainPosition/Y", "200"}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(settings.count(name), 1u);
        EXPECT_EQ(settings.at(name), value);
    }
}

// Stored fonts of sizes the toolkit cannot draw are left out: the window opens with the default
// fonts, without a toolkit assertion.
TEST_F(AppStartTest, StoredFontsOfImpossibleSizesLeaveTheDefaultFonts) {
    const wxString file = dir.At("settings.ini");
    std::string text = "PluralCreate=1\nStandard=0\n";
    for (const char* name : {"OnePasswordFont", "PluralPasswordFont", "CombinationListFont"}) {
        text += std::string("[") + name +
                "]\nPointSize=3000000\nFamily=74\nStyle=90\nWeight=90\nUnderlined=0\n"
                "FaceName=Sans\nEncoding=0\n";
    }
    dir.WriteFile("settings.ini", text);
    MainConfig defaults;
    defaults.SetDefaults();

    ASSERT_TRUE(Start({"tessarin", "--initial=" + file}));
    MainFrame* frame = MainWindow();
    ASSERT_NE(frame, nullptr);
    const MainConfig& config = MainConfig::Get();
    EXPECT_EQ(config.OnePasswordFont, defaults.OnePasswordFont);
    EXPECT_EQ(config.PluralPasswordFont, defaults.PluralPasswordFont);
    EXPECT_EQ(config.CombinationListFont, defaults.CombinationListFont);
    wxWindow* list = frame->FindWindow(CombinationPage::kListId);
    wxWindow* passwords = frame->FindWindow(PasswordText::kTextId);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(passwords, nullptr);
    EXPECT_EQ(list->GetFont().GetPointSize(), defaults.CombinationListFont.GetPointSize());
    EXPECT_EQ(passwords->GetFont().GetPointSize(), defaults.PluralPasswordFont.GetPointSize());
}

// A start that ends at once: the help, a wrong command line, the version.
struct EndedStart {
    const char* name;
    std::vector<wxString> options;  // after "-i FILE", unless the first is "!"
    int status;
    bool about;
    const char* output;  // what the parser prints, besides the usage for the help and errors
};

void PrintTo(const EndedStart& start, std::ostream* out) {
    *out << start.name;
}

class EndedStartTest : public AppStartTest, public testing::WithParamInterface<EndedStart> {};

TEST_P(EndedStartTest, EndsAtOnceWithoutWindowOrSettings) {
    const EndedStart& c = GetParam();
    const wxString file = dir.At("settings.ini");
    std::vector<wxString> words = {"tessarin"};
    if (!c.options.empty() && c.options.front() == "!") {
        words.insert(words.end(), c.options.begin() + 1, c.options.end());
    } else {
        words.push_back("-i");
        words.push_back(file);
        words.insert(words.end(), c.options.begin(), c.options.end());
    }
    const size_t windowsBefore = wxTopLevelWindows.size();

    CapturedOutput output;
    bool started = true;
    if (c.about) {
        bool shown = false;
        wxTEST_DIALOG(started = Start(words), wxExpectModal<orlAbout>([&](orlAbout* dialog) {
                          shown = true;
                          EXPECT_EQ(dialog->GetParent(), nullptr);
                          EXPECT_EQ(dialog->GetTitle(), "About tessarin");
                          auto* line = dynamic_cast<wxStaticText*>(
                              wxWindow::FindWindowByName("staticText", dialog));
                          EXPECT_EQ(line != nullptr ? line->GetLabel() : wxString(),
                                    "tessarin  Version 0.9.3");
                          return wxID_OK;
                      }));
        EXPECT_TRUE(shown);
    } else {
        started = Start(words);
    }

    EXPECT_FALSE(started);
    EXPECT_EQ(app->GetStartExitStatus(), c.status);
    EXPECT_EQ(wxTopLevelWindows.size(), windowsBefore) << "no window is left open";
    EXPECT_EQ(app->GetTopWindow(), nullptr);
    if (c.about) {
        EXPECT_EQ(output.Text(), "");
    } else {
        for (const char* option : {"-h, --help", "-i, --initial=<str>", "-v, --version"}) {
            EXPECT_TRUE(output.Text().Contains(option)) << option << " in " << output.Text();
        }
        EXPECT_TRUE(output.Text().Contains(c.output)) << output.Text();
    }
    EXPECT_FALSE(fs::exists(file.utf8_string()));
    EXPECT_TRUE(FilesUnder(Home()).empty()) << "no settings, no single-instance name";
    EXPECT_TRUE(FilesUnder(dir.At("config")).empty());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, EndedStartTest,
    testing::Values(EndedStart{"ShortHelp", {"-h"}, 0, false, "Usage: "},
                    EndedStart{"LongHelp", {"--help"}, 0, false, "Usage: "},
                    EndedStart{"UnknownOption", {"-x"}, 2, false, "Unknown option 'x'"},
                    EndedStart{"MissingValue", {"!", "-i"}, 2, false, "requires a value"},
                    EndedStart{"Positional", {"extra"}, 2, false, "Unexpected parameter 'extra'"},
                    EndedStart{"ShortVersion", {"-v"}, 0, true, ""},
                    EndedStart{"LongVersion", {"--version"}, 0, true, ""}),
    [](const testing::TestParamInfo<EndedStart>& info) { return std::string(info.param.name); });

// The file chooser GTK shows for the batch's Save button, once it is on the screen.
GtkWidget* ShownFileChooser() {
    GtkWidget* shown = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        auto* window = static_cast<GtkWidget*>(item->data);
        if (GTK_IS_FILE_CHOOSER_DIALOG(window) && gtk_widget_get_mapped(window)) {
            shown = window;
        }
    }
    g_list_free(windows);
    return shown;
}

// True once the chooser has read its directory and taken the file name in.
bool TakesAFile(GtkWidget* chooser) {
    gchar* path = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser));
    const bool taken = path != nullptr;
    g_free(path);
    return taken;
}

// A batch saved through GTK's file chooser, as the user saves it: the file is written, but the
// desktop's list of recent files neither gets it nor loses the other programs' files, however
// long the program runs on and when it ends. (GTK records every file chosen in its chooser.)
TEST_F(AppStartTest, ABatchSavedThroughTheFileChooserStaysOutOfTheRecentFiles) {
    const std::string dataDirectory = g_get_user_data_dir();
    if (dataDirectory.find("app_tests_data") == std::string::npos) {
        GTEST_SKIP() << "the data directory is the user's own: " << dataDirectory;
    }
    fs::create_directories(dataDirectory);
    const std::string list = dataDirectory + "/recently-used.xbel";
    {
        std::ofstream out(list, std::ios::binary | std::ios::trunc);
        out << testsupport::kOtherProgramsRecentFiles;
    }
    testsupport::RealFileDialogs realDialogs;
    const wxString file = dir.At("settings.ini");
    const wxString batch = dir.At("batch.txt");
    dir.WriteFile("settings.ini", "PluralCreate=1\nSaveFileName=" + batch.utf8_string() + "\n");
    ASSERT_TRUE(Start({"tessarin", "--initial=" + file}));
    gboolean recording = TRUE;
    g_object_get(gtk_settings_get_default(), "gtk-recent-files-enabled", &recording, nullptr);
    EXPECT_FALSE(recording) << "the chooser offers no recent files";
    wxWeakRef<wxWindow> frame(MainWindow());
    ASSERT_TRUE(frame);
    Press(MainFrame::kCreateId);

    // Save is pressed from the main loop, the chooser (opened on batch.txt) is answered with
    // Save once it is on the screen, and the loop ends once GTK has announced its change to
    // the list, which it writes then and again when the loop ends.
    wxGUIEventLoop loop;
    bool accepted = false;
    bool announced = false;
    gulong announcement = 0;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    wxTimer watch;
    watch.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        GtkWidget* chooser = ShownFileChooser();
        if (announced || std::chrono::steady_clock::now() > giveUp) {
            if (chooser != nullptr) {
                gtk_dialog_response(GTK_DIALOG(chooser), GTK_RESPONSE_CANCEL);
            } else {
                loop.Exit();
            }
        } else if (chooser != nullptr && !accepted && TakesAFile(chooser)) {
            accepted = true;
            announcement = g_signal_connect(gtk_recent_manager_get_default(), "changed",
                                            G_CALLBACK(+[](GtkRecentManager*, gpointer flag) {
                                                *static_cast<bool*>(flag) = true;
                                            }),
                                            &announced);
            gtk_dialog_response(GTK_DIALOG(chooser), GTK_RESPONSE_ACCEPT);
        }
    });
    watch.Start(10);
    frame->CallAfter([this] { Press(wxID_SAVEAS); });
    loop.Run();
    watch.Stop();
    if (announcement != 0) {
        g_signal_handler_disconnect(gtk_recent_manager_get_default(), announcement);
    }

    EXPECT_TRUE(announced) << "GTK was asked to record the chosen file";
    EXPECT_TRUE(fs::exists(batch.utf8_string())) << "the batch was saved";
    EXPECT_EQ(testsupport::ReadFile(list), testsupport::kOtherProgramsRecentFiles);
    fs::remove(list);
}

// The modal dialog GTK shows over its file chooser (whether to replace a file), once shown.
GtkWidget* ShownQuestion() {
    GtkWidget* shown = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        auto* window = static_cast<GtkWidget*>(item->data);
        if (GTK_IS_MESSAGE_DIALOG(window) && gtk_widget_get_mapped(window) &&
            gtk_window_get_modal(GTK_WINDOW(window))) {
            shown = window;
        }
    }
    g_list_free(windows);
    return shown;
}

// A request to end and what is open when it comes.
struct RequestToEnd {
    const char* name;
    int signal;
    bool replacing;  // Save was answered over an existing file: GTK asks whether to replace it
};

void PrintTo(const RequestToEnd& request, std::ostream* out) {
    *out << request.name;
}

// The session ending, a kill or Ctrl+C while the batch's file chooser is open, or the question
// it asks over an existing file: each is cancelled as its Cancel button would be, from the
// innermost, the window closes and the settings are written, as with the program's own
// dialogs. No file is written. (GTK runs these dialogs itself, outside the toolkit's list of
// windows: the request used to wait for them for good.)
class RequestToEndTest : public AppStartTest, public testing::WithParamInterface<RequestToEnd> {};

TEST_P(RequestToEndTest, CancelsTheFileChooserAndItsQuestionAndWritesTheSettings) {
    const RequestToEnd& c = GetParam();
    testsupport::RealFileDialogs realDialogs;
    const wxString file = dir.At("settings.ini");
    const wxString batch = dir.At("batch.txt");
    const std::string kept = "kept as it was\n";
    if (c.replacing) {
        dir.WriteFile("batch.txt", kept);
    }
    dir.WriteFile("settings.ini", "PluralCreate=1\nSaveFileName=" + batch.utf8_string() + "\n");
    ASSERT_TRUE(Start({"tessarin", "--initial=" + file}));
    wxWeakRef<wxWindow> frame(MainWindow());
    ASSERT_TRUE(frame);
    Press(MainFrame::kCreateId);  // a batch to save

    // As in the program, a main loop runs; Save opens the chooser from it, and the request
    // comes once the chooser, or its question, is on the screen. Should a dialog still be open
    // long after, the test cancels it itself, so that the loop ends either way.
    wxGUIEventLoop loop;
    bool accepted = false;
    bool raised = false;
    bool cancelledByTest = false;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    wxTimer watch;
    watch.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        GtkWidget* chooser = ShownFileChooser();
        GtkWidget* question = ShownQuestion();
        GtkWidget* innermost = question != nullptr ? question : chooser;
        if (!frame || std::chrono::steady_clock::now() > giveUp + std::chrono::seconds(20)) {
            loop.Exit();
        } else if (std::chrono::steady_clock::now() > giveUp) {
            if (innermost != nullptr) {
                cancelledByTest = true;
                gtk_dialog_response(GTK_DIALOG(innermost), GTK_RESPONSE_CANCEL);
            }
        } else if (c.replacing && chooser != nullptr && !accepted && TakesAFile(chooser)) {
            accepted = true;
            gtk_dialog_response(GTK_DIALOG(chooser), GTK_RESPONSE_ACCEPT);
        } else if (innermost != nullptr && (question != nullptr) == c.replacing && !raised) {
            raised = true;
            std::raise(c.signal);
        }
    });
    watch.Start(10);
    frame->CallAfter([this] { Press(wxID_SAVEAS); });
    loop.Run();
    watch.Stop();

    EXPECT_TRUE(raised) << "the dialog was shown";
    EXPECT_FALSE(cancelledByTest) << "the request left a dialog open";
    ASSERT_FALSE(frame) << "the window closed";
    app->SetTopWindow(nullptr);
    app->Finish();
    const std::map<std::string, std::string> settings = ReadSettings(file);
    EXPECT_EQ(settings.count("Version"), 1u) << "the settings were written";
    ASSERT_EQ(settings.count("SaveFileName"), 1u);
    EXPECT_EQ(settings.at("SaveFileName"), batch.utf8_string());
    if (c.replacing) {
        EXPECT_EQ(testsupport::ReadFile(batch.utf8_string()), kept) << "the file was not replaced";
    } else {
        EXPECT_FALSE(fs::exists(batch.utf8_string())) << "no file was saved";
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, RequestToEndTest,
                         testing::Values(RequestToEnd{"TermOverTheChooser", SIGTERM, false},
                                         RequestToEnd{"IntOverTheChooser", SIGINT, false},
                                         RequestToEnd{"HupOverTheChooser", SIGHUP, false},
                                         RequestToEnd{"TermOverTheQuestion", SIGTERM, true}),
                         [](const testing::TestParamInfo<RequestToEnd>& info) {
                             return std::string(info.param.name);
                         });

// Tests run as root, and root writes even a read-only file: a settings path under a plain
// file stands for a medium that cannot be written, since no one can make a directory there.
TEST_F(AppStartTest, ASettingsFileThatCannotBeWrittenIsReportedWithItsPath) {
    dir.WriteFile("blocker", "a plain file");
    const wxString file = dir.At("blocker/settings.ini");
    ASSERT_TRUE(Start({"tessarin", "-i", file}));
    CloseMainWindow();

    wxString message;
    wxString report;
    wxTEST_DIALOG(app->Finish(), wxExpectModal<orlLogDialog>([&](orlLogDialog* dialog) {
                      message = MessageOf(dialog);
                      report = ReportOf(dialog);
                      return wxID_OK;
                  }));
    EXPECT_EQ(message.utf8_string(), "tessarin: The setting cannot be saved");
    EXPECT_TRUE(report.Contains(file)) << report;
    EXPECT_TRUE(FilesUnder(Home()).empty()) << "the single-instance name is released all the same";
}

TEST_F(AppStartTest, TheUsersOwnStoreThatCannotBeWrittenIsReportedInAnErrorBox) {
    dir.WriteFile("blocker", "a plain file");
    ScopedVariable unwritable("XDG_CONFIG_HOME", dir.At("blocker/config"));
    ASSERT_TRUE(Start({"tessarin"}));
    CloseMainWindow();

    wxString message;
    wxTEST_DIALOG(app->Finish(),
                  wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* dialog) {
                      message = MessageOf(dialog);
                      return wxID_OK;
                  }));
    EXPECT_EQ(message.utf8_string(), "tessarin: The setting cannot be saved");
}

// The first copy is the built program itself, running on the same display under the same
// home directory; the window under test is the second.
TEST_F(AppStartTest, ASecondCopyIsPlacedByTheWindowSystemNotAtTheStoredPosition) {
    const wxPoint stored(300, 200);
    for (const bool anotherRunning : {false, true}) {
        SCOPED_TRACE(anotherRunning ? "another copy runs" : "alone");
        std::unique_ptr<testsupport::BackgroundProgram> first;
        if (anotherRunning) {
            first = std::make_unique<testsupport::BackgroundProgram>(
                std::vector<std::string>{TESSARIN_EXECUTABLE, "-i",
                                         dir.At("first.ini").utf8_string()},
                testsupport::EnvironmentWith({{"HOME", Home().utf8_string()},
                                              {"XDG_CONFIG_HOME", dir.At("config").utf8_string()},
                                              {"NO_AT_BRIDGE", "1"}}),
                dir.Root().utf8_string(), dir.At("first.err").utf8_string());
            ASSERT_TRUE(first->Started());
            const std::string lock = (Home() + "/" + LockName()).utf8_string();
            const std::string pid = std::to_string(first->Pid());
            ASSERT_TRUE(first->WaitForDirectory(
                Home().utf8_string(),
                [&] {
                    std::ifstream in(lock);
                    std::string text;
                    return std::getline(in, text) && text.find(pid) != std::string::npos;
                },
                60000))
                << first->Errors();
        }

        dir.WriteFile("settings.ini", "[MainPosition]\nX=300\nY=200\n");
        ASSERT_TRUE(Start({"tessarin", "-i", dir.At("settings.ini")}));
        MainFrame* frame = MainWindow();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(app->IsAnotherInstanceRunning(), anotherRunning);
        ASSERT_TRUE(testsupport::WaitUntil([&] { return frame->IsShownOnScreen(); }));
        if (anotherRunning) {
            // There is no window manager on the test display: the X server leaves a window
            // placed by no one at the screen's corner.
            EXPECT_TRUE(testsupport::WaitUntil([&] {
                return ScreenOrigin(frame) == wxPoint(0, 0);
            })) << ScreenOrigin(frame).x
                << "," << ScreenOrigin(frame).y;
        } else {
            EXPECT_TRUE(testsupport::WaitUntil([&] { return ScreenOrigin(frame) == stored; }))
                << ScreenOrigin(frame).x << "," << ScreenOrigin(frame).y;
        }
        CloseMainWindow();
        app->Finish();

        if (first) {
            ASSERT_TRUE(first->Signal(SIGTERM));
            ASSERT_TRUE(first->WaitForExit(60000)) << first->Errors();
            EXPECT_EQ(first->Status(), 0) << first->Errors();
            EXPECT_TRUE(fs::exists(dir.At("first.ini").utf8_string()));
        }
    }
}

// The multi-line text of a window's children: the strength test's text on its page.
wxTextCtrl* MultiLineTextIn(wxWindow* window) {
    for (wxWindow* child : window->GetChildren()) {
        if (auto* text = dynamic_cast<wxTextCtrl*>(child); text != nullptr && text->IsMultiLine()) {
            return text;
        }
        if (wxTextCtrl* inner = MultiLineTextIn(child)) {
            return inner;
        }
    }
    return nullptr;
}

// Whatever the user puts into the strength test, the file the program writes reads back.
TEST_F(AppStartTest, AHugeStrengthTestTextStillLeavesASettingsFileThatReadsBack) {
    const wxString file = dir.At("settings.ini");
    ASSERT_TRUE(Start({"tessarin", "-i", file}));
    wxString huge;
    for (int line = 0; huge.length() < 2 * 1000 * 1000; ++line) {
        huge << wxString::Format("candidate%07d pa55word\n", line);
    }
    wxTEST_DIALOG(Press(MainFrame::kPreferencesId),
                  wxExpectModal<PreferenceDialog>([&](PreferenceDialog* dialog) {
                      // As showing the dialog would: the settings come into its pages.
                      dialog->TransferDataToWindow();
                      wxTextCtrl* text = MultiLineTextIn(dialog);
                      EXPECT_NE(text, nullptr);
                      if (text != nullptr) {
                          text->SetValue(huge);
                      }
                      return dialog->Validate() && dialog->TransferDataFromWindow() ? wxID_OK
                                                                                    : wxID_CANCEL;
                  }));
    EXPECT_EQ(MainConfig::Get().StrengthCheckTestValue,
              huge.Left(MainConfig::kMaxStoredTestValueLength))
        << "the page keeps the start of the text";
    Tick(MainFrame::kDeterSimpleId, false);
    CloseMainWindow();
    app->Finish();
    EXPECT_LT(fs::file_size(file.utf8_string()), orlSystemConfig::kMaxFileSize / 4);

    MainConfig::Get().SetDefaults();
    ASSERT_TRUE(Start({"tessarin", "-i", file}));
    EXPECT_FALSE(MainConfig::Get().DeterSimplePassword) << "the file was read";
    EXPECT_EQ(MainConfig::Get().StrengthCheckTestValue,
              huge.Left(MainConfig::kMaxStoredTestValueLength));
}

// A file taken as damaged at the start is neither read nor written over, and the user learns
// where it is and why the settings were not saved, wherever the settings live.
class DamagedSettingsTest : public AppStartTest {
  protected:
    void ExpectReportedAndLeftAlone(const wxString& file, const std::vector<wxString>& words) {
        // Far more lines than any settings file the program writes.
        std::string damaged;
        for (int line = 0; line < 40000; ++line) {
            damaged += "K" + std::to_string(line) + "=1\n";
        }
        ExpectReportedAndLeftAlone(file, words, damaged);
    }

    void ExpectReportedAndLeftAlone(const wxString& file, const std::vector<wxString>& words,
                                    const std::string& damaged) {
        {
            std::ofstream out(file.utf8_string(), std::ios::binary);
            out << damaged;
        }
        ASSERT_TRUE(Start(words));
        CloseMainWindow();

        wxString message;
        wxString report;
        wxTEST_DIALOG(app->Finish(), wxExpectModal<orlLogDialog>([&](orlLogDialog* dialog) {
                          message = MessageOf(dialog);
                          report = ReportOf(dialog);
                          return wxID_OK;
                      }));
        EXPECT_EQ(message.utf8_string(), "tessarin: The setting cannot be saved");
        EXPECT_TRUE(report.Contains(file)) << report;
        EXPECT_TRUE(report.Contains("does not look like a settings file")) << report;
        std::ifstream in(file.utf8_string(), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged) << "left as it was";
    }
};

TEST_F(DamagedSettingsTest, ANamedFile) {
    const wxString file = dir.At("settings.ini");
    ExpectReportedAndLeftAlone(file, {"tessarin", "-i", file});
}

TEST_F(DamagedSettingsTest, TheUsersOwnFile) {
    ExpectReportedAndLeftAlone(dir.At("config/tessarin.conf"), {"tessarin"});
}

// A picture named by mistake where the settings file belongs.
TEST_F(DamagedSettingsTest, APictureNamedAsTheSettingsFile) {
    const wxString file = dir.At("picture.png");
    ExpectReportedAndLeftAlone(file, {"tessarin", "-i", file},
                               std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20));
}

// A directory where the settings file belongs is reported, and the failed save leaves no
// file of its own behind.
TEST_F(AppStartTest, ADirectoryNamedAsTheSettingsFileIsReportedAndGetsNothingBeside) {
    dir.MakeDir("settings.ini");
    const wxString file = dir.At("settings.ini");
    ASSERT_TRUE(Start({"tessarin", "-i", file}));
    CloseMainWindow();

    wxString report;
    wxTEST_DIALOG(app->Finish(), wxExpectModal<orlLogDialog>([&](orlLogDialog* dialog) {
                      report = ReportOf(dialog);
                      return wxID_OK;
                  }));
    EXPECT_TRUE(report.Contains(file)) << report;
    EXPECT_EQ(FilesUnder(dir.Root()), (std::set<std::string>{"config", "home", "settings.ini"}));
}

}  // namespace
