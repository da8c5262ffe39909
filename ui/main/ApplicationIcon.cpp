#include "ui/main/ApplicationIcon.h"

#include <algorithm>
#include <cmath>

#include "ui/main/MosaicPainting.h"

// The icon: the strip's dark rounded panel as a square, holding a four-by-four mosaic whose
// middle four tiles make one amber tile with a keyhole. Below 32 pixels the small tiles would
// blur into noise, so the panel holds the amber tile alone.

namespace {

constexpr int kGrid = 4;

void DrawMosaic(wxGraphicsContext& gc, double panelX, double panelSize) {
    const double gap = std::max(1.0, std::round(panelSize * 0.035));
    const double tile = std::floor((panelSize * 0.78 - (kGrid - 1) * gap) / kGrid);
    const double span = kGrid * tile + (kGrid - 1) * gap;
    const double origin = panelX + std::round((panelSize - span) / 2);
    const double radius = std::max(1.0, tile * 0.22);
    for (int row = 0; row < kGrid; ++row) {
        for (int column = 0; column < kGrid; ++column) {
            const bool middle = (row == 1 || row == 2) && (column == 1 || column == 2);
            if (middle) {
                continue;
            }
            const double depth = (row + 0.5) / kGrid;
            // The tiles nearest the amber one glow a little.
            const double glow = (row == 0 || row == 3) && (column == 0 || column == 3) ? 0 : 0.18;
            mosaic::DrawTile(gc,
                             wxRect2DDouble(origin + column * (tile + gap),
                                            origin + row * (tile + gap), tile, tile),
                             radius, mosaic::TileColour(column, row, depth, glow));
        }
    }
    const double lit = 2 * tile + gap;
    mosaic::DrawLitTile(gc, wxRect2DDouble(origin + tile + gap, origin + tile + gap, lit, lit),
                        radius * 1.6, lit < 20 ? 1.3 : 1.15);
}

void DrawSmall(wxGraphicsContext& gc, double panelX, double panelSize) {
    const double lit = std::round(panelSize * 0.64);
    const double origin = panelX + std::round((panelSize - lit) / 2);
    mosaic::DrawLitTile(gc, wxRect2DDouble(origin, origin, lit, lit), lit * 0.2, 1.35);
}

}  // namespace

wxImage CreateApplicationIconImage(int size) {
    mosaic::Canvas canvas(size, size);
    wxGraphicsContext& gc = canvas.Context();
    // Desktop icons keep a little air around the shape.
    const double inset = size >= 32 ? std::round(size / 16.0) : (size >= 24 ? 1 : 0);
    const double panelSize = size - 2 * inset;
    mosaic::DrawPanel(gc, wxRect2DDouble(inset, inset, panelSize, panelSize), panelSize * 0.22,
                      std::max(1, size / 128));
    if (size >= 32) {
        DrawMosaic(gc, inset, panelSize);
    } else {
        DrawSmall(gc, inset, panelSize);
    }
    return canvas.FinishImage();
}

wxBitmap CreateApplicationIcon(int size) {
    return wxBitmap(CreateApplicationIconImage(size));
}

const std::vector<int>& ApplicationIconSizes() {
    static const std::vector<int> sizes{16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

wxIconBundle CreateApplicationIcons() {
    wxIconBundle icons;
    for (int size : ApplicationIconSizes()) {
        wxIcon icon;
        icon.CopyFromBitmap(CreateApplicationIcon(size));
        icons.AddIcon(icon);
    }
    return icons;
}
