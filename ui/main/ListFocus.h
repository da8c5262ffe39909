// The keyboard's place in a list control. Besides the selected rows the list keeps a focused
// row, from which the arrow keys move, and the row from which Shift+click and Shift+arrow
// select a range; setting the rows' selected states moves neither.
#pragma once

class wxListCtrl;

// Makes the row the list's focused row and the start of its next Shift range, and scrolls it
// into view. Which rows are selected does not change.
void FocusListRow(wxListCtrl* list, long row);
