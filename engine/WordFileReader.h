// Reads a whole word file into memory with one read, refusing what is not a plain file or
// is too large to hold.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <vector>

// True when the whole file was read into bytes. False, without reading, for a file that
// cannot be opened, is not a plain file, or is longer than maxSize bytes; false too when
// fewer bytes could be read than the file's size.
bool ReadWholeFile(const wxString& path, std::vector<char>& bytes,
                   std::uint64_t maxSize = 0xFFFFFFFFull);
