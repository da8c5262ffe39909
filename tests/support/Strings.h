// A list of the toolkit's texts as standard strings, so that GoogleTest prints it readably.
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

}  // namespace testsupport
