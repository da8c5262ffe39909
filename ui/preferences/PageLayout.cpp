#include "ui/preferences/PageLayout.h"

#include "framework/orlFonts.h"

namespace pagelayout {

namespace {

constexpr int kFieldMinWidth = 150;

// A group's box, which asks for the room its label needs. The toolkit would measure the box
// around the controls inside it as they are placed at the time, so that a page widened by the
// user could never be made narrow again (the dialog keeps every page's needs as its least
// size); the sizer around the box measures the controls themselves.
class GroupBox : public wxStaticBox {
  public:
    GroupBox(wxWindow* parent, const wxString& label)
        : wxStaticBox(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0, "groupBox") {}

  protected:
    wxSize DoGetBestSize() const override { return GetTextExtent(GetLabel()); }
};

}  // namespace

wxStaticBoxSizer* NewGroup(wxWindow* parent, const wxString& label, int orient) {
    return new wxStaticBoxSizer(new GroupBox(parent, label), orient);
}

void AddGroup(wxSizer* inner, wxSizer* group) {
    inner->Add(group, 0, wxEXPAND | wxBOTTOM, 10);
}

wxFlexGridSizer* AddGrid(wxStaticBoxSizer* group, int columns, int proportion) {
    auto* grid = new wxFlexGridSizer(columns, 5, 5);
    grid->AddGrowableCol(1);
    group->Add(grid, proportion, wxEXPAND | wxALL, 5);
    return grid;
}

wxStaticText* NewLabel(wxWindow* parent, const wxString& label) {
    return new wxStaticText(parent, wxID_STATIC, label, wxDefaultPosition, wxDefaultSize, 0,
                            "staticText");
}

wxTextCtrl* NewEditField(wxWindow* parent) {
    auto* field = new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 0, wxDefaultValidator, "text");
    const wxFont font = orlGetTextFont();
    if (font.IsOk()) {
        field->SetFont(font);
    }
    field->SetMinSize(wxSize(kFieldMinWidth, -1));  // the height follows the font
    return field;
}

wxTextCtrl* NewReadOnlyField(wxWindow* parent, const wxWindow* page) {
    auto* field = new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 wxTE_READONLY, wxDefaultValidator, "text");
    field->SetBackgroundColour(page->GetBackgroundColour());
    field->SetForegroundColour(page->GetForegroundColour());
    field->SetMinSize(wxSize(kFieldMinWidth, -1));  // the height follows the font
    return field;
}

wxButton* NewButton(wxWindow* parent, wxWindowID id, const wxString& label,
                    const wxString& tooltip) {
    auto* button = new wxButton(parent, id, label, wxDefaultPosition, wxDefaultSize, 0,
                                wxDefaultValidator, "button");
    button->SetToolTip(tooltip);
    return button;
}

}  // namespace pagelayout
