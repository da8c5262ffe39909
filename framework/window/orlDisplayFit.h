// Keeping window sizes and positions on the desktop. "Default" is the toolkit's default
// position or size, (-1, -1), which the fitting leaves to the toolkit. Several displays are
// taken to stand side by side, each starting at y = 0.
#pragma once

#include <wx/gdicmn.h>

// The extent of the whole desktop, or (0, 0) when it cannot be told.
wxSize orlGetDesktopSize();

// Lowers each dimension to the desktop's; a size left with a dimension that is not positive
// becomes the default size. A default size stays.
void orlFitSizeToDesktop(wxSize& size);

// Pulls a position that lies beyond the desktop back to 100 pixels inside its far edge and
// turns negative coordinates into 0. A default position stays.
void orlFitPositionToDesktop(wxPoint& position);

// Fits a window's position and size together onto the displays it would appear on.
void orlFitWindowToDisplays(wxPoint& position, wxSize& size);
