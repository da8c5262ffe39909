#include "app/App.h"

#include <glib-unix.h>
#include <glib.h>
#include <wx/cmdline.h>
#include <wx/config.h>
#include <wx/dialog.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/translation.h>

#include <csignal>
#include <vector>

#include "app/ClipboardHandOver.h"
#include "app/CommandLine.h"
#include "app/SettingsSaver.h"
#include "app/SettingsStart.h"
#include "app/Translations.h"
#include "engine/Dictionary.h"
#include "framework/codes/orlCharCode.h"
#include "framework/config/orlSystemConfig.h"
#include "framework/dialogs/orlAbout.h"
#include "framework/orlIdentity.h"
#include "framework/orlLoadBitmap.h"
#include "framework/orlProductInfo.h"
#include "framework/window/orlNativeDialogs.h"
#include "framework/window/orlRecentFiles.h"
#include "settings/MainConfig.h"
#include "ui/main/ApplicationIcon.h"
#include "ui/main/MainFrame.h"

namespace {

constexpr int kUsageExitCode = 2;

// A request to end (the session ending, a kill, Ctrl+C in the terminal) closes the main
// window as the user would, so that the settings are written on the way out. The main loop
// runs it, never the signal itself.
gboolean CloseOnSignal(gpointer data) {
    static_cast<App*>(data)->CloseOnRequest();
    return G_SOURCE_CONTINUE;
}

// How soon a request to end is looked at again while modal dialogs are being ended.
constexpr guint kCloseRetryMilliseconds = 20;

gboolean CloseAgain(gpointer data) {
    static_cast<App*>(data)->CloseOnRequest();
    return G_SOURCE_REMOVE;
}

}  // namespace

App::App() {
    // The toolkit's own messages never reach the user: every report comes from the program.
    wxLog::EnableLogging(false);
    locale.Init(wxLANGUAGE_DEFAULT, wxLOCALE_DONT_LOAD_DEFAULT);
    SetAppName(kProgramName);
}

App::~App() {
    UnwatchSignals();
}

bool App::OnInit() {
    return Start(argv.GetArguments());
}

int App::OnExit() {
    Finish();
    return wxApp::OnExit();
}

bool App::Start(const wxArrayString& arguments) {
    const wxString programPath =
        orlGetExecutablePath(arguments.empty() ? wxString() : arguments[0]);
    const wxString programDirectory = wxFileName(programPath).GetPath();

    LoadProgramCatalogs(programDirectory, GetAppName());
    orlCharCode::Get().Init(wxLocale::GetLanguageName(locale.GetLanguage()));
    wxInitAllImageHandlers();

    // The parser takes the words as the C runtime gives them.
    std::vector<wxWritableWCharBuffer> words;
    std::vector<wchar_t*> pointers;
    for (const wxString& argument : arguments) {
        words.push_back(argument.wchar_str());
    }
    for (wxWritableWCharBuffer& word : words) {
        pointers.push_back(word.data());
    }
    wxCmdLineParser parser(static_cast<int>(pointers.size()), pointers.data());
    DescribeCommandLine(parser);
    switch (parser.Parse(true)) {
        case 0:
            break;
        case -1:  // help: the usage text has been shown
            startExitStatus = 0;
            return false;
        default:  // the usage text and the error have been shown
            startExitStatus = kUsageExitCode;
            return false;
    }
    if (parser.Found("v")) {
        ShowVersion(programDirectory);
        startExitStatus = 0;
        return false;
    }
    parser.Found("i", &initialFile);

    // A settings file that cannot be used leaves the defaults; saving at the end says why.
    MainConfig& config = MainConfig::Get();
    StartSettings(programPath, initialFile, config);

    // From here on a request to end waits for the main loop, which closes the window and
    // writes the settings. Installed before the single-instance name is taken, so that once
    // that name exists a request to end is never fatal.
    WatchSignals();

    wxPoint position = config.MainPosition;
    instanceChecker = std::make_unique<wxSingleInstanceChecker>();
    const wxString name = wxString::Format(".%s-%s", GetAppName(), orlGetIdentity().GetLoginName());
    if (instanceChecker->Create(name) && instanceChecker->IsAnotherRunning()) {
        // Let the window system place the second window rather than on top of the first.
        position = wxDefaultPosition;
    }

    // What is saved from the program is nobody else's business: no file chosen in its file
    // dialogs goes into the desktop's list of recent files.
    orlLeaveRecentFilesAlone();

    auto* frame = new MainFrame(position);
    frame->SetSettingsSaver([this](wxWindow* parent) { return SaveSettings(parent); });
    frame->Show();
    SetTopWindow(frame);
    CallAfter([] { Dictionary::Get().LoadIfWaiting(); });
    return true;
}

void App::ExitMainLoop() {
    LimitToolkitClipboardWait(std::chrono::seconds(1));
    wxApp::ExitMainLoop();
}

void App::Finish() {
    UnwatchSignals();
    SaveSettings(nullptr);
    // What the program put on the clipboard stays there for the other programs: the desktop's
    // clipboard manager, if there is one, is asked to keep it, but the close never waits long.
    HandClipboardToManager(std::chrono::seconds(1));
    instanceChecker.reset();
    delete wxConfigBase::Set(nullptr);
}

bool App::SaveSettings(wxWindow* parent) {
    return SaveMainSettings(parent, GetAppName(), initialFile);
}

wxString App::GetProgramDirectory() const {
    return orlSystemConfig::Get().GetProgramDirectory();
}

wxString App::GetLocaleName() const {
    return locale.GetCanonicalName();
}

bool App::IsAnotherInstanceRunning() const {
    return instanceChecker != nullptr && instanceChecker->IsAnotherRunning();
}

void App::WatchSignals() {
    UnwatchSignals();
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        signalSources.push_back(g_unix_signal_add(signal, CloseOnSignal, this));
    }
}

void App::CloseOnRequest() {
    // A dialog shown modally belongs to the code that showed it, often on its stack: closing
    // the main window under it would destroy it twice. So the modal dialogs are ended first,
    // as Cancel would end them, one at a time from the innermost: a dialog's loop can end only
    // once every loop inside it has returned. The dialogs GTK runs itself (the file chooser
    // and the questions it asks) are not among the toolkit's windows and are always the
    // innermost. The request is looked at again a moment later until the main loop alone
    // runs; then the window is closed.
    std::vector<wxDialog*> modal;
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = dynamic_cast<wxDialog*>(window);
        if (dialog != nullptr && dialog->IsModal()) {
            modal.push_back(dialog);
        }
    }
    const int native = orlCountNativeModalDialogs();
    // Each loop runs this from a dispatch of its own: the main loop, then one for each dialog.
    const int open = static_cast<int>(modal.size()) + native;
    const bool settled = g_main_depth() == open + 1;
    if (open > 0 || !settled) {
        if (settled) {
            if (native > 0) {
                orlCancelInnermostNativeDialog();
            } else {
                modal.back()->EndModal(wxID_CANCEL);
            }
        }
        g_timeout_add(kCloseRetryMilliseconds, CloseAgain, this);
        return;
    }
    if (wxWindow* window = GetTopWindow()) {
        window->Close(true);
        wxWakeUpIdle();  // the closed window is deleted, and the loop ended, when idle
    } else {
        ExitMainLoop();
    }
}

void App::UnwatchSignals() {
    for (const unsigned source : signalSources) {
        g_source_remove(source);
    }
    signalSources.clear();
}

void App::ShowVersion(const wxString& programDirectory) {
    const wxBitmap picture =
        orlLoadBitmap(programDirectory, "tessarin.png", CreateApplicationIcon(32));
    orlAbout about(nullptr, GetAppName(), orlGetProductVersion(), picture, wxEmptyString);
    about.ShowModal();
}
