// The application object: starts the program (translations, settings, dictionary, the main
// window), ends it (settings written, clipboard handed over), and offers the program's
// directory, its locale and the saving of the settings to the windows.
#pragma once

#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/intl.h>
#include <wx/snglinst.h>
#include <wx/string.h>

#include <memory>
#include <vector>

class App : public wxApp {
  public:
    App();
    ~App() override;

    bool OnInit() override;
    int OnExit() override;
    // The main loop ends: the toolkit's own wait for a clipboard manager is kept short.
    void ExitMainLoop() override;

    // Start-up from the command line's words (the program path first). True when the main
    // window is open; false when the program should end at once (help, version, a wrong
    // command line), with the exit code set.
    bool Start(const wxArrayString& arguments);
    // Shut-down after the main window has closed: the settings are written, the clipboard is
    // handed over and the single-instance name released.
    void Finish();

    // Writes the settings; a failure is reported over `parent` (which may be null).
    bool SaveSettings(wxWindow* parent);
    // The directory of the program file (links resolved), without a trailing separator.
    wxString GetProgramDirectory() const;
    // The locale's canonical name, such as ja_JP or en_US.
    wxString GetLocaleName() const;

    // The exit status when Start returned false.
    int GetStartExitStatus() const { return startExitStatus; }
    const wxString& GetInitialFile() const { return initialFile; }
    bool IsAnotherInstanceRunning() const;

    // A request to end from outside (the session ending, a kill, Ctrl+C in the terminal):
    // open modal dialogs are cancelled, then the main window closes as the user would close
    // it, so that the settings are written on the way out.
    void CloseOnRequest();

  private:
    void ShowVersion(const wxString& programDirectory);
    // SIGTERM, SIGINT and SIGHUP close the main window through the main loop while watched.
    void WatchSignals();
    void UnwatchSignals();

    wxLocale locale;
    wxString initialFile;
    std::unique_ptr<wxSingleInstanceChecker> instanceChecker;
    int startExitStatus = 1;
    std::vector<unsigned> signalSources;
};
