#include "app/App.h"

#include <glib-unix.h>
#include <wx/clipbrd.h>
#include <wx/cmdline.h>
#include <wx/config.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/translation.h>

#include <csignal>
#include <vector>

#include "app/CommandLine.h"
#include "app/SettingsSaver.h"
#include "engine/Dictionary.h"
#include "framework/codes/orlCharCode.h"
#include "framework/dialogs/orlAbout.h"
#include "framework/orlIdentity.h"
#include "framework/orlLoadBitmap.h"
#include "settings/MainConfig.h"
#include "settings/orlSystemConfig.h"
#include "ui/main/MainFrame.h"
#include "ui/main/ModePictures.h"

namespace {

constexpr int kUsageExitCode = 2;

// The catalogs are looked for under "locale" in the directory, once.
void AddCatalogDirectory(const wxString& directory) {
    if (!directory.empty()) {
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(directory + wxFILE_SEP_PATH +
                                                             "locale");
    }
}

// A request to end (the session ending, a kill, Ctrl+C in the terminal) closes the main
// window as the user would, so that the settings are written on the way out. The main loop
// runs it, never the signal itself.
gboolean CloseOnSignal(gpointer) {
    if (wxTheApp != nullptr) {
        if (wxWindow* window = wxTheApp->GetTopWindow()) {
            window->Close(true);
            wxWakeUpIdle();  // the closed window is deleted, and the loop ended, when idle
        } else {
            wxTheApp->ExitMainLoop();
        }
    }
    return G_SOURCE_CONTINUE;
}

}  // namespace

App::App() {
    // The toolkit's own messages never reach the user: every report comes from the program.
    wxLog::EnableLogging(false);
    locale.Init(wxLANGUAGE_DEFAULT, wxLOCALE_LOAD_DEFAULT);
    SetAppName("tessarin");
}

App::~App() = default;

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

    SetUpTranslations(programDirectory);
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

    orlSystemConfig& locator = orlSystemConfig::Get();
    locator.Init(GetAppName(), programPath);
    MainConfig& config = MainConfig::Get();
    config.SetDefaults();
    if (std::unique_ptr<wxConfigBase> store = locator.Create(initialFile)) {
        config.Load(*store);
    }
    Dictionary::Get().Load(config.GetDictionaryDirectory());

    wxPoint position = config.MainPosition;
    instanceChecker = std::make_unique<wxSingleInstanceChecker>();
    const wxString name = wxString::Format(".%s-%s", GetAppName(), orlGetIdentity().GetLoginName());
    if (instanceChecker->Create(name) && instanceChecker->IsAnotherRunning()) {
        // Let the window system place the second window rather than on top of the first.
        position = wxDefaultPosition;
    }

    auto* frame = new MainFrame(position);
    frame->Show();
    SetTopWindow(frame);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        g_unix_signal_add(signal, CloseOnSignal, nullptr);
    }
    return true;
}

void App::Finish() {
    SaveSettings(nullptr);
    // What the program put on the clipboard stays there for the other programs.
    if (wxTheClipboard != nullptr) {
        wxTheClipboard->Flush();
    }
    instanceChecker.reset();
    delete wxConfigBase::Set(nullptr);
}

bool App::SaveSettings(wxWindow* parent) {
    return SaveMainSettings(parent, initialFile);
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

void App::SetUpTranslations(const wxString& programDirectory) {
    AddCatalogDirectory(programDirectory);
    AddCatalogDirectory(wxFileName::GetCwd());
    if (wxTranslations* translations = wxTranslations::Get()) {
        translations->AddCatalog(GetAppName(), wxLANGUAGE_ENGLISH_US);
    }
}

void App::ShowVersion(const wxString& programDirectory) {
    const wxBitmap picture =
        orlLoadBitmap(programDirectory, "tessarin.png", CreateApplicationIcon(32));
    orlAbout about(nullptr, GetAppName(), kVersion, picture, wxEmptyString);
    about.ShowModal();
}
