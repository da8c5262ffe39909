#include "framework/window/orlDialogBase.h"

#include <wx/sizer.h>

#include <algorithm>

wxIMPLEMENT_CLASS(orlDialogBase, wxDialog);

orlDialogBase::orlDialogBase(wxWindow* parent, wxWindowID id, const wxString& title,
                             bool centreIfNew, long style, const wxString& keywordPrefix)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style, "dialog"),
      orlTopLevelWindowBase(centreIfNew, keywordPrefix) {}

orlDialogBase::~orlDialogBase() {
    // Whatever happens to the window while it is torn down is not the user's doing.
    tracking = false;
}

void orlDialogBase::FitToSizer(bool fixedHeight) {
    const wxSize fitted = GetSizer()->ComputeFittingClientSize(this);
    minClientSize = fitted;
    maxClientSize = fixedHeight ? wxSize(wxDefaultCoord, fitted.y) : wxDefaultSize;
    ApplyClientLimits();
    SetClientSize(fitted);
}

void orlDialogBase::GrowFittedSize(const wxSize& growth) {
    minClientSize += growth;
    if (maxClientSize.y > 0) {
        maxClientSize.y += growth.y;
    }
    ApplyClientLimits();
    const wxSize client = GetClientSize();
    if (client.x < minClientSize.x || client.y < minClientSize.y) {
        SetClientSize(
            wxSize(std::max(client.x, minClientSize.x), std::max(client.y, minClientSize.y)));
    }
}

void orlDialogBase::ApplyClientLimits() {
    // Until the window manager has framed the dialog, the toolkit guesses the frame, from
    // whatever window it framed last; the limits are set again once the frame is known.
    limitedFrame = GetSize() - GetClientSize();
    SetMinSize(minClientSize + limitedFrame);
    SetMaxSize(wxSize(maxClientSize.x > 0 ? maxClientSize.x + limitedFrame.x : wxDefaultCoord,
                      maxClientSize.y > 0 ? maxClientSize.y + limitedFrame.y : wxDefaultCoord));
}

void orlDialogBase::OnGeometryChanged(wxEvent& event) {
    if (minClientSize.IsFullySpecified() && GetSize() - GetClientSize() != limitedFrame) {
        ApplyClientLimits();
    }
    SaveWindowInfo(this);
    event.Skip();
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(orlDialogBase, wxDialog)
    EVT_CUSTOM(wxEVT_SIZE, wxID_ANY, orlDialogBase::OnGeometryChanged)
    EVT_CUSTOM(wxEVT_MOVE, wxID_ANY, orlDialogBase::OnGeometryChanged)
wxEND_EVENT_TABLE()
