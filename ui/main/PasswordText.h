// The text control that shows the generated passwords: an ordinary editable text control whose
// context-menu Copy and Ctrl+C are routed to the main window, so that a masked password can be
// copied as its real characters.
#pragma once

#include <wx/event.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <memory>

// Posted to the application's top window when the user presses Ctrl+C in a PasswordText; the
// event's identifier is PasswordText::kPasswordCopyId and its object is the control.
wxDECLARE_EVENT(EVT_PASSWORD_COPY, wxCommandEvent);

// Event-table entry for EVT_PASSWORD_COPY:
// EVT_PASSWORD_COPY_COMMAND(PasswordText::kPasswordCopyId, MainFrame::OnCopySelection)
#define EVT_PASSWORD_COPY_COMMAND(id, func) \
    wx__DECLARE_EVT1(EVT_PASSWORD_COPY, id, wxCommandEventHandler(func))

class PasswordText : public wxTextCtrl {
  public:
    static constexpr wxWindowID kTextId = 2800;
    // The context menu's Copy item; the main window handles the command and its update-UI
    // request.
    static constexpr wxWindowID kCopySelectionId = 2900;
    // Kept free in the control's group of identifiers.
    static constexpr wxWindowID kReservedId = 2901;
    // The identifier of the EVT_PASSWORD_COPY event.
    static constexpr wxWindowID kPasswordCopyId = 2902;

    // style: 0 for the one-line field, wxTE_MULTILINE | wxTE_PROCESS_TAB | wxTE_DONTWRAP for
    // the multi-line area.
    PasswordText(wxWindow* parent, long style);

    // The context menu: Undo, Cut, Copy (routed to the main window), Paste and Select All.
    std::unique_ptr<wxMenu> CreateContextMenu() const;

  protected:
    // Shows the menu at the mouse position and returns once the user has chosen.
    virtual void ShowContextMenu(wxMenu& menu);

  private:
    void OnSelectAll(wxCommandEvent& event);
    void OnUpdateSelectAll(wxUpdateUIEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);

    void SelectAllText();
    void PostPasswordCopy();

    wxDECLARE_EVENT_TABLE();
};
