#include "app/TerminalMode.h"

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/translation.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/InputLines.h"
#include "app/SettingsStart.h"
#include "app/Translations.h"
#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "engine/RecipeEntropy.h"
#include "engine/StrengthTest.h"
#include "framework/codes/orlUtf8Text.h"
#include "framework/config/orlSystemConfig.h"
#include "settings/PasswordConfig.h"

namespace {

constexpr long kMaxCount = 1000;

// Writes the text in UTF-8; false when the stream would not take all of it.
bool Print(std::FILE* stream, const wxString& text) {
    const std::string bytes = orlEncodeUtf8(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

// Standard output, checked at every write: the first failure is told on standard error once,
// with the system's reason, and nothing more is written.
class Output {
  public:
    Output(std::FILE* outputStream, std::FILE* errorStream) : out(outputStream), err(errorStream) {}

    bool Write(const wxString& text) {
        if (failed) {
            return false;
        }
        errno = 0;
        if (!Print(out, text)) {
            Fail();
        }
        return !failed;
    }

    // Flushes what is buffered; the status of the mode when that worked, else the status of a
    // failed write.
    int Finish(int status) {
        if (!failed) {
            errno = 0;
            if (std::fflush(out) != 0 || std::ferror(out)) {
                Fail();
            }
        }
        return failed ? kTerminalInputOutput : status;
    }

  private:
    void Fail() {
        const int error = errno != 0 ? errno : EIO;
        failed = true;
        Print(err, wxString::Format(_("tessarin: standard output could not be written: %s"),
                                    wxString(std::strerror(error))) +
                       "\n");
    }

    std::FILE* out;
    std::FILE* err;
    bool failed = false;
};

// The generator's complaints, one message to a line.
class StreamReporter : public GenerationReporter {
  public:
    explicit StreamReporter(std::FILE* errorStream) : err(errorStream) {}
    void ShowError(const wxString& message) override { Print(err, message + "\n"); }

  private:
    std::FILE* err;
};

struct Request {
    bool generate = false;
    bool check = false;
    bool entropy = false;
    long count = 0;  // 0: as the settings say
    long level = 0;  // 0: as the settings say
    wxString initialFile;
};

// Reads the command line; on a fault prints one line and returns false with the status. The
// help goes to standard output.
bool ParseRequest(int argc, char** argv, Output& out, std::FILE* err, Request& request,
                  int& status) {
    wxCmdLineParser parser(argc, argv);
    DescribeCommandLine(parser);
    switch (parser.Parse(false)) {
        case 0:
            break;
        case -1:  // the help
            out.Write(parser.GetUsageString());
            status = kTerminalOk;
            return false;
        default:  // the parser has said what is wrong
            status = kTerminalUsage;
            return false;
    }
    request.generate = parser.Found("g");
    request.check = parser.Found("c");
    request.entropy = parser.Found("e");
    parser.Found("i", &request.initialFile);
    const bool hasCount = parser.Found("n", &request.count);
    const bool hasLevel = parser.Found("level", &request.level);

    wxString fault;
    if (request.generate && request.check) {
        fault = _("--generate and --check cannot be used together");
    } else if (request.entropy && (request.generate || request.check)) {
        fault = _("--entropy cannot be used with --generate or --check");
    } else if (request.entropy && parser.Found("v")) {
        fault = _("--version cannot be used with --entropy");
    } else if (request.entropy && (hasCount || hasLevel)) {
        fault = _("--count and --level do not go with --entropy");
    } else if (request.entropy) {
        return true;
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

// The settings as the window would start with them, read without writing anything. A settings
// file that is there but cannot be read, or does not look like one, is told and ends the mode:
// passwords made from the defaults instead would look right and be wrong.
bool LoadSettings(const wxString& programPath, const wxString& initialFile, std::FILE* err,
                  PasswordConfig& config) {
    const SettingsStart start = StartSettings(programPath, initialFile, config);
    switch (start.state) {
        case orlSettingsFileState::Missing:
        case orlSettingsFileState::Usable:
            return true;
        case orlSettingsFileState::Unreadable:
            Print(err,
                  wxString::Format(_("tessarin: the settings file %s cannot be read"), start.path) +
                      "\n");
            return false;
        case orlSettingsFileState::Refused:
            Print(err, wxString::Format(_("tessarin: %s does not look like a settings file (it is "
                                          "too large or too long, it holds lines that a settings "
                                          "file does not have, or it is not a plain file)"),
                                        start.path) +
                           "\n");
            return false;
    }
    return false;
}

// The entropy of one password of the settings and a word for it: "87.3 bits, strong".
int PrintEntropy(const PasswordConfig& config, Output& out, std::FILE* err) {
    const GenerationSettings settings = config.GetGenerationSettings();
    const RecipeEntropy entropy = ComputeRecipeEntropy(settings, Dictionary::Get());
    if (!entropy.valid) {
        // The generator says what is wrong with the settings, where it can.
        PasswordGenerator generator(settings, Dictionary::Get());
        StreamReporter reporter(err);
        if (generator.CheckSetting(reporter)) {
            reporter.ShowError(_("No password can be made with the settings"));
        }
        return kTerminalFailed;
    }
    // The figure with a point, whatever the locale, for the scripts that read it.
    out.Write(GetEntropyText(entropy.bits, EntropyNumber::kPoint) + "\n");
    return out.Finish(kTerminalOk);
}

int Generate(const Request& request, const PasswordConfig& config, Output& out, std::FILE* err) {
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
    for (const wxString& password : batch) {
        if (!out.Write(password + '\n')) {
            break;
        }
    }
    return out.Finish(kTerminalOk);
}

// Judges standard input line by line as it comes, so that neither the input nor the report is
// held whole.
int Check(const Request& request, const PasswordConfig& config, std::FILE* in, Output& out,
          std::FILE* err) {
    const GenerationSettings settings = config.GetGenerationSettings();
    PasswordGenerator generator(settings, Dictionary::Get());
    generator.Seed();
    const int level =
        request.level != 0 ? static_cast<int>(request.level) : config.StrengthCheckLevel;
    StrengthTester tester(generator, level);

    InputLines input(in);
    std::string bytes;
    for (;;) {
        switch (input.Next(bytes)) {
            case InputLines::Result::Line: {
                wxString line = orlDecodeUtf8(bytes);
                line.Trim(true).Trim(false);
                if (!line.empty() && !out.Write(tester.Judge(line))) {
                    return out.Finish(kTerminalOk);
                }
                continue;
            }
            case InputLines::Result::TooLong:
                out.Finish(kTerminalOk);
                Print(err, wxString::Format(_("tessarin: line %llu of standard input is longer "
                                              "than 1 MiB; the check stops there"),
                                            input.GetLineNumber()) +
                               "\n");
                return kTerminalUsage;
            case InputLines::Result::Failed:
                out.Finish(kTerminalOk);
                Print(err, wxString::Format(_("tessarin: standard input could not be read: %s"),
                                            wxString(std::strerror(input.GetError()))) +
                               "\n");
                return kTerminalInputOutput;
            case InputLines::Result::End:
                break;
        }
        break;
    }
    if (tester.GetTotal() == 0) {
        Print(err, _("Please input the tested character string") + "\n");
        return kTerminalUsage;
    }
    out.Write(tester.GetSummary() + "\n");
    return out.Finish(tester.GetWeak() > 0 ? kTerminalFailed : kTerminalOk);
}

// The toolkit's base for the modes without a window: a plain application object (the windowed
// toolkit is never started), the toolkit's logging off, the process's locale from the
// environment, and the messages in the user's language from the same catalogs as the
// window's. No locale object of the toolkit is made: it would build its table of every
// language, which these modes do not need.
class ConsoleSession {
  public:
    ConsoleSession(int argc, char** argv) : toolkit(argc, argv) {
        if (!toolkit.IsOk()) {
            return;
        }
        wxLog::EnableLogging(false);
        wxAppConsole::GetInstance()->SetAppName(kProgramName);
        std::setlocale(LC_ALL, "");
        programPath = orlGetExecutablePath(argc > 0 ? argv[0] : "");
        LoadProgramCatalogs(wxFileName(programPath).GetPath(), kProgramName);
    }
    ~ConsoleSession() {
        if (toolkit.IsOk()) {
            wxTranslations::Set(nullptr);
        }
    }
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    bool IsOk() const { return toolkit.IsOk(); }
    const wxString& ProgramPath() const { return programPath; }

  private:
    // Made before the toolkit starts, which then takes it as the application object.
    struct ConsoleApplication {
        ConsoleApplication() { wxApp::SetInstance(new wxAppConsole); }
    } application;
    wxInitializer toolkit;
    wxString programPath;
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
    Output output(out, err);
    if (!ParseRequest(argc, argv, output, err, request, status)) {
        return output.Finish(status);
    }
    PasswordConfig config;
    if (!LoadSettings(session.ProgramPath(), request.initialFile, err, config)) {
        return kTerminalFailed;
    }
    if (request.entropy) {
        return PrintEntropy(config, output, err);
    }
    return request.generate ? Generate(request, config, output, err)
                            : Check(request, config, in, output, err);
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
