#include "framework/window/orlDialogBase.h"

wxIMPLEMENT_CLASS(orlDialogBase, wxDialog);

orlDialogBase::orlDialogBase(wxWindow* parent, wxWindowID id, const wxString& title,
                             bool centreIfNew, long style, const wxString& keywordPrefix)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style, "dialog"),
      orlTopLevelWindowBase(centreIfNew, keywordPrefix) {}

orlDialogBase::~orlDialogBase() {
    // Whatever happens to the window while it is torn down is not the user's doing.
    tracking = false;
}

void orlDialogBase::OnGeometryChanged(wxEvent& event) {
    SaveWindowInfo(this);
    event.Skip();
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(orlDialogBase, wxDialog)
    EVT_CUSTOM(wxEVT_SIZE, wxID_ANY, orlDialogBase::OnGeometryChanged)
    EVT_CUSTOM(wxEVT_MOVE, wxID_ANY, orlDialogBase::OnGeometryChanged)
wxEND_EVENT_TABLE()
