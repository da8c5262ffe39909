// The large word list the benchmarks measure with: Debian's wamerican-insane (663,000 lines),
// which scripts/bench.sh installs, as the only word file of a directory of its own.
#pragma once

#include <unistd.h>
#include <wx/string.h>

#include "engine/Dictionary.h"
#include "framework/orlFileName.h"

namespace corpus {

inline const char* const kWordList = "/usr/share/dict/american-english-insane";

// A directory holding the word list (linked) as its only word file; empty when it cannot be
// made or the list is not installed.
inline const wxString& Directory() {
    static const wxString directory = []() -> wxString {
        if (access(kWordList, R_OK) != 0) {
            return wxString();
        }
        const wxString dir = wxString::Format("/tmp/tessarin-bench-%d", int(getpid()));
        orl::MakeDirectories(dir);
        const wxString link = dir + "/insane.dic";
        unlink(link.fn_str());
        return symlink(kWordList, link.fn_str()) == 0 ? dir : wxString();
    }();
    return directory;
}

// The word list loaded once; null when it is not installed.
inline const Dictionary* Loaded() {
    static Dictionary dictionary;
    if (dictionary.IsEmpty() && !Directory().empty()) {
        dictionary.Load(Directory());
    }
    return dictionary.IsEmpty() ? nullptr : &dictionary;
}

}  // namespace corpus
