// The two fonts many windows share: the text font for password-like text and the list font.
#pragma once

#include <wx/font.h>

// The default GUI font, or on a Japanese system the fixed-pitch Japanese Gothic face at its
// size.
wxFont orlGetTextFont();
// The default GUI font, or on a Japanese system the Japanese UI Gothic face at its size.
wxFont orlGetGuiFont();
