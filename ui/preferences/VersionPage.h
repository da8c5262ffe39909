// The "Version" page: the program's name and version, its rights notice and its web page.
#pragma once

#include "ui/preferences/PreferencePage.h"

class VersionPage : public PreferencePage {
  public:
    explicit VersionPage(wxWindow* parent);
};
