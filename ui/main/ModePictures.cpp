#include "ui/main/ModePictures.h"

#include <algorithm>
#include <cmath>

#include "ui/main/MosaicPainting.h"

// The strip: a dark rounded panel holding a field of small tiles, three to a row, that turn from
// teal at the top to blue at the bottom and fade into the panel at both ends. Large amber tiles
// with a keyhole stand in the field, each in a soft halo that lights the tiles around it: one in
// single mode, three in a column in plural mode.

namespace {

constexpr int kWidth = 40;
constexpr int kSingleHeight = 325;
constexpr int kPluralHeight = 482;

constexpr int kColumns = 3;
constexpr int kCell = 8;
constexpr int kGap = 3;
constexpr int kPitch = kCell + kGap;
constexpr int kMargin = (kWidth - kColumns * kCell - (kColumns - 1) * kGap) / 2;
constexpr double kCellRadius = 2;

constexpr int kLitCells = 3;  // a lit tile covers three rows of the three columns
constexpr int kLitSize = kLitCells * kCell + (kLitCells - 1) * kGap;
constexpr double kLitRadius = 4.5;
constexpr int kLitSpacing = kLitCells + 1;  // rows from one lit tile to the next: one row between

struct Field {
    int rows = 0;
    int top = 0;       // y of the first row
    int firstLit = 0;  // first row of the first lit tile
    int litCount = 0;
};

Field LayOut(int height, bool plural) {
    Field field;
    field.rows = (height - 2 * kMargin + kGap) / kPitch;
    field.top = (height - (field.rows * kPitch - kGap)) / 2;
    field.litCount = plural ? 3 : 1;
    // The lit tiles centre a little above the middle, where the eye rests on a tall picture.
    const int litRows = (field.litCount - 1) * kLitSpacing + kLitCells;
    field.firstLit = static_cast<int>(std::lround(field.rows * 0.42 - litRows / 2.0));
    return field;
}

double RowY(const Field& field, int row) {
    return field.top + row * kPitch;
}

double LitCentreY(const Field& field, int index) {
    return RowY(field, field.firstLit + index * kLitSpacing) + kLitSize / 2.0;
}

bool IsLitRow(const Field& field, int row) {
    const int offset = row - field.firstLit;
    return offset >= 0 && offset / kLitSpacing < field.litCount && offset % kLitSpacing < kLitCells;
}

// Soft light on the panel behind the lit tiles.
void DrawHalo(wxGraphicsContext& gc, const Field& field) {
    const double reach = 46;
    const double centreX = kWidth / 2.0;
    for (int index = 0; index < field.litCount; ++index) {
        const double centreY = LitCentreY(field, index);
        gc.SetPen(wxNullGraphicsPen);
        gc.SetBrush(gc.CreateRadialGradientBrush(centreX, centreY, centreX, centreY, reach,
                                                 mosaic::WithAlpha(mosaic::colour::kGlow, 60),
                                                 mosaic::WithAlpha(mosaic::colour::kGlow, 0)));
        gc.DrawRectangle(2, centreY - reach, kWidth - 4, 2 * reach);
    }
}

void DrawField(wxGraphicsContext& gc, const Field& field, int height) {
    const double fadeLength = 5.5 * kPitch;
    for (int row = 0; row < field.rows; ++row) {
        if (IsLitRow(field, row)) {
            continue;
        }
        const double y = RowY(field, row);
        const double centreY = y + kCell / 2.0;
        double nearest = height;
        for (int index = 0; index < field.litCount; ++index) {
            nearest = std::min(nearest, std::abs(centreY - LitCentreY(field, index)));
        }
        // Distance from the nearer end of the field, for the fade into the panel.
        const double fromEnd = std::min(centreY, height - centreY);
        const double fade = std::clamp(1 - fromEnd / fadeLength, 0.0, 1.0);
        for (int column = 0; column < kColumns; ++column) {
            const double x = kMargin + column * kPitch;
            const double distance = std::hypot(x + kCell / 2.0 - kWidth / 2.0, nearest);
            const double glow = 0.5 * std::exp(-distance / 22);
            wxColour c = mosaic::TileColour(column, row, centreY / height, glow);
            c = mosaic::Mix(c, mosaic::colour::kPanelBottom, 0.75 * fade * fade);
            mosaic::DrawTile(gc, wxRect2DDouble(x, y, kCell, kCell), kCellRadius, c);
        }
    }
}

void DrawLitTiles(wxGraphicsContext& gc, const Field& field) {
    for (int index = 0; index < field.litCount; ++index) {
        const double y = RowY(field, field.firstLit + index * kLitSpacing);
        mosaic::DrawLitTile(gc, wxRect2DDouble(kMargin, y, kLitSize, kLitSize), kLitRadius);
    }
}

}  // namespace

wxBitmap CreateModePicture(bool plural) {
    const int height = plural ? kPluralHeight : kSingleHeight;
    mosaic::Canvas canvas(kWidth, height);
    wxGraphicsContext& gc = canvas.Context();
    mosaic::DrawPanel(gc, wxRect2DDouble(0, 0, kWidth, height), 7);
    const Field field = LayOut(height, plural);
    DrawHalo(gc, field);
    DrawField(gc, field, height);
    DrawLitTiles(gc, field);
    return canvas.Finish();
}
