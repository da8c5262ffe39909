// The dictionary browser: how many words the dictionary holds of each length, with a way to
// see the words of one length and to read the word files again.
#pragma once

#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include "engine/Dictionary.h"
#include "framework/window/orlDialogBase.h"

class WordCountDialog : public orlDialogBase {
  public:
    static constexpr wxWindowID kDialogId = 2300;
    static constexpr wxWindowID kShowWordsMenuId = 2301;
    static constexpr wxWindowID kShowButtonId = 2302;
    static constexpr wxWindowID kCountListId = 2303;

    // The dictionary must outlive the dialog; "Reread" loads it again from the dictionary
    // directory of the main settings.
    explicit WordCountDialog(wxWindow* parent, Dictionary& dictionary = Dictionary::Get());

    // Lists the number of words of every length from 1 to the longest, and the total.
    bool TransferDataToWindow() override;

  protected:
    // Pops the menu up at the position (in the dialog's coordinates, or the default position
    // for the mouse position) and returns once the user has chosen.
    virtual void ShowContextMenu(wxMenu& menu, const wxPoint& position);

  private:
    void OnShowWordsMenu(wxCommandEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnItemActivated(wxListEvent& event);
    void OnShowButton(wxCommandEvent& event);
    void OnUpdateShowButton(wxUpdateUIEvent& event);
    void OnReread(wxCommandEvent& event);

    // Shows the words of the length the row stands for.
    void ShowWords(long row);
    // The first row in the given states, or -1.
    long FindRow(long states) const;
    // Whether the keyboard focus lies in the list (the list's own window or its inner one).
    bool ListHasFocus() const;

    Dictionary& dictionary;

    wxStaticText* totalLabel = nullptr;
    wxListCtrl* countList = nullptr;

    wxDECLARE_EVENT_TABLE();
};
