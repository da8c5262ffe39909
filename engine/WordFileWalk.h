// Finds the word files ("*.dic") of a directory and of its subdirectories, within limits of
// depth and of entries read, so that a link to the root of the file system (or any huge tree)
// cannot make a load walk the whole disk. Links are followed, each real directory once.
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <functional>
#include <vector>

class WordFileWalk {
  public:
    struct Limits {
        // Subdirectories are entered down to this depth (the directory itself is depth 0).
        std::size_t maxDepth = 8;
        // Names read from directories in the whole walk, hidden ones and all.
        std::size_t maxEntries = 10000;
    };

    // Loads one word file; false when it could not be read.
    using FileLoader = std::function<bool(const wxString& path)>;

    WordFileWalk() = default;
    explicit WordFileWalk(const Limits& walkLimits) : limits(walkLimits) {}

    // Hands every word file to the loader: the files of a directory, then its subdirectories,
    // each in the order the platform lists them. False when the directory is missing, when a
    // file or subdirectory could not be read, or when the walk stopped at a limit; the files
    // found before are loaded all the same.
    bool Walk(const wxString& directory, const FileLoader& load);

    // True when the last walk left something out because of a limit.
    bool StoppedAtLimit() const { return stopped; }
    // Names read from directories in the last walk.
    std::size_t GetEntriesRead() const { return entriesRead; }
    // The depth of the deepest directory the last walk read.
    std::size_t GetDeepestRead() const { return deepest; }

  private:
    struct DirectoryId;
    bool WalkTree(const wxString& directory, std::size_t depth, const FileLoader& load,
                  std::vector<DirectoryId>& visited);

    Limits limits;
    bool stopped = false;
    std::size_t entriesRead = 0;
    std::size_t deepest = 0;
};
