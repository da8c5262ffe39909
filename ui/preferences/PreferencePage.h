// One page of the preferences dialog, the base of the five: the character pools and batches,
// the strength check, the fonts, the dictionary (shown only) and the version (shown only). A
// page moves its own settings between its controls and a settings object; the dialog works
// on every page through this base.
#pragma once

#include <wx/panel.h>
#include <wx/string.h>

#include "settings/MainConfig.h"

class wxSizer;

class PreferencePage : public wxPanel {
  public:
    // The pages in the dialog's order; the dialog remembers the last one shown by this number.
    enum Kind {
        PAGE_PASSWORD = 0,
        PAGE_STRENGTH_CHECK = 1,
        PAGE_FONT = 2,
        PAGE_DICTIONARY = 3,
        PAGE_VERSION = 4,
    };
    static constexpr int kPageCount = 5;

    static constexpr wxWindowID kPageId = 2700;

    // The page of the kind, or none for a number that names no page.
    static PreferencePage* Create(wxWindow* parent, int kind);

    ~PreferencePage() override;

    // Fills the controls from the settings; always true.
    virtual bool LoadValues(const MainConfig& settings);
    // False, with the text for the error box in `message` and the focus on the control to
    // correct, when a control holds a value the settings cannot take.
    virtual bool CheckValues(wxString& message);
    // Writes the controls into the settings; always true.
    virtual bool SaveValues(MainConfig& settings);

    int GetKind() const { return kind; }

    const int kind;
    const wxString name;  // shown in the dialog's list of pages
    const bool canReset;  // the dialog's Reset works on this page

  protected:
    PreferencePage(wxWindow* parent, int kind, const wxString& name, bool canReset);

    // Lays the page out around the content built into `inner`, 5 pixels from the left edge,
    // and fits the page to it.
    void SetContent(wxSizer* inner);
};
