// The pictures of the main window: the strip at its left edge, one for each mode, and the
// application's icon. They are drawn here, so the program carries no image files of its own
// for them.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

#include <vector>

// The strip beside the single-mode window (40 x 325) or the plural-mode window (40 x 482).
wxBitmap CreateModePicture(bool plural);

// The application icon at one square size in pixels (16 to 256).
wxBitmap CreateApplicationIcon(int size);
// The same picture as an image, for writing to a file.
wxImage CreateApplicationIconImage(int size);
// The sizes the icon is drawn at, smallest first.
const std::vector<int>& ApplicationIconSizes();
// The icon at every size of ApplicationIconSizes.
wxIconBundle CreateApplicationIcons();
