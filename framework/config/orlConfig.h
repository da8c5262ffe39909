// How compound values (lists, points, sizes, colours, fonts) are laid out as plain entries of
// the settings store, with typed reads and writes. Every read leaves its target exactly as it
// was when the value is absent or unusable, so a caller sets defaults first and reads over
// them; every write returns false at the first store operation that fails.
//
// Numbers are read as text and checked here: an entry that is not a whole number in range
// ("abc", or beyond 32 bits) counts as absent. A stored font counts only with a point size
// from 1 to 500.
#pragma once

#include <wx/arrstr.h>
#include <wx/colour.h>
#include <wx/config.h>
#include <wx/dynarray.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class orlConfig {
  public:
    virtual ~orlConfig() = default;

    // "%s/%03d" of the path and a 1-based number: the key of a list element or record.
    static wxString NumberedKey(const wxString& path, int number);
    // True when the store has a group or an entry at the path.
    static bool Exists(const wxConfigBase& store, const wxString& path);
    // Deletes the group at the path when a group or entry is there; false if that fails.
    static bool DeleteIfExists(wxConfigBase& store, const wxString& path);

    static void ReadBool(const wxConfigBase& store, const wxString& path, bool& value);
    static void ReadInt(const wxConfigBase& store, const wxString& path, int& value);
    static void ReadIntRange(const wxConfigBase& store, const wxString& path, int& value,
                             int minimum, int maximum);
    static void ReadString(const wxConfigBase& store, const wxString& path, wxString& value);
    static void ReadStringArray(const wxConfigBase& store, const wxString& path,
                                wxArrayString& value);
    static void ReadIntArray(const wxConfigBase& store, const wxString& path, wxArrayInt& value);
    static void ReadPoint(const wxConfigBase& store, const wxString& path, wxPoint& value);
    static void ReadSize(const wxConfigBase& store, const wxString& path, wxSize& value);
    static void ReadColour(const wxConfigBase& store, const wxString& path, wxColour& value);
    static void ReadFont(const wxConfigBase& store, const wxString& path, wxFont& value);

    static bool WriteBool(wxConfigBase& store, const wxString& path, bool value);
    static bool WriteInt(wxConfigBase& store, const wxString& path, int value);
    static bool WriteString(wxConfigBase& store, const wxString& path, const wxString& value);
    static bool WriteStringArray(wxConfigBase& store, const wxString& path,
                                 const wxArrayString& value);
    static bool WriteIntArray(wxConfigBase& store, const wxString& path, const wxArrayInt& value);
    static bool WritePoint(wxConfigBase& store, const wxString& path, const wxPoint& value);
    static bool WriteSize(wxConfigBase& store, const wxString& path, const wxSize& value);
    static bool WriteColour(wxConfigBase& store, const wxString& path, const wxColour& value);
    static bool WriteFont(wxConfigBase& store, const wxString& path, const wxFont& value);
};
