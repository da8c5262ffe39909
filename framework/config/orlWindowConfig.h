// The values of windows in the settings store: points and sizes as two numbers, colours as one
// RGB number, fonts as their point size, family, style, weight, underline, face and encoding.
// Reads leave the target as it was when the value is absent or unusable; a stored font counts
// only with a point size from 1 to 500.
#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

#include "framework/config/orlConfig.h"

class orlWindowConfig : public orlConfig {
  public:
    static void ReadPoint(const wxConfigBase& store, const wxString& path, wxPoint& value);
    static void ReadSize(const wxConfigBase& store, const wxString& path, wxSize& value);
    static void ReadColour(const wxConfigBase& store, const wxString& path, wxColour& value);
    static void ReadFont(const wxConfigBase& store, const wxString& path, wxFont& value);

    static bool WritePoint(wxConfigBase& store, const wxString& path, const wxPoint& value);
    static bool WriteSize(wxConfigBase& store, const wxString& path, const wxSize& value);
    static bool WriteColour(wxConfigBase& store, const wxString& path, const wxColour& value);
    static bool WriteFont(wxConfigBase& store, const wxString& path, const wxFont& value);
};
