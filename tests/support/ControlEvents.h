// What a user's click does to a control, made the way the toolkit makes it: the control takes
// the new state and its command event goes to it, so that the handlers run at once. And the
// controls of a window, found by identifier, or by type and window name. A control that is not
// there fails the test where the helper was called.
#pragma once

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/window.h>

#include <vector>

namespace testsupport {

// The window below `within` (or `within` itself) with the identifier, when it is a T.
template <class T = wxWindow>
T* Find(wxWindow* within, wxWindowID id) {
    return dynamic_cast<T*>(within->FindWindow(id));
}

// The children of `parent` that are T, in creation order; those with the window name only
// when one is given.
template <class T>
std::vector<T*> Children(wxWindow* parent, const wxString& name = wxString()) {
    std::vector<T*> found;
    for (wxWindow* child : parent->GetChildren()) {
        if (auto* typed = dynamic_cast<T*>(child);
            typed != nullptr && (name.empty() || child->GetName() == name)) {
            found.push_back(typed);
        }
    }
    return found;
}

// The same for every window below `root`, at any depth: each window, then those below it.
template <class T>
std::vector<T*> Descendants(wxWindow* root, const wxString& name = wxString()) {
    std::vector<T*> found;
    for (wxWindow* child : root->GetChildren()) {
        if (auto* typed = dynamic_cast<T*>(child);
            typed != nullptr && (name.empty() || child->GetName() == name)) {
            found.push_back(typed);
        }
        for (T* below : Descendants<T>(child, name)) {
            found.push_back(below);
        }
    }
    return found;
}

inline void SendCommand(wxWindow* control, wxEventType type, int value) {
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    event.SetInt(value);
    control->HandleWindowEvent(event);
}

// A click on the button.
inline void Press(wxWindow* button) {
    ASSERT_NE(button, nullptr) << "no button";
    SendCommand(button, wxEVT_BUTTON, 0);
}

inline void Press(wxWindow* within, wxWindowID id) {
    wxWindow* button = Find(within, id);
    ASSERT_NE(button, nullptr) << "no button " << id;
    SendCommand(button, wxEVT_BUTTON, 0);
}

// A click that leaves the check box ticked (true) or clear.
inline void Tick(wxCheckBox* check, bool value) {
    ASSERT_NE(check, nullptr) << "no check box";
    check->SetValue(value);
    SendCommand(check, wxEVT_CHECKBOX, value ? 1 : 0);
}

inline void Tick(wxWindow* within, wxWindowID id, bool value) {
    auto* check = Find<wxCheckBox>(within, id);
    ASSERT_NE(check, nullptr) << "no check box " << id;
    Tick(check, value);
}

// A click on the radio button.
inline void Choose(wxRadioButton* radio) {
    ASSERT_NE(radio, nullptr) << "no radio button";
    radio->SetValue(true);
    SendCommand(radio, wxEVT_RADIOBUTTON, 1);
}

inline void Choose(wxWindow* within, wxWindowID id) {
    auto* radio = Find<wxRadioButton>(within, id);
    ASSERT_NE(radio, nullptr) << "no radio button " << id;
    Choose(radio);
}

}  // namespace testsupport
