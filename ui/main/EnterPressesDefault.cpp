#include "ui/main/EnterPressesDefault.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

namespace {

// The controls in which Enter means "done": those that have no use for it themselves.
bool EnterMeansDone(wxWindow* focus) {
    if (dynamic_cast<wxCheckBox*>(focus) != nullptr) {
        return true;
    }
    if (auto* combo = dynamic_cast<wxComboBox*>(focus)) {
        return !combo->HasFlag(wxTE_PROCESS_ENTER);
    }
    if (auto* text = dynamic_cast<wxTextCtrl*>(focus)) {
        return !text->IsMultiLine() && !text->HasFlag(wxTE_PROCESS_ENTER);
    }
    return false;
}

}  // namespace

void PressDefaultButtonOnEnter(wxTopLevelWindow* window) {
    // The hook sees a key before the focused control does (the control is the event's object),
    // so the control never takes it.
    window->Bind(wxEVT_CHAR_HOOK, [window](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        auto* button = dynamic_cast<wxButton*>(window->GetDefaultItem());
        if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && event.GetModifiers() == wxMOD_NONE &&
            button != nullptr && button->IsEnabled() &&
            EnterMeansDone(dynamic_cast<wxWindow*>(event.GetEventObject()))) {
            wxCommandEvent press(wxEVT_BUTTON, button->GetId());
            press.SetEventObject(button);
            button->HandleWindowEvent(press);
            return;
        }
        event.Skip();
    });
}
