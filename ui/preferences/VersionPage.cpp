#include "ui/preferences/VersionPage.h"

#include <wx/hyperlink.h>
#include <wx/intl.h>

#include "framework/orlProductInfo.h"
#include "ui/preferences/PageLayout.h"

using namespace pagelayout;

VersionPage::VersionPage(wxWindow* parent)
    : PreferencePage(parent, PAGE_VERSION, _("Version"), false) {
    auto* inner = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* group = NewGroup(this, _("Version"));
    wxStaticBox* box = group->GetStaticBox();

    // The same title as the about box's.
    wxStaticText* title = NewLabel(
        box, wxString::Format(_("%s  Version %s"), orlGetProductName(), orlGetProductVersion()));
    const wxFont font = title->GetFont();
    if (font.IsOk()) {
        title->SetFont(font.Bold());
    }
    group->Add(title, 0, wxALL, 5);
    group->Add(NewLabel(box, orlGetProductRightsNotice()), 0, wxLEFT | wxRIGHT | wxBOTTOM, 5);
    const wxString address = orlGetProductWebAddress();
    group->Add(new wxHyperlinkCtrl(box, wxID_ANY, address, address, wxDefaultPosition,
                                   wxDefaultSize, wxHL_DEFAULT_STYLE, "hyperlink"),
               0, wxLEFT | wxRIGHT | wxBOTTOM, 5);

    inner->Add(group, 0, wxEXPAND, 0);
    SetContent(inner);
}
