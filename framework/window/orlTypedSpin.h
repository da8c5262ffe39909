// Spin controls whose typed text is what the user typed until it is judged: GTK would bring a
// typed number into the control's range (or put the last value back for a text that is no
// number) the moment the focus leaves the control or Enter is pressed in it, so a dialog's
// check would see a number the user never typed, and the user would not see it either.
#pragma once

#include <wx/spinctrl.h>

// From now on, leaving the control and pressing Enter in it keep its text as typed; the
// arrows and the arrow keys still step from the value, within the range. A dialog that
// checks the control reads its text with orlGetTypedValue.
void orlKeepTypedText(wxSpinCtrl* spin);

// The whole number typed into the spin control, which may lie outside its range; false when
// the text (spaces around it aside) is no whole number.
bool orlGetTypedValue(const wxSpinCtrl* spin, long& value);
