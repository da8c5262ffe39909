// Where the settings live, and a fresh store there whenever they are loaded or saved. In
// order of precedence: a settings file named on the command line (the initial file); the file
// named by the "ConfigFileName" entry of the system file "orsystem.ini" beside the program,
// where "@PACKAGE@", "@HOSTNAME@" and "@USERNAME@" stand for the package, the computer's short
// name and the user's name; or the user's own settings file for the package under the XDG
// configuration directory ($XDG_CONFIG_HOME, else ~/.config).
#pragma once

#include <wx/confbase.h>
#include <wx/string.h>

#include <cstdint>
#include <memory>

// The path of the running program as the system reports it (absolute, links resolved);
// argv0 itself when the system cannot tell.
wxString orlGetExecutablePath(const wxString& argv0);

enum class orlSettingsFileState {
    Missing,  // nothing to read there: no file, or a directory
    Usable,
    Unreadable,  // a file this user cannot open
    Refused,     // taken as damaged: not a plain file, too large, too long or nested too deep,
                 // or not a settings file's text (see below)
};

// What a file must hold, besides keeping within the limits below.
enum class orlSettingsText {
    // A settings file's text: UTF-8 (a byte-order mark may open it) whose every line is a
    // group header "[...]", an entry "key=value", a comment starting with "#" or ";", or blank.
    // An empty file is one. The program writes over no other file.
    Settings,
    // Whatever the toolkit's parser takes, in any encoding: the system file, which is only read.
    Any,
};

// What the settings file (or the system file) at the path is, judged without parsing it and
// without waiting: a pipe or a device is never read.
orlSettingsFileState orlCheckSettingsFile(const wxString& path,
                                          orlSettingsText text = orlSettingsText::Settings);

class orlSystemConfig {
  public:
    // Settings files are a few kilobytes; the most this program writes (a thousand combination
    // items of thirteen lines with fixed texts of the longest, and the strength test's text at
    // its longest) under three megabytes and fifteen thousand lines. The toolkit's parser slows
    // down with the square of the entries of a group and recurses once per group level when it
    // lets go of a file, so a larger, longer or deeper file is taken as damaged.
    static constexpr std::uint64_t kMaxFileSize = 16 * 1024 * 1024;
    static constexpr int kMaxLines = 32 * 1024;
    static constexpr int kMaxGroupDepth = 64;

    orlSystemConfig() = default;
    virtual ~orlSystemConfig() = default;
    orlSystemConfig(const orlSystemConfig&) = delete;
    orlSystemConfig& operator=(const orlSystemConfig&) = delete;

    // The locator of the process; start-up initialises it.
    static orlSystemConfig& Get();

    // Takes the package name and the program's path, then reads the redirect from the system
    // file beside the program, if there is one. A missing, unreadable or damaged system file
    // means no redirect; nothing is reported.
    void Init(const wxString& packageName, const wxString& programFilePath);

    const wxString& GetPackage() const { return package; }
    const wxString& GetProgramPath() const { return programPath; }

    // The directory part of the program path; the working directory when that is blank.
    wxString GetProgramDirectory() const;
    static wxString GetSystemFileName();

    // The settings file Create will use: the initial file as given when it is not blank, else
    // the redirect with its templates expanded, made absolute against the program directory.
    // Empty when the user's default store will be used.
    wxString GetConfigFileName(const wxString& initialFile) const;
    // True when the settings live in a named file (GetConfigFileName is not empty).
    bool IsFileStore(const wxString& initialFile) const;

    // A new store for one load or one save; the caller flushes it when saving. For a named
    // file, its missing directories are created first; a missing file starts empty and is
    // created, readable and writable by its owner only, when the store is flushed. A flush
    // replaces the file in one step (orlSettingsFileStore). Null, touching nothing, when the
    // file there is taken as damaged or cannot be read (orlCheckSettingsFile).
    std::unique_ptr<wxConfigBase> Create(const wxString& initialFile) const;
    // A store for reading only, over the same file, that touches nothing on the disk: null
    // when the settings file does not exist or is taken as damaged (the defaults then stand).
    std::unique_ptr<wxConfigBase> OpenForReading(const wxString& initialFile) const;

    // The settings file that Create and OpenForReading work on, as an absolute path: the
    // named file, or the user's own.
    wxString GetStoreFileName(const wxString& initialFile) const;

  private:
    void ReadRedirect(const wxConfigBase& systemFile);
    std::unique_ptr<wxConfigBase> Open(const wxString& initialFile, const wxString& file) const;
    wxString GetSystemFilePath() const;

    wxString package;
    wxString programPath;
    wxString redirect;
};
