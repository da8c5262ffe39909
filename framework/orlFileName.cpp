#include "framework/orlFileName.h"

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/log.h>

#include <vector>

namespace {

bool IsAsciiLetter(wxUniChar c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Length of the scheme of a URL name (without the colon), 0 for any other name.
std::size_t SchemeLength(const wxString& text) {
    std::size_t n = 0;
    while (n < text.length() && IsAsciiLetter(text[n])) {
        ++n;
    }
    return n >= 2 && n < text.length() && text[n] == ':' ? n : 0;
}

bool IsFileUrl(const wxString& text) {
    return SchemeLength(text) == 4 && text.Left(4).IsSameAs("file", false);
}

// The separator a name uses throughout: the slash for URLs other than "file:" URLs, the
// native one for everything else.
wxUniChar SeparatorFor(const wxString& text) {
    return orl::IsUrlName(text) && !IsFileUrl(text) ? wxUniChar('/') : orl::GetPathSeparator();
}

// The part of a URL or UNC name that "." and ".." never climb above and trailing separators
// never shorten: "scheme://host", "scheme:" with at most one separator, or "//server".
// 0 for a local name.
std::size_t RootLength(const wxString& text) {
    const std::size_t length = text.length();
    std::size_t n = 0;
    if (const std::size_t scheme = SchemeLength(text); scheme != 0) {
        n = scheme + 1;
        if (n + 1 < length && orl::IsPathSeparator(text[n]) && orl::IsPathSeparator(text[n + 1])) {
            n += 2;
        } else {
            return n < length && orl::IsPathSeparator(text[n]) ? n + 1 : n;
        }
    } else if (orl::IsUncName(text)) {
        n = 2;
    } else {
        return 0;
    }
    while (n < length && !orl::IsPathSeparator(text[n])) {
        ++n;
    }
    return n;
}

// The shortest text that removing trailing separators may leave.
std::size_t KeptLength(const wxString& text) {
    if (const std::size_t scheme = SchemeLength(text); scheme != 0) {
        std::size_t n = scheme + 1;
        for (int i = 0; i < 2 && n < text.length() && orl::IsPathSeparator(text[n]); ++i) {
            ++n;
        }
        return n;
    }
    if (orl::IsUncName(text)) {
        return RootLength(text);
    }
    return 1;
}

// Position of the last separator at or after `from`, or npos.
std::size_t LastSeparator(const wxString& text, std::size_t from) {
    for (std::size_t i = text.length(); i > from; --i) {
        if (orl::IsPathSeparator(text[i - 1])) {
            return i - 1;
        }
    }
    return wxString::npos;
}

// Resolves "." and ".." components (and drops empty ones) after the root of a URL or UNC
// name; ".." never climbs above the root.
wxString ResolveDots(const wxString& text) {
    const std::size_t root = RootLength(text);
    const wxUniChar separator = SeparatorFor(text);
    wxString rest = text.Mid(root);
    const bool leadingSeparator = !rest.empty() && orl::IsPathSeparator(rest[0]);

    std::vector<wxString> parts;
    wxString part;
    for (std::size_t i = 0; i <= rest.length(); ++i) {
        if (i < rest.length() && !orl::IsPathSeparator(rest[i])) {
            part += rest[i];
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    }

    wxString result = text.Left(root);
    if (leadingSeparator) {
        result += separator;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i != 0) {
            result += separator;
        }
        result += parts[i];
    }
    return result;
}

// The toolkit parses a last component "." or ".." (or a lone "~user") as a file name and
// then leaves it alone when normalising; such names are taken as directories.
wxFileName ParseForNormalising(const wxString& name) {
    const std::size_t slash = LastSeparator(name, 0);
    const wxString last = slash == wxString::npos ? name : name.Mid(slash + 1);
    wxFileName parsed;
    if (last.empty() || last == "." || last == ".." ||
        (slash == wxString::npos && last.StartsWith("~"))) {
        parsed.AssignDir(name);
    } else {
        parsed.Assign(name);
    }
    return parsed;
}

constexpr int kNormaliseFlags = wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE | wxPATH_NORM_TILDE;

}  // namespace

// ---------------------------------------------------------------------------------------------
// orlFileName

orlFileName::orlFileName(const wxString& fileName) {
    Set(fileName);
}

orlFileName::orlFileName(const orlFileName& other)
    : name(other.name),
      parsed(other.parsed ? std::make_unique<wxFileName>(*other.parsed) : nullptr) {}

orlFileName& orlFileName::operator=(const orlFileName& other) {
    if (this != &other) {
        name = other.name;
        parsed = other.parsed ? std::make_unique<wxFileName>(*other.parsed) : nullptr;
    }
    return *this;
}

orlFileName& orlFileName::operator=(const wxString& fileName) {
    Set(fileName);
    return *this;
}

orlFileName::~orlFileName() = default;

void orlFileName::Set(const wxString& fileName) {
    wxString text = orl::RemoveTrailingSeparators(fileName);
    const wxUniChar separator = SeparatorFor(text);
    for (wxString::iterator it = text.begin(); it != text.end(); ++it) {
        if (*it != separator && orl::IsPathSeparator(*it)) {
            *it = separator;
        }
    }
    name = text;
    if (IsUrl() || IsUnc()) {
        parsed.reset();
    } else {
        parsed = std::make_unique<wxFileName>(name);
    }
}

bool orlFileName::IsUrl() const {
    return orl::IsUrlName(name);
}

bool orlFileName::IsUnc() const {
    return orl::IsUncName(name);
}

wxString orlFileName::GetFullPath() const {
    return parsed ? parsed->GetFullPath() : name;
}

wxString orlFileName::GetPath() const {
    if (parsed) {
        return parsed->GetPath(wxPATH_GET_VOLUME);
    }
    const std::size_t root = RootLength(name);
    const std::size_t last = LastSeparator(name, root);
    return last == wxString::npos ? name.Left(root) : name.Left(last);
}

wxString orlFileName::GetFullName() const {
    if (parsed) {
        return parsed->GetFullName();
    }
    const std::size_t root = RootLength(name);
    const std::size_t last = LastSeparator(name, root);
    return name.Mid(last == wxString::npos ? root : last + 1);
}

wxString orlFileName::GetName() const {
    if (parsed) {
        return parsed->GetName();
    }
    // As for local names, a dot that starts the component does not start an extension.
    const wxString full = GetFullName();
    const std::size_t dot = full.rfind('.');
    return dot == wxString::npos || dot == 0 ? full : full.Left(dot);
}

wxString orlFileName::GetExt() const {
    if (parsed) {
        return parsed->GetExt();
    }
    const wxString full = GetFullName();
    const std::size_t dot = full.rfind('.');
    return dot == wxString::npos || dot == 0 ? wxString() : full.Mid(dot + 1);
}

bool orlFileName::MakeAbsolute(const wxString& base) {
    if (orl::IsDriveRoot(name)) {
        return true;
    }
    if (IsUrl() || IsUnc()) {
        Set(ResolveDots(name));
        return true;
    }

    wxFileName parsedName = ParseForNormalising(name);
    const bool fromHome = name.StartsWith("~");
    if (parsedName.IsRelative() && !fromHome && (orl::IsUrlName(base) || orl::IsUncName(base))) {
        Set(ResolveDots(orl::AppendSeparator(orl::RemoveTrailingSeparators(base)) + name));
        return true;
    }

    wxString directory;
    if (parsedName.IsRelative() && !fromHome) {
        // A relative base is taken against the current directory, an empty one is it.
        wxFileName baseDir;
        baseDir.AssignDir(base);
        if (!baseDir.Normalize(kNormaliseFlags) || !baseDir.IsAbsolute()) {
            return false;
        }
        directory = baseDir.GetPath();
    }
    // An unknown user's "~name" is left relative by the toolkit: that is a failure here.
    if (!parsedName.Normalize(kNormaliseFlags, directory) || !parsedName.IsAbsolute()) {
        return false;
    }
    Set(parsedName.GetFullPath());
    return true;
}

// ---------------------------------------------------------------------------------------------
// Free functions

namespace orl {

wxUniChar GetPathSeparator() {
    return wxFileName::GetPathSeparator();
}

bool IsPathSeparator(wxUniChar c) {
    return wxFileName::IsPathSeparator(c);
}

bool IsUrlName(const wxString& text) {
    return SchemeLength(text) != 0;
}

bool IsUncName(const wxString& text) {
    return text.length() >= 2 && IsPathSeparator(text[0]) && IsPathSeparator(text[1]);
}

wxString AppendSeparator(const wxString& text) {
    if (text.empty() || IsPathSeparator(text.Last())) {
        return text;
    }
    return text + SeparatorFor(text);
}

wxString RemoveTrailingSeparators(const wxString& text) {
    const std::size_t kept = KeptLength(text);
    std::size_t end = text.length();
    while (end > kept && IsPathSeparator(text[end - 1])) {
        --end;
    }
    return text.Left(end);
}

bool IsDriveRoot(const wxString& text) {
    const wxString root = RemoveTrailingSeparators(text);
    return root.length() == 2 && IsAsciiLetter(root[0]) && root[1] == ':';
}

bool FileExists(const wxString& path) {
    return wxFileName::FileExists(path);
}

bool DirExists(const wxString& path) {
    return wxFileName::DirExists(RemoveTrailingSeparators(path));
}

std::size_t ListDirectory(const wxString& directory, wxArrayString& list, ListWhat what) {
    list.clear();
    wxLogNull quiet;  // an unreadable directory would otherwise be reported in a box
    wxDir dir;
    if (!DirExists(directory) || !dir.Open(directory)) {
        return 0;
    }
    const wxString prefix = AppendSeparator(RemoveTrailingSeparators(directory));
    wxString name;
    for (bool more = dir.GetFirst(&name, wxEmptyString, wxDIR_FILES | wxDIR_DIRS); more;
         more = dir.GetNext(&name)) {
        if (name.empty() || name.StartsWith(".")) {
            continue;
        }
        const wxString path = prefix + name;
        if (what == ListWhat::Directories ? DirExists(path) : FileExists(path)) {
            list.push_back(name);
        }
    }
    return list.size();
}

bool MakeDirectories(const wxString& path) {
    const wxString target = RemoveTrailingSeparators(path);
    if (target.empty()) {
        return false;
    }
    if (DirExists(target)) {
        return true;
    }
    // Only local directories are created; drive roots, URLs and network shares are not.
    if (IsDriveRoot(target) || IsUrlName(target) || IsUncName(target)) {
        return false;
    }

    std::vector<wxString> chain{target};
    for (;;) {
        const wxString parent = orlFileName(chain.back()).GetPath();
        if (parent.empty() || parent == chain.back() || IsDriveRoot(parent)) {
            break;
        }
        chain.push_back(parent);
    }

    wxLogNull quiet;  // failures are reported by the result alone
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (DirExists(*it)) {
            continue;
        }
        // The directory may have been made meanwhile by someone else: that is no failure.
        if (!wxMkdir(*it, 0777) && !DirExists(*it)) {
            return false;
        }
    }
    return true;
}

}  // namespace orl
