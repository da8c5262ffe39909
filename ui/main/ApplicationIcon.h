// The application's icon, drawn here like the window's strip, so the program carries no image
// file of its own for it: the dark panel with the mosaic and its amber keyhole tile.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

#include <vector>

// The icon at one square size in pixels (16 to 256).
wxBitmap CreateApplicationIcon(int size);
// The same picture as an image, for writing to a file.
wxImage CreateApplicationIconImage(int size);
// The sizes the icon is drawn at, smallest first.
const std::vector<int>& ApplicationIconSizes();
// The icon at every size of ApplicationIconSizes.
wxIconBundle CreateApplicationIcons();
