#include "ui/main/MosaicPainting.h"

#include <wx/brush.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace mosaic {

Canvas::Canvas(int width, int height) : image(width, height) {
    // Fully transparent to begin with; the context writes colour and alpha back when it ends.
    image.InitAlpha();
    std::memset(image.GetAlpha(), 0, static_cast<size_t>(width) * height);
    context.reset(wxGraphicsContext::Create(image));
    context->SetAntialiasMode(wxANTIALIAS_DEFAULT);
}

Canvas::~Canvas() = default;

wxBitmap Canvas::Finish() {
    return wxBitmap(FinishImage());
}

wxImage Canvas::FinishImage() {
    context.reset();
    return image;
}

namespace {

unsigned char Channel(double a, double b, double t) {
    return static_cast<unsigned char>(std::clamp(std::lround(a + (b - a) * t), 0L, 255L));
}

}  // namespace

wxColour Mix(const wxColour& a, const wxColour& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return wxColour(Channel(a.Red(), b.Red(), t), Channel(a.Green(), b.Green(), t),
                    Channel(a.Blue(), b.Blue(), t), Channel(a.Alpha(), b.Alpha(), t));
}

wxColour WithAlpha(const wxColour& c, int alpha) {
    return wxColour(c.Red(), c.Green(), c.Blue(), static_cast<unsigned char>(alpha));
}

double CellNoise(int column, int row, int salt) {
    // A small integer hash (the finaliser of a well-known 32-bit mixer).
    uint32_t h = static_cast<uint32_t>(column) * 0x9E3779B1u ^
                 static_cast<uint32_t>(row) * 0x85EBCA77u ^
                 static_cast<uint32_t>(salt) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h >> 8) / static_cast<double>(1u << 24);
}

wxColour TileColour(int column, int row, double depth, double glow) {
    wxColour base = Mix(colour::kTileTeal, colour::kTileBlue, depth);
    // Most tiles are shaded a little darker, a few much darker, and one in eight is lighter.
    const double shade = CellNoise(column, row, 1);
    wxColour tile = Mix(base, colour::kTileShadow, 0.1 + 0.5 * shade * shade);
    if (CellNoise(column, row, 2) > 0.875) {
        tile = Mix(tile, colour::kGlow, 0.28);
    }
    return Mix(tile, colour::kGlow, glow);
}

void FillRounded(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius, const wxColour& top,
                 const wxColour& bottom) {
    gc.SetPen(wxNullGraphicsPen);
    gc.SetBrush(gc.CreateLinearGradientBrush(r.m_x, r.m_y, r.m_x, r.m_y + r.m_height, top, bottom));
    gc.DrawRoundedRectangle(r.m_x, r.m_y, r.m_width, r.m_height, radius);
}

void DrawPanel(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius, double line) {
    // Outline, body, then a light rim just inside.
    gc.SetPen(wxNullGraphicsPen);
    gc.SetBrush(gc.CreateBrush(wxBrush(wxColour(6, 18, 30, 215))));
    gc.DrawRoundedRectangle(r.m_x, r.m_y, r.m_width, r.m_height, radius);
    FillRounded(
        gc, wxRect2DDouble(r.m_x + line, r.m_y + line, r.m_width - 2 * line, r.m_height - 2 * line),
        radius - line, colour::kPanelTop, colour::kPanelBottom);
    const double rim = 1.5 * line;
    gc.SetBrush(wxNullGraphicsBrush);
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(255, 255, 255, 30), line)));
    gc.DrawRoundedRectangle(r.m_x + rim, r.m_y + rim, r.m_width - 2 * rim, r.m_height - 2 * rim,
                            radius - rim);
}

void DrawTile(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius, const wxColour& c) {
    FillRounded(gc, r, radius, Mix(c, *wxWHITE, 0.12), c);
}

namespace {

// A keyhole centred in `r`: a round head over a slot that widens downwards.
void DrawKeyhole(wxGraphicsContext& gc, const wxRect2DDouble& r, double scale) {
    const double size = std::min(r.m_width, r.m_height) * scale;
    const double cx = r.m_x + r.m_width / 2;
    const double headRadius = size * 0.15;
    const double headY = r.m_y + r.m_height / 2 - size * 0.1;
    const double slotBottom = r.m_y + r.m_height / 2 + size * 0.24;

    wxGraphicsPath slot = gc.CreatePath();
    slot.MoveToPoint(cx - headRadius * 0.45, headY);
    slot.AddLineToPoint(cx + headRadius * 0.45, headY);
    slot.AddLineToPoint(cx + headRadius * 0.8, slotBottom);
    slot.AddLineToPoint(cx - headRadius * 0.8, slotBottom);
    slot.CloseSubpath();

    gc.SetPen(wxNullGraphicsPen);
    gc.SetBrush(gc.CreateBrush(wxBrush(colour::kKeyhole)));
    gc.DrawEllipse(cx - headRadius, headY - headRadius, 2 * headRadius, 2 * headRadius);
    gc.FillPath(slot);
}

}  // namespace

void DrawLitTile(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius,
                 double keyholeScale) {
    // A soft shadow below lifts the tile off the mosaic.
    gc.SetPen(wxNullGraphicsPen);
    for (int layer = 2; layer >= 1; --layer) {
        gc.SetBrush(gc.CreateBrush(wxBrush(wxColour(0, 0, 0, 55))));
        gc.DrawRoundedRectangle(r.m_x - 0.5 * layer + 0.5, r.m_y + layer, r.m_width + layer - 1,
                                r.m_height, radius + 0.5 * layer);
    }
    FillRounded(gc, r, radius, colour::kAmberTop, colour::kAmberBottom);
    // A bright rim along the top edge and a darker one along the bottom give the tile some depth.
    gc.SetBrush(wxNullGraphicsBrush);
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(255, 244, 214, 110), 1)));
    gc.DrawRoundedRectangle(r.m_x + 0.5, r.m_y + 0.5, r.m_width - 1, r.m_height - 1, radius - 0.5);
    DrawKeyhole(gc, r, keyholeScale);
}

}  // namespace mosaic
