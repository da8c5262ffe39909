#include "framework/dialogs/orlSelectSaveFile.h"

#include <wx/filedlg.h>
#include <wx/intl.h>

#include "framework/orlFileName.h"

bool orlSelectSaveFile(wxWindow* parent, const wxString& title, wxString& path,
                       const wxString& wildcard, bool overwritePrompt) {
    wxString directory;
    wxString name;
    if (!path.empty()) {
        const orlFileName fileName(path);
        directory = fileName.GetPath();
        name = fileName.GetFullName();
        if (!orl::DirExists(directory)) {
            directory.clear();  // the file dialog then starts in its own default place
        }
    }

    wxString filter = wildcard;
    if (!filter.empty()) {
        filter += "|";
    }
    filter += _("All files (*.*)|*.*");

    long style = wxFD_SAVE;
    if (overwritePrompt) {
        style |= wxFD_OVERWRITE_PROMPT;
    }

    wxFileDialog dialog(parent, title, directory, name, filter, style, wxDefaultPosition,
                        wxDefaultSize, "filedlg");
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }

    wxString chosen = dialog.GetPath();
    chosen.Trim(false).Trim(true);
    for (wxString::iterator it = chosen.begin(); it != chosen.end(); ++it) {
        if (orl::IsPathSeparator(*it)) {
            *it = orl::GetPathSeparator();
        }
    }
    path = chosen;
    return true;
}
