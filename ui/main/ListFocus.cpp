#include "ui/main/ListFocus.h"

#include <wx/listctrl.h>

#include <vector>

namespace {

std::vector<long> SelectedRows(const wxListCtrl* list) {
    std::vector<long> rows;
    for (long row = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
         row = list->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

#if (defined(__WXMSW__) || defined(__WXQT__)) && !defined(__WXUNIVERSAL__)
// A native list starts a range from its focused row.
void MoveRangeStart(wxListCtrl*, long) {}
#else
// The toolkit's own list (GTK has no native one) moves the start of a range only where its
// arrow keys move the focused row: Up onto the row above the focused one, End onto the last
// row. So the row's neighbour below is focused and the list handles an Up key, or it handles
// End for the last row; either selects the row alone. Its key handling needs to know how many
// rows a page shows, which a list never laid out does not.
void MoveRangeStart(wxListCtrl* list, long row) {
    wxWindow* rows = list->GetTargetWindow();  // the window of the rows, which takes the keys
    if (rows == nullptr || list->GetCountPerPage() <= 0) {
        return;
    }
    const bool last = row + 1 == list->GetItemCount();
    if (!last) {
        list->SetItemState(row + 1, wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
    }
    wxKeyEvent key(wxEVT_CHAR);
    key.m_keyCode = last ? WXK_END : WXK_UP;
    key.SetEventObject(rows);
    key.SetId(rows->GetId());
    rows->GetEventHandler()->ProcessEvent(key);
}
#endif

}  // namespace

void FocusListRow(wxListCtrl* list, long row) {
    if (row < 0 || row >= list->GetItemCount()) {
        return;
    }
    const std::vector<long> selected = SelectedRows(list);
    MoveRangeStart(list, row);

    list->SetItemState(row, wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
    list->SetItemState(-1, 0, wxLIST_STATE_SELECTED);
    for (long selectedRow : selected) {
        list->SetItemState(selectedRow, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    list->EnsureVisible(row);
}
