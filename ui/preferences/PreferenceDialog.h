// The preferences dialog: a list of the five pages on the left, the selected page on the right,
// and OK, Reset and Cancel. It works on copies of the live settings and replaces them only when
// the user accepts; only the page last shown is remembered at once.
#pragma once

#include <wx/event.h>
#include <wx/window.h>

#include "framework/window/orlDialogBase.h"
#include "framework/window/orlListBoxBook.h"

class PreferencePage;

class PreferenceDialog : public orlDialogBase {
  public:
    static constexpr wxWindowID kDialogId = 2200;
    static constexpr wxWindowID kBookId = 2201;

    explicit PreferenceDialog(wxWindow* parent);
    ~PreferenceDialog() override;

    // Loads the live settings into every page.
    bool TransferDataToWindow() override;
    // Shows the first page, in book order, whose values are invalid, with its message.
    bool Validate() override;
    // Replaces the live settings by the pages' values, when every page could save them.
    bool TransferDataFromWindow() override;
    // Showing the dialog the first time fits it to its largest page as it is styled on screen.
    bool Show(bool show = true) override;

    // The page the book shows, or none.
    PreferencePage* GetCurrentPage() const;
    orlListBoxBook* GetBook() const { return book; }

  private:
    void OnPageChanged(orlListBoxBookEvent& event);
    void OnReset(wxCommandEvent& event);
    void OnUpdateReset(wxUpdateUIEvent& event);
    void OnIdle(wxIdleEvent& event);
    // Enlarges the fitted size to what the controls need now, where they need more.
    void FitToNeeds();
    // Measures every page as styled, leaves only the chosen page shown and fits the dialog.
    void FitToStyledPages();

    PreferencePage* GetPreferencePage(size_t index) const;

    orlListBoxBook* book = nullptr;
    // Whether every page is shown, for the toolkit to style it, until the next frame is drawn.
    bool stylingPages = false;
    // Whether the pages have been measured as styled on screen.
    bool stylesMeasured = false;

    wxDECLARE_EVENT_TABLE();
};
