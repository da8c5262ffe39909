#include "ui/main/PasswordText.h"

#include <wx/app.h>
#include <wx/intl.h>

wxDEFINE_EVENT(EVT_PASSWORD_COPY, wxCommandEvent);

// clang-format off
wxBEGIN_EVENT_TABLE(PasswordText, wxTextCtrl)
    EVT_MENU(wxID_SELECTALL, PasswordText::OnSelectAll)
    EVT_UPDATE_UI(wxID_SELECTALL, PasswordText::OnUpdateSelectAll)
    EVT_KEY_DOWN(PasswordText::OnKeyDown)
    EVT_CONTEXT_MENU(PasswordText::OnContextMenu)
wxEND_EVENT_TABLE()
    // clang-format on

    PasswordText::PasswordText(wxWindow* parent, long style)
    : wxTextCtrl(parent, kTextId, wxEmptyString, wxDefaultPosition, wxDefaultSize, style,
                 wxDefaultValidator, "text") {}

std::unique_ptr<wxMenu> PasswordText::CreateContextMenu() const {
    auto menu = std::make_unique<wxMenu>();
    menu->Append(wxID_UNDO, _("&Undo\tCtrl+Z"));
    menu->AppendSeparator();
    menu->Append(wxID_CUT, _("Cu&t\tCtrl+X"));
    menu->Append(kCopySelectionId, _("&Copy\tCtrl+C"));
    menu->Append(wxID_PASTE, _("&Paste\tCtrl+V"));
    menu->AppendSeparator();
    menu->Append(wxID_SELECTALL, _("Select &All\tCtrl+A"));
    return menu;
}

void PasswordText::ShowContextMenu(wxMenu& menu) {
    PopupMenu(&menu);
}

void PasswordText::OnSelectAll(wxCommandEvent&) {
    SelectAllText();
}

void PasswordText::OnUpdateSelectAll(wxUpdateUIEvent& event) {
    event.Enable(!IsEmpty());
}

void PasswordText::OnKeyDown(wxKeyEvent& event) {
    int modifiers = wxMOD_NONE;
    if (event.AltDown()) {
        modifiers |= wxMOD_ALT;
    }
    if (event.ControlDown()) {
        modifiers |= wxMOD_CONTROL;
    }
    if (event.ShiftDown()) {
        modifiers |= wxMOD_SHIFT;
    }
    if (event.MetaDown()) {
        modifiers |= wxMOD_META;
    }

    // The batch never takes a tab: Tab, and Ctrl+Tab, move the focus on (with Shift, back).
    if (event.GetKeyCode() == WXK_TAB && IsMultiLine() &&
        (modifiers & ~(wxMOD_CONTROL | wxMOD_SHIFT)) == 0) {
        Navigate((modifiers & wxMOD_SHIFT) != 0 ? wxNavigationKeyEvent::IsBackward
                                                : wxNavigationKeyEvent::IsForward);
        return;
    }

    if (modifiers == wxMOD_CONTROL) {
        switch (event.GetKeyCode()) {
            case 'A':
                SelectAllText();
                break;
            case 'C':
                // Consumed: the control's own copy must not run, the main window copies.
                PostPasswordCopy();
                return;
            default:
                break;
        }
    }
    event.Skip();
}

void PasswordText::OnContextMenu(wxContextMenuEvent& event) {
    if (event.GetEventObject() != this) {
        event.Skip();
        return;
    }
    const std::unique_ptr<wxMenu> menu = CreateContextMenu();
    ShowContextMenu(*menu);
}

void PasswordText::SelectAllText() {
    SetSelection(0, GetLastPosition());
}

void PasswordText::PostPasswordCopy() {
    wxWindow* top = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    if (top == nullptr) {
        return;
    }
    auto* copy = new wxCommandEvent(EVT_PASSWORD_COPY, kPasswordCopyId);
    copy->SetEventObject(this);
    top->GetEventHandler()->QueueEvent(copy);
}
