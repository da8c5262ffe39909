// The help viewer of the main window: opens the help book in the toolkit's HTML help viewer,
// or reports the path it looked for when the book is missing.
#pragma once

#include <wx/string.h>

#include <memory>

class wxConfigBase;
class wxHtmlHelpController;
class wxWindow;

class HelpViewer {
  public:
    HelpViewer();
    // Closes the viewer's window, if it is open.
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Shows the contents page of the book at bookPath. The viewer is started by the first call
    // that finds the book and keeps that book for its whole life; later calls bring its window
    // back to the contents page. A missing book is reported in a report dialog over parent.
    // A book that cannot be opened shows nothing and reports nothing.
    void Show(wxWindow* parent, const wxString& bookPath);

  private:
    // The viewer keeps its window's size and layout here, away from the user's settings.
    std::unique_ptr<wxConfigBase> viewerSettings;
    wxHtmlHelpController* controller = nullptr;
};
