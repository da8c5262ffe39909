// Enter in a window's one-line text fields, combo boxes and check boxes presses the window's
// default button. GTK does so in a dialog's text fields only, and a check box would take Enter
// for a click on itself.
#pragma once

class wxTopLevelWindow;

// From now on, Enter (without a modifier) in one of those controls of the window presses its
// default button while that button is enabled. Enter keeps its own meaning in every other
// control: it presses a focused button, breaks a line in a multi-line text and opens a list's
// row.
void PressDefaultButtonOnEnter(wxTopLevelWindow* window);
