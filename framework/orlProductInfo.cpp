#include "framework/orlProductInfo.h"

#include <wx/intl.h>

wxString orlGetProductName() {
    return "tessarin";
}

wxString orlGetProductVersion() {
    return TESSARIN_VERSION;
}

wxString orlGetProductRightsLabel() {
    return _("Copyright");
}

wxString orlGetProductRightsNotice() {
    return _("Copyright (C) 2026 The tessarin developers\nThis program comes with no warranty.");
}

wxString orlGetProductWebAddress() {
    return "https://tessarin.org/";
}
