#include "ui/main/CombinationPage.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "framework/dialogs/orlShowError.h"
#include "framework/orlCreateListCtrl.h"
#include "settings/MainConfig.h"
#include "ui/main/CombinationDialog.h"
#include "ui/main/CombinationRowText.h"
#include "ui/main/ListFocus.h"
#include "ui/main/RecipeChange.h"

namespace {

constexpr int kKindColumn = 0;
constexpr int kLengthColumn = 1;
constexpr int kKindWidth = 200;
constexpr int kLengthWidth = 70;
// Room beside a heading's text for the header's own margins.
constexpr int kHeadingMargins = 2 * 10;

}  // namespace

CombinationPage::CombinationPage(wxWindow* parent)
    : wxPanel(parent, kPageId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              "panel") {
    auto* pageSizer = new wxBoxSizer(wxVERTICAL);

    listCtrl = orlCreateListCtrl(this, kListId, wxDefaultPosition, wxSize(270, 130),
                                 wxLC_REPORT | wxLC_HRULES | wxLC_VRULES | wxSUNKEN_BORDER);
    listCtrl->InsertColumn(kKindColumn, _("Kind"), wxLIST_FORMAT_LEFT, kKindWidth);
    listCtrl->InsertColumn(kLengthColumn, _("Length"), wxLIST_FORMAT_LEFT, kLengthWidth);
    ApplyListFont();
    pageSizer->Add(listCtrl, 1, wxEXPAND | wxALL, 5);

    CreateButtons(pageSizer);

    SetAutoLayout(true);
    SetSizer(pageSizer);
    InstallAccelerators();
    // The list hands its keys to its own handlers first.
    listCtrl->Bind(wxEVT_KEY_DOWN, &CombinationPage::OnListKeyDown, this);
}

CombinationPage::~CombinationPage() {
    DeleteAllRows();
}

void CombinationPage::CreateButtons(wxSizer* sizer) {
    struct ButtonInfo {
        wxWindowID id;
        wxString label;
        wxString tooltip;
    };
    const ButtonInfo buttonInfos[] = {
        {kAddId, _("Add"), _("Add the item")},
        {kEditId, _("Edit"), _("Edit the selected item")},
        {kDeleteId, _("Delete"), _("Delete the selected item")},
        {kUpId, _("Up"), _("Move the selected item up")},
        {kDownId, _("Down"), _("Move the selected item downward")},
    };

    auto* grid = new wxGridSizer(1, 5, 0, 3);
    std::vector<wxButton*> buttons;
    int widest = 0;
    for (const ButtonInfo& info : buttonInfos) {
        auto* button = new wxButton(this, info.id, info.label, wxDefaultPosition, wxDefaultSize, 0,
                                    wxDefaultValidator, "button");
        button->SetToolTip(info.tooltip);
        widest = std::max(widest, button->GetTextExtent(info.label).x);
        buttons.push_back(button);
        grid->Add(button);
    }
    // Every button is as wide as the widest label needs; the height stays the toolkit's. A
    // system that does not report its edge width (-1) counts as having none.
    const int edge = std::max(0, wxSystemSettings::GetMetric(wxSYS_EDGE_X));
    const int width = widest + 2 * edge + 14;
    for (wxButton* button : buttons) {
        button->SetInitialSize(wxSize(width, -1));
    }
    sizer->Add(grid, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 5);
}

void CombinationPage::InstallAccelerators() {
    wxAcceleratorEntry entries[] = {
        wxAcceleratorEntry(wxACCEL_CTRL, 'A', kSelectAllId),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_HOME, kScrollHomeId),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_END, kScrollEndId),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_DELETE, kDeleteKeyId),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_INSERT, kInsertKeyId),
    };
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(entries)), entries));
}

bool CombinationPage::TransferDataToWindow() {
    DeleteAllRows();
    const UseCharArray& items = MainConfig::Get().CombinationUseChar;
    for (std::size_t i = 0; i < items.GetCount(); ++i) {
        AppendRow(items[i]);
    }
    NotifyRecipeChanged(this);
    return true;
}

bool CombinationPage::Validate() {
    if (listCtrl->GetItemCount() > 0) {
        return true;
    }
    orlShowError(wxGetTopLevelParent(this), _("The item is not set"));
    listCtrl->SetFocus();
    return false;
}

bool CombinationPage::TransferDataFromWindow() {
    MainConfig::Get().CombinationUseChar = GetShownItems();
    return true;
}

UseCharArray CombinationPage::GetShownItems() const {
    UseCharArray items;
    const long count = listCtrl->GetItemCount();
    for (long row = 0; row < count; ++row) {
        items.Add(*ItemAt(row));
    }
    return items;
}

void CombinationPage::ApplyListFont() {
    listCtrl->SetFont(MainConfig::Get().CombinationListFont);
    // A larger font would cut the headings: each column is at least as wide as its heading
    // in the list's font needs.
    for (const auto& [column, width] :
         {std::pair{kKindColumn, kKindWidth}, std::pair{kLengthColumn, kLengthWidth}}) {
        if (column >= listCtrl->GetColumnCount()) {
            continue;
        }
        wxListItem heading;
        heading.SetMask(wxLIST_MASK_TEXT);
        listCtrl->GetColumn(column, heading);
        const int needed = listCtrl->GetTextExtent(heading.GetText()).x + kHeadingMargins;
        listCtrl->SetColumnWidth(column, std::max(width, needed));
    }
}

UseChar* CombinationPage::ItemAt(long row) const {
    return reinterpret_cast<UseChar*>(listCtrl->GetItemData(row));
}

void CombinationPage::ShowRow(long row) {
    const CombinationRowText text = GetCombinationRowText(*ItemAt(row));
    listCtrl->SetItem(row, kKindColumn, text.kind);
    listCtrl->SetItem(row, kLengthColumn, text.length);
}

long CombinationPage::AppendRow(const UseChar& item) {
    auto* copy = new UseChar(item);
    const CombinationRowText text = GetCombinationRowText(*copy);
    const long row = listCtrl->InsertItem(listCtrl->GetItemCount(), text.kind);
    listCtrl->SetItem(row, kLengthColumn, text.length);
    listCtrl->SetItemPtrData(row, reinterpret_cast<wxUIntPtr>(copy));
    return row;
}

void CombinationPage::DeleteRow(long row) {
    // Deselected first: the toolkit's list does not count a deleted row out of its selection,
    // and a click after a wrong count leaves the start of a Shift range where it was.
    listCtrl->SetItemState(row, 0, wxLIST_STATE_SELECTED);
    delete ItemAt(row);
    listCtrl->DeleteItem(row);
}

void CombinationPage::DeleteAllRows() {
    const long count = listCtrl->GetItemCount();
    for (long row = 0; row < count; ++row) {
        delete ItemAt(row);
    }
    listCtrl->DeleteAllItems();
}

bool CombinationPage::IsSelected(long row) const {
    return listCtrl->GetItemState(row, wxLIST_STATE_SELECTED) != 0;
}

std::vector<long> CombinationPage::SelectedRows() const {
    std::vector<long> rows;
    for (long row = listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
         row = listCtrl->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

void CombinationPage::SelectAll(bool select) {
    const long count = listCtrl->GetItemCount();
    for (long row = 0; row < count; ++row) {
        listCtrl->SetItemState(row, select ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
    }
}

void CombinationPage::SelectOnly(long row) {
    SelectAll(false);
    listCtrl->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    FocusListRow(listCtrl, row);
}

void CombinationPage::FocusMovedRows() {
    // The focused row has travelled with its item; when it is not one of the moved rows, the
    // keyboard goes on from the first of them.
    long focused = listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED);
    if (focused == -1 || !IsSelected(focused)) {
        focused = listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    }
    FocusListRow(listCtrl, focused);
}

void CombinationPage::SwapRows(long first, long second) {
    const long stateMask = wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED;
    const long firstState = listCtrl->GetItemState(first, stateMask);
    const long secondState = listCtrl->GetItemState(second, stateMask);
    const wxUIntPtr firstItem = listCtrl->GetItemData(first);
    listCtrl->SetItemPtrData(first, listCtrl->GetItemData(second));
    listCtrl->SetItemPtrData(second, firstItem);
    ShowRow(first);
    ShowRow(second);
    listCtrl->SetItemState(first, secondState, stateMask);
    listCtrl->SetItemState(second, firstState, stateMask);
}

bool CombinationPage::HasSelection() const {
    // The toolkit's own count of selected rows can lag behind deletions; the rows' states
    // cannot.
    return listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) != -1;
}

bool CombinationPage::CheckSelection() {
    if (HasSelection()) {
        return true;
    }
    orlShowError(wxGetTopLevelParent(this), _("The list item has not been selected"));
    return false;
}

void CombinationPage::AddItem() {
    UseChar item;
    item.Reset();
    CombinationDialog dialog(&item, wxGetTopLevelParent(this));
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    SelectOnly(AppendRow(item));
    NotifyRecipeChanged(this);
}

void CombinationPage::EditRow(long row) {
    UseChar copy = *ItemAt(row);
    CombinationDialog dialog(&copy, wxGetTopLevelParent(this));
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    *ItemAt(row) = copy;
    ShowRow(row);
    SelectOnly(row);
    NotifyRecipeChanged(this);
}

void CombinationPage::DeleteSelected() {
    if (!CheckSelection()) {
        return;
    }
    const std::vector<long> rows = SelectedRows();
    const long last = rows.back();
    const long removed = static_cast<long>(rows.size());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        DeleteRow(*row);
    }
    // The row that followed the last deleted one, else the new last row.
    const long count = listCtrl->GetItemCount();
    long next = last - removed + 1;
    if (next >= count) {
        next = count - 1;
    }
    if (next >= 0) {
        SelectOnly(next);
    }
    NotifyRecipeChanged(this);
}

void CombinationPage::MoveUp() {
    if (!CheckSelection()) {
        return;
    }
    const long count = listCtrl->GetItemCount();
    long moved = -1;
    for (long row = 0; row + 1 < count; ++row) {
        if (!IsSelected(row) && IsSelected(row + 1)) {
            SwapRows(row, row + 1);
            moved = row;
        }
    }
    FocusMovedRows();
    if (moved >= 0) {
        listCtrl->EnsureVisible(moved);
    }
}

void CombinationPage::MoveDown() {
    if (!CheckSelection()) {
        return;
    }
    long moved = -1;
    for (long row = listCtrl->GetItemCount() - 1; row >= 1; --row) {
        if (!IsSelected(row) && IsSelected(row - 1)) {
            SwapRows(row, row - 1);
            moved = row;
        }
    }
    FocusMovedRows();
    if (moved >= 0) {
        listCtrl->EnsureVisible(moved);
    }
}

void CombinationPage::OnSelectAll(wxCommandEvent&) {
    SelectAll(true);
}

void CombinationPage::OnScrollHome(wxCommandEvent&) {
    if (listCtrl->GetItemCount() > 0) {
        listCtrl->EnsureVisible(0);
    }
}

void CombinationPage::OnScrollEnd(wxCommandEvent&) {
    const long count = listCtrl->GetItemCount();
    if (count > 0) {
        listCtrl->EnsureVisible(count - 1);
    }
}

void CombinationPage::OnAdd(wxCommandEvent&) {
    AddItem();
}

void CombinationPage::OnEdit(wxCommandEvent&) {
    if (!CheckSelection()) {
        return;
    }
    EditRow(listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void CombinationPage::OnDelete(wxCommandEvent&) {
    DeleteSelected();
}

void CombinationPage::OnUp(wxCommandEvent&) {
    MoveUp();
}

void CombinationPage::OnDown(wxCommandEvent&) {
    MoveDown();
}

void CombinationPage::OnItemActivated(wxListEvent& event) {
    if (event.GetIndex() >= 0 && event.GetIndex() < listCtrl->GetItemCount()) {
        EditRow(event.GetIndex());
    }
}

void CombinationPage::OnListKeyDown(wxKeyEvent& event) {
    // Space opens the row the keyboard is on, as Enter does; the list itself would only select
    // the row or take it out of the selection, which Ctrl+Space still does.
    const long row = listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED);
    if (event.GetKeyCode() != WXK_SPACE || event.GetModifiers() != wxMOD_NONE || row == -1) {
        event.Skip();
        return;
    }
    wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, kListId);
    activated.SetEventObject(listCtrl);
    activated.SetIndex(row);
    listCtrl->GetEventHandler()->ProcessEvent(activated);
}

void CombinationPage::OnUpdateSelectionButton(wxUpdateUIEvent& event) {
    event.Enable(HasSelection());
}

void CombinationPage::OnUpdateMoveButton(wxUpdateUIEvent& event) {
    event.Enable(listCtrl->GetItemCount() > 1 && HasSelection());
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(CombinationPage, wxPanel)
    EVT_MENU(CombinationPage::kSelectAllId, CombinationPage::OnSelectAll)
    EVT_MENU(CombinationPage::kScrollHomeId, CombinationPage::OnScrollHome)
    EVT_MENU(CombinationPage::kScrollEndId, CombinationPage::OnScrollEnd)
    EVT_MENU(CombinationPage::kDeleteKeyId, CombinationPage::OnDelete)
    EVT_MENU(CombinationPage::kInsertKeyId, CombinationPage::OnAdd)
    EVT_LIST_ITEM_ACTIVATED(CombinationPage::kListId, CombinationPage::OnItemActivated)
    EVT_BUTTON(CombinationPage::kAddId, CombinationPage::OnAdd)
    EVT_BUTTON(CombinationPage::kEditId, CombinationPage::OnEdit)
    EVT_BUTTON(CombinationPage::kDeleteId, CombinationPage::OnDelete)
    EVT_BUTTON(CombinationPage::kUpId, CombinationPage::OnUp)
    EVT_BUTTON(CombinationPage::kDownId, CombinationPage::OnDown)
    EVT_UPDATE_UI(CombinationPage::kEditId, CombinationPage::OnUpdateSelectionButton)
    EVT_UPDATE_UI(CombinationPage::kDeleteId, CombinationPage::OnUpdateSelectionButton)
    EVT_UPDATE_UI(CombinationPage::kUpId, CombinationPage::OnUpdateMoveButton)
    EVT_UPDATE_UI(CombinationPage::kDownId, CombinationPage::OnUpdateMoveButton)
wxEND_EVENT_TABLE()
