// The drawing shared by the mode pictures and the application icon: a transparent canvas, the
// mosaic's palette, and its shapes (the dark panel, a plain tile, the lit tile with a keyhole).
#pragma once

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/geometry.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <memory>

namespace mosaic {

// A transparent image with an antialiasing graphics context on it.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    wxGraphicsContext& Context() { return *context; }
    // Ends the drawing and returns the picture with its transparency.
    wxBitmap Finish();
    wxImage FinishImage();

  private:
    wxImage image;
    std::unique_ptr<wxGraphicsContext> context;
};

// The palette: the panel's dark gradient, the two ends of the tile field (teal at the top, blue
// at the bottom), the glow around a lit tile and the lit tile's amber.
namespace colour {
inline const wxColour kPanelTop{11, 44, 56};
inline const wxColour kPanelBottom{13, 28, 54};
inline const wxColour kTileTeal{30, 112, 122};
inline const wxColour kTileBlue{37, 78, 128};
inline const wxColour kTileShadow{12, 40, 60};
inline const wxColour kGlow{120, 200, 196};
inline const wxColour kAmberTop{250, 206, 120};
inline const wxColour kAmberBottom{226, 150, 62};
inline const wxColour kKeyhole{14, 38, 52};
}  // namespace colour

// `a` moved towards `b` by the fraction t (0 gives a, 1 gives b); alpha included.
wxColour Mix(const wxColour& a, const wxColour& b, double t);
// `c` with its alpha replaced.
wxColour WithAlpha(const wxColour& c, int alpha);
// A fixed value in [0, 1) for a cell of a grid, the same on every run: the mosaic's irregularity.
double CellNoise(int column, int row, int salt);

// The colour of a plain tile at `depth` (0 at the top of the field, 1 at the bottom), varied
// per cell, and lit by `glow` (0 to 1) near a lit tile.
wxColour TileColour(int column, int row, double depth, double glow);

// A rounded rectangle filled with a vertical gradient from `top` to `bottom`.
void FillRounded(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius, const wxColour& top,
                 const wxColour& bottom);

// The dark rounded panel the mosaic lies on, with a faint light rim inside a dark outline so
// that it stands out on light and dark backgrounds alike; `line` is the width of both.
void DrawPanel(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius, double line = 1);

// A plain tile of colour `c`, slightly lighter along its top edge.
void DrawTile(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius, const wxColour& c);

// The amber tile with a keyhole in its middle; small tiles draw the keyhole larger
// (`keyholeScale` above 1) so that it stays legible.
void DrawLitTile(wxGraphicsContext& gc, const wxRect2DDouble& r, double radius,
                 double keyholeScale = 1);

}  // namespace mosaic
