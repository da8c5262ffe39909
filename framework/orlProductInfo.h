// The product's own texts that the about box and the version page show: its name and version,
// who holds the rights to it and where it lives on the web.
#pragma once

#include <wx/string.h>

// The program's name, "tessarin", as it stands in every language.
wxString orlGetProductName();
// The program's version, "0.9.3": the project's version in the build.
wxString orlGetProductVersion();
// The label of the group that holds the rights notice ("Copyright"), translated.
wxString orlGetProductRightsLabel();
// The rights notice, translated; it may run over more than one line.
wxString orlGetProductRightsNotice();
// The product's web address, as it stands in every language.
wxString orlGetProductWebAddress();
