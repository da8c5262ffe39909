// A file or directory name that may also be a URL, normalised when it is set, with the few
// file-system functions the program needs around it.
#pragma once

#include <wx/arrstr.h>
#include <wx/filename.h>
#include <wx/string.h>

#include <memory>

class orlFileName {
  public:
    orlFileName() = default;
    orlFileName(const wxString& fileName);  // NOLINT: names convert implicitly, as texts do
    orlFileName(const orlFileName& other);
    orlFileName& operator=(const orlFileName& other);
    orlFileName& operator=(const wxString& fileName);
    virtual ~orlFileName();

    // Normalised as set: trailing separators removed, one kind of separator throughout.
    const wxString& GetText() const { return name; }

    bool IsUrl() const;
    bool IsUnc() const;

    // The whole name: for a URL or UNC name the text itself, for a local name its full path.
    wxString GetFullPath() const;
    // The directory part, without a trailing separator. The root of a URL ("scheme://host")
    // or of a UNC name ("//server") is its own directory part, with an empty last component.
    wxString GetPath() const;
    // The last component; the same without its extension; the text after its last dot.
    wxString GetFullName() const;
    wxString GetName() const;
    wxString GetExt() const;

    // Makes the name absolute against the base directory ("." and ".." resolved, a leading
    // "~" taken as the home directory); a relative base is taken against the current
    // directory, an empty one is it. URL and UNC names, and relative names on such a base,
    // are joined and resolved textually. A drive root is left alone. False, with the name
    // unchanged, when that fails.
    bool MakeAbsolute(const wxString& base);

  private:
    void Set(const wxString& fileName);

    wxString name;
    std::unique_ptr<wxFileName> parsed;
};

namespace orl {

enum class ListWhat { Files, Directories };

// The platform's own separator ("/" here) and whether a character is a path separator.
wxUniChar GetPathSeparator();
bool IsPathSeparator(wxUniChar c);

// True when the text names a URL: two or more ASCII letters and a colon at its start.
bool IsUrlName(const wxString& text);
// True when the text starts with two path separators.
bool IsUncName(const wxString& text);

// Appends a separator (a slash to a URL, the native one otherwise) unless the text is empty
// or already ends with one.
wxString AppendSeparator(const wxString& text);
// Removes separators from the end, but keeps at least one character of a local name, the
// scheme and its two slashes of a URL and the server part of a UNC name. A drive root with
// a separator becomes the bare drive.
wxString RemoveTrailingSeparators(const wxString& text);
// True when the text, without trailing separators, is one letter and a colon.
bool IsDriveRoot(const wxString& text);

bool FileExists(const wxString& path);
bool DirExists(const wxString& path);

// Replaces the list with the names of the directory's plain files or subdirectories,
// without hidden entries, in the order the platform gives them. 0 when the directory
// cannot be read.
std::size_t ListDirectory(const wxString& directory, wxArrayString& list, ListWhat what);

// Creates the local directory and every missing directory above it. True when it exists
// as a directory afterwards. Only local directories are created: a missing URL, UNC name or
// drive root gives false, as does a part of the path that is not a directory.
bool MakeDirectories(const wxString& path);

}  // namespace orl
