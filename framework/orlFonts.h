// The fonts many windows share: the text font for password-like text, the list font, and the
// monospaced font in which passwords are shown.
#pragma once

#include <wx/font.h>

// The default GUI font, or on a Japanese system the fixed-pitch Japanese Gothic face at its
// size.
wxFont orlGetTextFont();
// The default GUI font, or on a Japanese system the Japanese UI Gothic face at its size.
wxFont orlGetGuiFont();
// The desktop's monospaced face (the fontconfig alias every desktop configures) at the size of
// the default GUI font: l, I and 1, O and 0 tell apart in it.
wxFont orlGetMonospaceFont();
