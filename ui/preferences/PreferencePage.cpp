#include "ui/preferences/PreferencePage.h"

// Placeholder until the pages are built.
PreferencePage::PreferencePage(wxWindow* parent, int kind_)
    : wxPanel(parent, kPageId), kind(kind_), canReset(kind_ <= PAGE_FONT) {}
PreferencePage::~PreferencePage() = default;
bool PreferencePage::LoadValues(const MainConfig&) { return true; }
bool PreferencePage::CheckValues(wxString&) { return true; }
bool PreferencePage::SaveValues(MainConfig&) { return true; }
