// The main window's second notebook page: the combination list, one row per item, with the
// buttons and keys that add, edit, delete and reorder the items. Each row owns a copy of its
// item; the main settings change only when the main window takes the page's data.
#pragma once

#include <wx/listctrl.h>
#include <wx/panel.h>

#include "engine/UseChar.h"

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

    // Gives the list the combination list font of the main settings.
    void ApplyListFont();
};
