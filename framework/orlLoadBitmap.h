// Pictures from the "icons" directory, with a built-in picture to fall back on.
#pragma once

#include <wx/bitmap.h>
#include <wx/string.h>

// The picture in the file "icons/<fileName>" under the directory, when it exists and is a
// readable image; otherwise the built-in picture, or the invalid picture when none is given.
wxBitmap orlLoadBitmap(const wxString& directory, const wxString& fileName,
                       const wxBitmap& builtIn = wxNullBitmap);
