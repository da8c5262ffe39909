#include "engine/WordFileWalk.h"

#include <sys/stat.h>
#include <wx/dir.h>
#include <wx/log.h>

#include <algorithm>
#include <vector>

#include "framework/orlFileName.h"

namespace {

bool IsWordFileName(const wxString& name) {
    return orlFileName(name).GetExt().IsSameAs(wxS("dic"), false);
}

}  // namespace

// A directory as the file system knows it, whatever path led there.
struct WordFileWalk::DirectoryId {
    dev_t device;
    ino_t inode;
    bool operator==(const DirectoryId&) const = default;
};

bool WordFileWalk::Walk(const wxString& directory, const FileLoader& load) {
    stopped = false;
    entriesRead = 0;
    deepest = 0;
    std::vector<DirectoryId> visited;
    return WalkTree(directory, 0, load, visited);
}

bool WordFileWalk::WalkTree(const wxString& directory, std::size_t depth, const FileLoader& load,
                            std::vector<DirectoryId>& visited) {
    struct stat info {};
    if (!orl::DirExists(directory) || stat(directory.fn_str(), &info) != 0) {
        return false;
    }
    const DirectoryId id{info.st_dev, info.st_ino};
    if (std::find(visited.begin(), visited.end(), id) != visited.end()) {
        return true;  // reached again through a link: its words are in already
    }
    if (depth > limits.maxDepth || entriesRead >= limits.maxEntries) {
        stopped = true;
        return false;
    }
    visited.push_back(id);

    wxLogNull quiet;  // an unreadable directory would otherwise be reported in a box
    wxDir dir;
    if (!dir.Open(directory)) {
        return false;
    }
    deepest = std::max(deepest, depth);
    const wxString prefix = orl::AppendSeparator(directory);
    std::vector<wxString> files;
    std::vector<wxString> subdirectories;
    wxString name;
    for (bool more = dir.GetFirst(&name, wxEmptyString, wxDIR_FILES | wxDIR_DIRS | wxDIR_HIDDEN);
         more; more = dir.GetNext(&name)) {
        if (entriesRead == limits.maxEntries) {
            stopped = true;
            break;
        }
        ++entriesRead;
        if (name.empty() || name.StartsWith(".")) {
            continue;
        }
        const wxString path = prefix + name;
        if (orl::FileExists(path)) {
            if (IsWordFileName(name)) {
                files.push_back(path);
            }
        } else if (orl::DirExists(path)) {
            subdirectories.push_back(path);
        }
    }

    bool result = !stopped;
    for (const wxString& file : files) {
        if (!load(file)) {
            result = false;
        }
    }
    for (const wxString& subdirectory : subdirectories) {
        if (!WalkTree(subdirectory, depth + 1, load, visited)) {
            result = false;
        }
    }
    return result;
}
