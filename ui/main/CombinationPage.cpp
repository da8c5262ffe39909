#include "ui/main/CombinationPage.h"

// Placeholder until the page is built.
CombinationPage::CombinationPage(wxWindow* parent)
    : wxPanel(parent, kPageId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              "panel") {}
CombinationPage::~CombinationPage() = default;
bool CombinationPage::TransferDataToWindow() {
    return true;
}
bool CombinationPage::Validate() {
    return true;
}
bool CombinationPage::TransferDataFromWindow() {
    return true;
}
void CombinationPage::ApplyListFont() {}
