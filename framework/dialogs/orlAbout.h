// The about box: the program's picture, name and version, the product's rights notice and web
// address, and the character codes and libraries the program runs with. The caller shows it
// modally and destroys it; its OK button ends it in the toolkit dialog's usual way.
#pragma once

#include <wx/bitmap.h>
#include <wx/dialog.h>

class orlAbout : public wxDialog {
  public:
    // Builds the box, centres it on the parent (on the screen without one) and sounds the
    // bell. A non-empty extra text is added as a last line under the libraries.
    orlAbout(wxWindow* parent, const wxString& name, const wxString& version,
             const wxBitmap& picture, const wxString& extra);

  private:
    wxDECLARE_CLASS(orlAbout);
};
