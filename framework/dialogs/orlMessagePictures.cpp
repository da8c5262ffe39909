#include "framework/dialogs/orlMessagePictures.h"

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/pen.h>

#include <algorithm>
#include <memory>
#include <numbers>

namespace {

constexpr int Side = 40;
constexpr double Centre = Side / 2.0;

// A white cross, its arms reaching well into the disc.
void DrawCross(wxGraphicsContext& gc) {
    const double arm = 8.0;
    gc.StrokeLine(Centre - arm, Centre - arm, Centre + arm, Centre + arm);
    gc.StrokeLine(Centre - arm, Centre + arm, Centre + arm, Centre - arm);
}

// A white question mark: the hook runs from the upper left over the top and round to below
// its centre, the stem goes straight down from there, and the dot stands apart below.
void DrawQuestionMark(wxGraphicsContext& gc) {
    const double hookY = 15.0, radius = 6.0;
    wxGraphicsPath hook = gc.CreatePath();
    hook.AddArc(Centre, hookY, radius, std::numbers::pi * 1.12, std::numbers::pi * 2.5, true);
    hook.AddLineToPoint(Centre, 24.5);
    gc.StrokePath(hook);

    const double dot = 3.0, dotY = 31.0;
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(*wxWHITE_BRUSH);
    gc.DrawEllipse(Centre - dot, dotY - dot, dot * 2, dot * 2);
}

// A square picture, transparent around a disc of the given colours that fills it, with a sign
// drawn on the disc by `drawSign` in a broad white pen.
wxBitmap DrawDiscPicture(const wxColour& fill, const wxColour& rim,
                         void (*drawSign)(wxGraphicsContext&)) {
    wxImage image(Side, Side);
    image.InitAlpha();
    std::fill(image.GetAlpha(), image.GetAlpha() + Side * Side, 0);
    {
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        if (gc) {
            gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
            gc->SetPen(wxPen(rim, 1.5));
            gc->SetBrush(wxBrush(fill));
            gc->DrawEllipse(1, 1, Side - 2, Side - 2);

            gc->SetBrush(*wxTRANSPARENT_BRUSH);
            wxGraphicsPenInfo sign(*wxWHITE, 5.0);
            sign.Cap(wxCAP_ROUND).Join(wxJOIN_ROUND);
            gc->SetPen(gc->CreatePen(sign));
            drawSign(*gc);
        }
    }  // the drawing reaches the image when the context goes
    return wxBitmap(image);
}

}  // namespace

wxBitmap orlGetErrorBitmap() {
    return DrawDiscPicture(wxColour(0xD3, 0x2F, 0x2F), wxColour(0x9A, 0x1B, 0x1B), DrawCross);
}

wxBitmap orlGetQuestionBitmap() {
    return DrawDiscPicture(wxColour(0x1E, 0x64, 0xC8), wxColour(0x12, 0x43, 0x8C),
                           DrawQuestionMark);
}
