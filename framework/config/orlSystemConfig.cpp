#include "framework/config/orlSystemConfig.h"

#include <sys/stat.h>
#include <wx/debug.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "framework/codes/orlCodeFunctions.h"
#include "framework/codes/orlUtf8Text.h"
#include "framework/config/orlSettingsFileStore.h"
#include "framework/orlFileName.h"
#include "framework/orlIdentity.h"
#include "framework/orlPlainFile.h"

namespace {

const char kSystemFileName[] = "orsystem.ini";
const char kRedirectEntry[] = "ConfigFileName";

wxString Trimmed(const wxString& text) {
    wxString trimmed(text);
    trimmed.Trim(true).Trim(false);
    return trimmed;
}

bool IsBlank(const wxString& text) {
    return Trimmed(text).empty();
}

// The full path of the name made absolute against the base; the name itself when that fails.
wxString Absolute(const wxString& name, const wxString& base) {
    orlFileName file(name);
    return file.MakeAbsolute(base) ? file.GetFullPath() : name;
}

// The user's own settings file for the package in the XDG layout: "<package>.conf" in
// $XDG_CONFIG_HOME, or in ~/.config when that is unset or not an absolute path.
wxString GetDefaultFileName(const wxString& package) {
    wxString directory;
    if (!wxGetEnv("XDG_CONFIG_HOME", &directory) || !wxIsAbsolutePath(directory)) {
        directory = orl::AppendSeparator(wxFileName::GetHomeDir()) + ".config";
    }
    return orl::AppendSeparator(directory) + package + ".conf";
}

// Keeps the toolkit quiet while it parses a file the user may have damaged: its messages and
// its checks (an entry without a name trips one) would otherwise show up in boxes.
class QuietParsing {
  public:
    QuietParsing() : assertHandler(wxSetAssertHandler(nullptr)) {}
    ~QuietParsing() { wxSetAssertHandler(assertHandler); }
    QuietParsing(const QuietParsing&) = delete;
    QuietParsing& operator=(const QuietParsing&) = delete;

  private:
    wxLogNull noLog;
    wxAssertHandler_t assertHandler;
};

// Whether the bytes are UTF-8 throughout (no overlong forms, no surrogates, nothing beyond
// U+10FFFF) and hold no zero byte.
bool IsPlainUtf8(std::string_view text) {
    return text.find('\0') == std::string_view::npos && orlIsWellFormedUtf8(text);
}

// What the toolkit's parser would face in the text: its lines that hold something, its
// deepest group header (the number of levels in the name of a "[...]" line: the pieces between
// slashes that hold something, so "a//b" is two levels, and a backslash escapes the character
// after it, which for a slash still separates levels), and whether it reads
// as a settings file at all: UTF-8 text whose every line is a group header "[...]", an entry
// "key=value", a comment ("#" or ";") or blank.
struct TextShape {
    int lines = 0;
    int deepest = 0;
    bool settingsLike = true;
};

TextShape ShapeOf(std::string_view text) {
    TextShape shape;
    shape.settingsLike = IsPlainUtf8(text);
    // A byte-order mark may open the file.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    bool lineStart = true;
    bool inHeader = false;
    bool inLevel = false;  // within a level's name in a header
    bool escaped = false;  // after a backslash in a header
    int depth = 0;
    char wanted = 0;  // what the line still lacks: "]" for a header, "=" for an entry
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            shape.settingsLike = shape.settingsLike && wanted == 0;
            wanted = 0;
            lineStart = true;
            inHeader = false;
            continue;
        }
        if (lineStart && (c == ' ' || c == '\t')) {
            continue;
        }
        if (lineStart) {
            lineStart = false;
            ++shape.lines;
            inHeader = c == '[';
            inLevel = false;
            escaped = false;
            depth = 0;
            wanted = c == '[' ? ']' : (c == '#' || c == ';' || c == '=') ? 0 : '=';
            continue;
        }
        if (c == wanted) {
            wanted = 0;
        }
        if (!inHeader) {
            continue;
        }
        if (!escaped && c == '\\') {
            escaped = true;
        } else if (!escaped && c == ']') {
            inHeader = false;
        } else if (c == '/') {
            inLevel = false;
            escaped = false;
        } else {
            escaped = false;
            if (!inLevel) {
                inLevel = true;
                shape.deepest = std::max(shape.deepest, ++depth);
            }
        }
    }
    shape.settingsLike = shape.settingsLike && wanted == 0;
    return shape;
}

// A file store for the package (no vendor) over the local and global files. Values are taken
// as they are: a "$" in a stored text is not an environment variable.
std::unique_ptr<wxConfigBase> OpenFileStore(const wxString& package, const wxString& local,
                                            const wxString& global, long style) {
    QuietParsing quiet;
    auto store = std::make_unique<orlSettingsFileStore>(package, local, global, style);
    store->SetExpandEnvVars(false);
    return store;
}

}  // namespace

orlSettingsFileState orlCheckSettingsFile(const wxString& path, orlSettingsText kind) {
    struct stat info {};
    if (stat(path.fn_str(), &info) != 0) {
        return orlSettingsFileState::Missing;
    }
    if (S_ISDIR(info.st_mode)) {
        return orlSettingsFileState::Missing;  // nothing to read; saving reports the directory
    }
    std::vector<char> text;
    switch (orlReadPlainFile(path, orlSystemConfig::kMaxFileSize, text)) {
        case orlPlainFileRead::Unopened:
            return orlSettingsFileState::Unreadable;
        case orlPlainFileRead::Refused:
            return orlSettingsFileState::Refused;
        case orlPlainFileRead::Incomplete:  // shrunk while read: judged by what is there
        case orlPlainFileRead::Complete:
            break;
    }
    const TextShape shape = ShapeOf(std::string_view(text.data(), text.size()));
    return (kind == orlSettingsText::Settings && !shape.settingsLike) ||
                   shape.lines > orlSystemConfig::kMaxLines ||
                   shape.deepest > orlSystemConfig::kMaxGroupDepth
               ? orlSettingsFileState::Refused
               : orlSettingsFileState::Usable;
}

wxString orlGetExecutablePath(const wxString& argv0) {
    namespace fs = std::filesystem;
    std::error_code error;
    // The kernel's own record of the program file, every link already resolved.
    const fs::path link = fs::read_symlink("/proc/self/exe", error);
    if (error || link.empty() || !link.is_absolute()) {
        return argv0;
    }
    wxString path(link.c_str(), *wxConvFileName);
    // A program file replaced or removed while running is reported with this suffix.
    const wxString deleted = " (deleted)";
    if (path.EndsWith(deleted) && !wxFileName::Exists(path)) {
        path.RemoveLast(deleted.length());
    }
    return path.empty() ? argv0 : path;
}

orlSystemConfig& orlSystemConfig::Get() {
    static orlSystemConfig instance;
    return instance;
}

void orlSystemConfig::Init(const wxString& packageName, const wxString& programFilePath) {
    package = packageName;
    programPath = programFilePath;
    redirect.clear();

    const wxString systemFile = GetSystemFilePath();
    if (!orl::FileExists(systemFile) ||
        orlCheckSettingsFile(systemFile, orlSettingsText::Any) != orlSettingsFileState::Usable) {
        return;
    }
    QuietParsing quiet;
    wxFileConfig store(package, wxEmptyString, systemFile, systemFile, wxCONFIG_USE_LOCAL_FILE);
    store.SetExpandEnvVars(false);
    ReadRedirect(store);
}

void orlSystemConfig::ReadRedirect(const wxConfigBase& systemFile) {
    wxString value;
    if (!systemFile.Read(kRedirectEntry, &value)) {
        return;
    }
    // The system file never names itself as the settings file: its bare name, in any letter
    // case and with or without surrounding spaces, is ignored.
    const wxString name = Trimmed(value);
    if (name.empty() || CompareFileNames(name, kSystemFileName) == 0) {
        return;
    }
    redirect = name;
}

wxString orlSystemConfig::GetProgramDirectory() const {
    const wxString directory = orlFileName(programPath).GetPath();
    return IsBlank(directory) ? wxGetCwd() : directory;
}

wxString orlSystemConfig::GetSystemFileName() {
    return kSystemFileName;
}

wxString orlSystemConfig::GetSystemFilePath() const {
    return orl::AppendSeparator(GetProgramDirectory()) + kSystemFileName;
}

wxString orlSystemConfig::GetConfigFileName(const wxString& initialFile) const {
    if (!IsBlank(initialFile)) {
        return initialFile;
    }
    if (IsBlank(redirect)) {
        return wxString();
    }
    const orlIdentity& identity = orlGetIdentity();
    wxString name = redirect;
    name.Replace("@PACKAGE@", package);
    name.Replace("@HOSTNAME@", identity.GetHostName());
    name.Replace("@USERNAME@", identity.GetUserName());

    const wxString directory = GetProgramDirectory();
    const wxString path = Absolute(name, directory);
    // A redirect that comes back to the system file by another spelling ("./orsystem.ini")
    // is ignored too.
    if (path == Absolute(GetSystemFilePath(), directory)) {
        return wxString();
    }
    return path;
}

bool orlSystemConfig::IsFileStore(const wxString& initialFile) const {
    return !GetConfigFileName(initialFile).empty();
}

// The settings file a store for the initial file works on, as an absolute path.
wxString orlSystemConfig::GetStoreFileName(const wxString& initialFile) const {
    const wxString name = GetConfigFileName(initialFile);
    if (IsBlank(name)) {
        return GetDefaultFileName(package);
    }
    // A relative initial file is taken against the working directory.
    return Absolute(name, wxEmptyString);
}

std::unique_ptr<wxConfigBase> orlSystemConfig::Create(const wxString& initialFile) const {
    const wxString file = GetStoreFileName(initialFile);
    // A file taken as damaged is neither parsed nor written over: it may be something else
    // named by mistake, and the user is told the settings could not be saved. Neither is a
    // file that cannot be read: what it holds would be lost.
    const orlSettingsFileState state = orlCheckSettingsFile(file);
    if (state == orlSettingsFileState::Refused || state == orlSettingsFileState::Unreadable) {
        return nullptr;
    }
    // The toolkit does not make the directory when it saves; a failure shows when flushing.
    orl::MakeDirectories(orlFileName(file).GetPath());
    return Open(initialFile, file);
}

std::unique_ptr<wxConfigBase> orlSystemConfig::OpenForReading(const wxString& initialFile) const {
    const wxString file = GetStoreFileName(initialFile);
    if (!orl::FileExists(file) || orlCheckSettingsFile(file) != orlSettingsFileState::Usable) {
        return nullptr;
    }
    return Open(initialFile, file);
}

std::unique_ptr<wxConfigBase> orlSystemConfig::Open(const wxString& initialFile,
                                                    const wxString& file) const {
    if (IsBlank(GetConfigFileName(initialFile))) {
        // No global file of its own: the toolkit's machine-wide one for the package.
        return OpenFileStore(package, file, wxEmptyString,
                             wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_GLOBAL_FILE);
    }
    return OpenFileStore(package, file, file, wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_RELATIVE_PATH);
}
