#include "app/TerminalMode.h"

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/strconv.h>

#include <memory>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/Translations.h"
#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "engine/StrengthTest.h"
#include "settings/MainConfig.h"
#include "settings/orlSystemConfig.h"

namespace {

constexpr long kMaxCount = 1000;

void Print(std::FILE* stream, const wxString& text) {
    const std::string bytes = text.utf8_string();
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

// The generator's complaints, one message to a line.
class StreamReporter : public GenerationReporter {
  public:
    explicit StreamReporter(std::FILE* err) : m_err(err) {}
    void ShowError(const wxString& message) override { Print(m_err, message + "\n"); }

  private:
    std::FILE* m_err;
};

// Everything standard input holds, as text; bytes that are not UTF-8 stay as characters of
// their own rather than losing the line.
wxString ReadAll(std::FILE* in) {
    std::string bytes;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        bytes.append(buffer, got);
    }
    const wxMBConvUTF8 lenient(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
    return wxString(bytes.data(), lenient, bytes.size());
}

struct Request {
    bool generate = false;
    bool check = false;
    long count = 0;  // 0: as the settings say
    long level = 0;  // 0: as the settings say
    wxString initialFile;
};

// Reads the command line; on a fault prints one line and returns false with the status.
bool ParseRequest(int argc, char** argv, std::FILE* err, Request& request, int& status) {
    wxCmdLineParser parser(argc, argv);
    DescribeCommandLine(parser);
    switch (parser.Parse(false)) {
        case 0:
            break;
        case -1:  // the help
            parser.Usage();
            status = kTerminalOk;
            return false;
        default:  // the parser has said what is wrong
            status = kTerminalUsage;
            return false;
    }
    request.generate = parser.Found("g");
    request.check = parser.Found("c");
    parser.Found("i", &request.initialFile);
    const bool hasCount = parser.Found("n", &request.count);
    const bool hasLevel = parser.Found("level", &request.level);

    wxString fault;
    if (request.generate && request.check) {
        fault = _("--generate and --check cannot be used together");
    } else if (!request.generate && !request.check) {
        fault = _("--count and --level need --generate or --check");
    } else if (parser.Found("v")) {
        fault = _("--version cannot be used with --generate or --check");
    } else if (hasCount && !request.generate) {
        fault = _("--count goes with --generate");
    } else if (hasLevel && !request.check) {
        fault = _("--level goes with --check");
    } else if (hasCount && (request.count < 1 || request.count > kMaxCount)) {
        fault = wxString::Format(_("--count must be from 1 to %ld"), kMaxCount);
    } else if (hasLevel && request.level != 1 && request.level != 2) {
        fault = _("--level must be 1 or 2");
    }
    if (!fault.empty()) {
        Print(err, fault + "\n");
        status = kTerminalUsage;
        return false;
    }
    return true;
}

// The settings as the window would start with them, read without writing anything.
void LoadSettings(const wxString& programPath, const wxString& initialFile) {
    orlSystemConfig& locator = orlSystemConfig::Get();
    locator.Init("tessarin", programPath);
    MainConfig& config = MainConfig::Get();
    config.SetDefaults();
    if (std::unique_ptr<wxConfigBase> store = locator.OpenForReading(initialFile)) {
        config.Load(*store);
    }
    Dictionary::Get().Load(config.GetDictionaryDirectory());
}

int Generate(const Request& request, std::FILE* out, std::FILE* err) {
    const MainConfig& config = MainConfig::Get();
    const GenerationSettings settings = config.GetGenerationSettings();
    PasswordGenerator generator(settings, Dictionary::Get());
    generator.Seed();
    StreamReporter reporter(err);
    if (!generator.CheckSetting(reporter)) {
        return kTerminalFailed;
    }

    wxArrayString batch;
    if (request.count == 0 && !config.PluralCreate) {
        // One password, as the single mode makes it.
        const wxString password = generator.MakePassword();
        if (password.empty()) {
            reporter.ShowError(_("Password generation error!\nPlease reconsider the setting"));
            return kTerminalFailed;
        }
        batch.Add(password);
    } else {
        const long count = request.count != 0 ? request.count : config.PluralCreateCount;
        if (!generator.MakePasswords(batch, static_cast<std::uint32_t>(count))) {
            reporter.ShowError(_("Give up!.\nPlease reconsider the setting"));
            return kTerminalFailed;
        }
    }
    wxString text;
    for (const wxString& password : batch) {
        text << password << '\n';
    }
    Print(out, text);
    return std::fflush(out) == 0 ? kTerminalOk : kTerminalFailed;
}

int Check(const Request& request, std::FILE* in, std::FILE* out, std::FILE* err) {
    const wxArrayString lines = ReadTestLines(ReadAll(in));
    if (lines.empty()) {
        Print(err, _("Please input the tested character string") + "\n");
        return kTerminalUsage;
    }
    const MainConfig& config = MainConfig::Get();
    const GenerationSettings settings = config.GetGenerationSettings();
    PasswordGenerator generator(settings, Dictionary::Get());
    generator.Seed();
    const int level =
        request.level != 0 ? static_cast<int>(request.level) : config.StrengthCheckLevel;
    const StrengthReport result = RunStrengthTest(generator, lines, level);
    Print(out, result.report + result.GetSummary() + "\n");
    if (std::fflush(out) != 0) {
        return kTerminalFailed;
    }
    return result.weak > 0 ? kTerminalFailed : kTerminalOk;
}

// The toolkit's base for the modes without a window: a plain application object (the windowed
// toolkit is never started), the toolkit's logging off, and the messages in the user's
// language from the same catalogs as the window's.
class ConsoleSession {
  public:
    ConsoleSession(int argc, char** argv) : m_toolkit(argc, argv) {
        if (!m_toolkit.IsOk()) {
            return;
        }
        wxLog::EnableLogging(false);
        wxAppConsole::GetInstance()->SetAppName("tessarin");
        m_locale.emplace(wxLANGUAGE_DEFAULT, wxLOCALE_DONT_LOAD_DEFAULT);
        m_programPath = orlGetExecutablePath(argc > 0 ? argv[0] : "");
        LoadProgramCatalogs(wxFileName(m_programPath).GetPath(), "tessarin");
    }

    bool IsOk() const { return m_toolkit.IsOk(); }
    const wxString& ProgramPath() const { return m_programPath; }

  private:
    // Made before the toolkit starts, which then takes it as the application object.
    struct ConsoleApplication {
        ConsoleApplication() { wxApp::SetInstance(new wxAppConsole); }
    } m_application;
    wxInitializer m_toolkit;
    std::optional<wxLocale> m_locale;
    wxString m_programPath;
};

}  // namespace

int RunTerminalMode(int argc, char** argv, std::FILE* in, std::FILE* out, std::FILE* err) {
    const ConsoleSession session(argc, argv);
    if (!session.IsOk()) {
        Print(err, "the toolkit could not start\n");
        return kTerminalFailed;
    }

    Request request;
    int status = kTerminalOk;
    if (!ParseRequest(argc, argv, err, request, status)) {
        return status;
    }
    LoadSettings(session.ProgramPath(), request.initialFile);
    return request.generate ? Generate(request, out, err) : Check(request, in, out, err);
}

int ReportNoDisplay(int argc, char** argv, std::FILE* err) {
    const ConsoleSession session(argc, argv);
    if (session.IsOk()) {
        wxCmdLineParser parser(argc, argv);
        DescribeCommandLine(parser);
        // As the window would: the usage and the fault, before anything needs a display.
        if (parser.Parse(true) != 0) {
            return kTerminalUsage;
        }
    }
    const wxString display = wxGetenv("DISPLAY");
    Print(err, wxString::Format(_("tessarin: no display could be opened (DISPLAY is %s); "
                                  "--generate and --check work without one"),
                                display.empty() ? _("not set") : "\"" + display + "\"") +
                   "\n");
    return kTerminalFailed;
}
