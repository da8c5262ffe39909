// Reads a whole plain file into memory with one open, never waiting on what stands in a
// file's place (a pipe, a device) and never reading more than the caller can hold.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <vector>

enum class orlPlainFileRead {
    Unopened,    // the file cannot be opened: missing, or not readable by this user
    Refused,     // not a plain file, or longer than the caller's limit; nothing was read
    Incomplete,  // fewer bytes could be read than the file's size; bytes holds those read
    Complete,    // bytes holds the whole file
};

orlPlainFileRead orlReadPlainFile(const wxString& path, std::uint64_t maxSize,
                                  std::vector<char>& bytes);
