// The pictures of the main window: the strip at its left edge, one for each mode. They are
// drawn here, so the program carries no image files of its own for them.
#pragma once

#include <wx/bitmap.h>

// The strip beside the single-mode window (40 x 325) or the plural-mode window (40 x 482).
wxBitmap CreateModePicture(bool plural);
