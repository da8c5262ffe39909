#include "framework/orlCreateListCtrl.h"

#include <wx/image.h>
#include <wx/imaglist.h>
#include <wx/validate.h>

#include "framework/orlFonts.h"

namespace {

constexpr int kMinimumRowHeight = 16;

// A small-image list whose only picture is a fully transparent strip one pixel wide: it
// draws nothing but keeps every row at least as high as the strip.
wxImageList* MakeRowHeightImageList() {
    wxImage strip(1, kMinimumRowHeight);
    strip.SetAlpha();
    for (int y = 0; y < kMinimumRowHeight; ++y) {
        strip.SetAlpha(0, y, wxIMAGE_ALPHA_TRANSPARENT);
    }
    auto* images = new wxImageList(1, kMinimumRowHeight, false, 1);
    images->Add(wxBitmap(strip));
    return images;
}

}  // namespace

wxListCtrl* orlCreateListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                              const wxSize& size, long style) {
    auto* list = new wxListCtrl(parent, id, pos, size, style, wxDefaultValidator, "listCtrl");
    const wxFont font = orlGetGuiFont();
    if (font.IsOk()) {
        list->SetFont(font);
    }
    list->AssignImageList(MakeRowHeightImageList(), wxIMAGE_LIST_SMALL);
    return list;
}
