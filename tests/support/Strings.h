// Lists of the toolkit's texts as standard strings, so that GoogleTest prints them readably.
#pragma once

#include <wx/arrstr.h>

#include <string>
#include <vector>

namespace testsupport {

inline std::vector<std::string> Strings(const wxArrayString& list) {
    std::vector<std::string> out;
    for (const wxString& s : list) {
        out.push_back(s.utf8_string());
    }
    return out;
}

// A list of texts as the toolkit's array, and the same as standard strings.
inline wxArrayString Array(const std::vector<wxString>& items) {
    wxArrayString array;
    for (const wxString& item : items) {
        array.Add(item);
    }
    return array;
}

inline std::vector<std::string> Texts(const std::vector<wxString>& items) {
    return Strings(Array(items));
}

}  // namespace testsupport
