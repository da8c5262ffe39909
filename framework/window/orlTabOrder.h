// The order in which Tab moves the keyboard focus through a window's controls.
#pragma once

class wxWindow;

// Hands the Tab order of the window and of everything in it to GTK at once. The toolkit does
// so only when the program is next idle; keys that come before then (typed ahead while a
// window is still being drawn) move the focus by the controls' places on the screen instead,
// which differ from their order wherever a control spans two rows.
void orlApplyTabOrder(wxWindow* window);
