#include "framework/dialogs/orlAbout.h"

#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/version.h>

#include "framework/codes/orlCharCode.h"
#include "framework/dialogs/orlBell.h"
#include "framework/orlLibrary.h"
#include "framework/orlProductInfo.h"

wxIMPLEMENT_CLASS(orlAbout, wxDialog);

namespace {

wxStaticText* NewText(wxWindow* parent, const wxString& label) {
    return new wxStaticText(parent, wxID_STATIC, label, wxDefaultPosition, wxDefaultSize, 0,
                            "staticText");
}

// The toolkit the program was built with, then this library, then the extra text if any.
wxString LibrariesText(const wxString& extra) {
    wxString text = "wxWidgets";
#if wxUSE_UNICODE
    text += " (Unicode)";
#endif
    text += wxString::Format(" %d.%d.%d", wxMAJOR_VERSION, wxMINOR_VERSION, wxRELEASE_NUMBER);
    text += wxString::Format("\n%s %s", orlLibraryName(), orlLibraryVersion());
    if (!extra.empty()) {
        text += "\n" + extra;
    }
    return text;
}

wxSizer* NewHeader(wxWindow* parent, const wxString& name, const wxString& version,
                   const wxBitmap& picture) {
    auto* header = new wxBoxSizer(wxHORIZONTAL);
    header->Add(new wxStaticBitmap(parent, wxID_STATIC, picture, wxDefaultPosition, wxDefaultSize,
                                   0, "staticBitmap"),
                0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    wxStaticText* title = NewText(parent, wxString::Format(_("%s  Version %s"), name, version));
    wxFont bold = title->GetFont();
    if (bold.IsOk()) {
        title->SetFont(bold.Bold());
    }
    header->Add(title, 0, wxALIGN_CENTER_VERTICAL, 0);
    return header;
}

wxStaticBoxSizer* NewGroup(wxWindow* parent, const wxString& label) {
    auto* box =
        new wxStaticBox(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0, "groupBox");
    return new wxStaticBoxSizer(box, wxVERTICAL);
}

wxSizer* NewRightsGroup(wxWindow* parent) {
    wxStaticBoxSizer* group = NewGroup(parent, orlGetProductRightsLabel());
    wxStaticBox* box = group->GetStaticBox();
    group->Add(NewText(box, orlGetProductRightsNotice()), 0, wxALL, 5);
    const wxString address = orlGetProductWebAddress();
    group->Add(new wxHyperlinkCtrl(box, wxID_ANY, address, address, wxDefaultPosition,
                                   wxDefaultSize, wxHL_DEFAULT_STYLE, "hyperlink"),
               0, wxLEFT | wxRIGHT | wxBOTTOM, 5);
    return group;
}

wxSizer* NewInformationGroup(wxWindow* parent, const wxString& extra) {
    wxStaticBoxSizer* group = NewGroup(parent, _("Information"));
    wxStaticBox* box = group->GetStaticBox();
    const orlCharCode& codes = orlCharCode::Get();

    auto* grid = new wxFlexGridSizer(3, 2, 5, 10);
    grid->Add(NewText(box, _("Inside Language:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(NewText(box, codes.GetDescription(codes.GetInternalCode())), 0,
              wxALIGN_CENTER_VERTICAL);
    grid->Add(NewText(box, _("Locale:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(NewText(box, codes.GetDescription(codes.GetLocaleCode())), 0,
              wxALIGN_CENTER_VERTICAL);
    grid->Add(NewText(box, _("Library:")), 0);
    grid->Add(NewText(box, LibrariesText(extra)), 0);

    group->Add(grid, 0, wxALL, 5);
    return group;
}

}  // namespace

orlAbout::orlAbout(wxWindow* parent, const wxString& name, const wxString& version,
                   const wxBitmap& picture, const wxString& extra)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "dialog") {
    SetTitle(wxString::Format(_("About %s"), name));

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(NewHeader(this, name, version, picture), 0, wxBOTTOM, 10);
    content->Add(NewRightsGroup(this), 0, wxEXPAND | wxBOTTOM, 10);
    content->Add(NewInformationGroup(this, extra), 0, wxEXPAND, 0);
    topSizer->Add(content, 0, wxEXPAND | wxALL, 10);

    topSizer->Add(new wxStaticLine(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                   wxLI_HORIZONTAL, "staticLine"),
                  0, wxEXPAND, 0);

    auto* ok = new wxButton(this, wxID_OK, _("OK"), wxDefaultPosition, wxDefaultSize, 0,
                            wxDefaultValidator, "button");
    ok->SetDefault();
    ok->SetFocus();
    topSizer->Add(ok, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 10);

    SetSizerAndFit(topSizer);  // the sizer's minimum is the dialog's minimum

    Centre();  // on the parent, or on the screen when there is none
    orlBell();
}
