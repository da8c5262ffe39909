// What a user does in the combination item dialog before confirming it, for the tests that
// open the dialog from the combination page: the dialog's controls are found as the user finds
// them and set as the user sets them.
#pragma once

#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>

#include <functional>
#include <vector>

#include "engine/UseChar.h"
#include "support/ControlEvents.h"
#include "ui/main/CombinationDialog.h"

namespace combination_dialog_work {

// A fixed-text item; its text names it in the list and in the settings.
inline UseChar FixedItem(const wxString& text) {
    UseChar item;
    item.Fixed = true;
    item.FixedString = text;
    return item;
}

// The dialog's controls, found as the user of the dialog finds them.
template <class T>
T* DialogControl(CombinationDialog* dialog, wxWindowID id) {
    auto* control = dynamic_cast<T*>(dialog->FindWindow(id));
    EXPECT_NE(control, nullptr) << "no control " << id << " in the item dialog";
    return control;
}

inline void CollectCombos(wxWindow* window, std::vector<wxComboBox*>& combos) {
    for (wxWindow* child : window->GetChildren()) {
        if (auto* combo = dynamic_cast<wxComboBox*>(child);
            combo != nullptr && combo->GetName() == "comboBox") {
            combos.push_back(combo);
        }
        CollectCombos(child, combos);
    }
}

// The fixed-text combo box: the dialog's second, after the symbol combo box.
inline wxComboBox* FixedCombo(CombinationDialog* dialog) {
    std::vector<wxComboBox*> combos;
    CollectCombos(dialog, combos);
    EXPECT_EQ(combos.size(), 2u) << "the symbol and the fixed-text combo boxes";
    return combos.size() == 2u ? combos[1] : nullptr;
}

inline void ChooseRadio(CombinationDialog* dialog, wxWindowID id) {
    testsupport::Choose(dialog, id);
}

// What the user does in the item dialog before confirming it.
using DialogWork = std::function<void(CombinationDialog*)>;

inline DialogWork TypeFixedText(const wxString& text) {
    return [text](CombinationDialog* dialog) {
        ChooseRadio(dialog, CombinationDialog::kFixedRadioId);
        if (wxComboBox* combo = FixedCombo(dialog)) {
            combo->SetValue(text);
        }
    };
}

inline DialogWork ChooseLength(int length) {
    return [length](CombinationDialog* dialog) {
        ChooseRadio(dialog, CombinationDialog::kVariableRadioId);
        if (auto* slider = DialogControl<wxSlider>(dialog, CombinationDialog::kLengthSliderId)) {
            slider->SetValue(length);
        }
    };
}

inline DialogWork ChooseWordLengths(int min, int max) {
    return [min, max](CombinationDialog* dialog) {
        ChooseRadio(dialog, CombinationDialog::kDictionaryRadioId);
        auto* minSpin = DialogControl<wxSpinCtrl>(dialog, CombinationDialog::kMinSpinId);
        auto* maxSpin = DialogControl<wxSpinCtrl>(dialog, CombinationDialog::kMaxSpinId);
        if (minSpin != nullptr && maxSpin != nullptr) {
            minSpin->SetValue(min);
            maxSpin->SetValue(max);
        }
    };
}

}  // namespace combination_dialog_work
