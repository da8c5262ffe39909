// The main window's second notebook page: the combination list, one row per item, with the
// buttons and keys that add, edit, delete and reorder the items. Each row owns a copy of its
// item; the main settings change only when the main window takes the page's data. Rows
// added, edited or deleted send EVT_RECIPE_CHANGED up to the window (moving rows changes
// nothing the window shows).
#pragma once

#include <wx/listctrl.h>
#include <wx/panel.h>

#include <vector>

#include "engine/UseChar.h"
#include "engine/UseCharArray.h"

class CombinationPage : public wxPanel {
  public:
    static constexpr wxWindowID kPageId = 2600;
    static constexpr wxWindowID kSelectAllId = 2601;
    static constexpr wxWindowID kScrollHomeId = 2602;
    static constexpr wxWindowID kScrollEndId = 2603;
    static constexpr wxWindowID kDeleteKeyId = 2604;
    static constexpr wxWindowID kInsertKeyId = 2605;
    static constexpr wxWindowID kListId = 2606;
    static constexpr wxWindowID kAddId = 2607;
    static constexpr wxWindowID kEditId = 2608;
    static constexpr wxWindowID kDeleteId = 2609;
    static constexpr wxWindowID kUpId = 2610;
    static constexpr wxWindowID kDownId = 2611;

    explicit CombinationPage(wxWindow* parent);
    ~CombinationPage() override;

    // Fills the list with copies of the main settings' combination items; nothing selected.
    bool TransferDataToWindow() override;
    // False, after an error box and with the focus on the list, when the list is empty.
    bool Validate() override;
    // Replaces the main settings' combination items with copies of the rows' items.
    bool TransferDataFromWindow() override;

    // Copies of the rows' items, in order, without taking them.
    UseCharArray GetShownItems() const;

    // Gives the list the combination list font of the main settings.
    void ApplyListFont();

  private:
    void CreateButtons(wxSizer* sizer);
    void InstallAccelerators();

    // The item the row owns.
    UseChar* ItemAt(long row) const;
    // Shows the item's texts in the row.
    void ShowRow(long row);
    // Appends a row owning a copy of the item; returns its index.
    long AppendRow(const UseChar& item);
    // Removes the row and deletes its item.
    void DeleteRow(long row);
    void DeleteAllRows();

    bool IsSelected(long row) const;
    bool HasSelection() const;
    // The selected rows in ascending order.
    std::vector<long> SelectedRows() const;
    void SelectAll(bool select);
    // Selects only the row, makes it the row the keyboard and Shift+click go on from, and
    // scrolls it into view.
    void SelectOnly(long row);
    // After Up or Down: the keyboard and Shift+click go on from the moved rows.
    void FocusMovedRows();
    // Exchanges the rows' items, texts and selected and focused states.
    void SwapRows(long first, long second);
    // Shows the error box when no row is selected; true when one is.
    bool CheckSelection();

    void AddItem();
    void EditRow(long row);
    void DeleteSelected();
    void MoveUp();
    void MoveDown();

    void OnSelectAll(wxCommandEvent& event);
    void OnScrollHome(wxCommandEvent& event);
    void OnScrollEnd(wxCommandEvent& event);
    void OnAdd(wxCommandEvent& event);
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnUp(wxCommandEvent& event);
    void OnDown(wxCommandEvent& event);
    void OnItemActivated(wxListEvent& event);
    void OnListKeyDown(wxKeyEvent& event);
    void OnUpdateSelectionButton(wxUpdateUIEvent& event);
    void OnUpdateMoveButton(wxUpdateUIEvent& event);

    wxListCtrl* listCtrl = nullptr;

    wxDECLARE_EVENT_TABLE();
};
