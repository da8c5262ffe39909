#include "framework/orlLoadBitmap.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>

wxBitmap orlLoadBitmap(const wxString& directory, const wxString& fileName,
                       const wxBitmap& builtIn) {
    wxString path = directory;
    if (path.empty() || !wxFileName::IsPathSeparator(path.Last())) {
        path += wxFileName::GetPathSeparator();
    }
    path << "icons" << wxFileName::GetPathSeparator() << fileName;

    if (wxFileExists(path)) {
        // A damaged picture file falls back quietly instead of showing the toolkit's error box.
        wxLogNull noLog;
        wxImage image;
        if (image.LoadFile(path, wxBITMAP_TYPE_ANY)) {
            const wxBitmap bitmap(image);
            if (bitmap.IsOk()) {
                return bitmap;
            }
        }
    }
    return builtIn;  // wxNullBitmap when none was given
}
