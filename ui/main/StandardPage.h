// The main window's first notebook page: edits the length and the character kinds of the
// standard password, kept in the main settings. Every change of its controls goes up to the
// window as EVT_RECIPE_CHANGED.
#pragma once

#include <wx/panel.h>

#include <memory>
#include <optional>

#include "ui/main/CharacterKindControls.h"

class StandardPage : public wxPanel {
  public:
    static constexpr wxWindowID kPageId = 2500;
    static constexpr wxWindowID kLengthSliderId = 2501;
    static constexpr wxWindowID kSymbolCheckId = 2502;

    explicit StandardPage(wxWindow* parent);
    ~StandardPage() override;

    // Moves the main settings' standard password record into the controls.
    bool TransferDataToWindow() override;
    // Reports the first fault of the controls in an error box, with the focus on the control
    // to correct. The symbol text, when used, is replaced by its filtered form.
    bool Validate() override;
    // Moves the controls into the standard password record and records the symbol string in
    // the history; the fixed-text and dictionary fields are left as they are.
    bool TransferDataFromWindow() override;

    // The standard password record as the controls now describe it, as Create would take it
    // (the symbol string filtered), without taking it; nothing when Create would refuse them.
    std::optional<UseChar> GetShownUseChar() const;

    // Refills the symbol list from the current history, keeping the typed text.
    void RefreshSymbolList();

  private:
    void OnControlChanged(wxCommandEvent& event);
    void OnLengthScroll(wxScrollEvent& event);
    void OnSymbolCheck(wxCommandEvent& event);

    bool constructed = false;
    std::unique_ptr<CharacterKindControls> kinds;

    wxDECLARE_EVENT_TABLE();
};
