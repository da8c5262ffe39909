// One page of the preferences dialog. The page's kind, fixed when it is made, decides which
// controls it holds and which settings it moves between them and a settings object: the
// character pools and batches, the strength check, the fonts, the dictionary (shown only) and
// the version (shown only).
#pragma once

#include <wx/panel.h>
#include <wx/string.h>

#include "settings/MainConfig.h"

class PreferencePage : public wxPanel {
  public:
    enum Kind {
        PAGE_PASSWORD = 0,
        PAGE_STRENGTH_CHECK = 1,
        PAGE_FONT = 2,
        PAGE_DICTIONARY = 3,
        PAGE_VERSION = 4,
    };
    static constexpr int kPageCount = 5;
    static constexpr wxWindowID kPageId = 2700;

    PreferencePage(wxWindow* parent, int kind);
    ~PreferencePage() override;

    // Fills the controls from the settings; always true.
    bool LoadValues(const MainConfig& settings);
    // False, with the text for the error box in `message` and the focus on the control to
    // correct, when a control holds a value the settings cannot take.
    bool CheckValues(wxString& message);
    // Writes the controls into the settings; always true.
    bool SaveValues(MainConfig& settings);

    int GetKind() const { return kind; }

    const int kind;
    wxString name;   // shown in the dialog's list of pages
    bool canReset;  // the dialog's Reset works on this page
};
