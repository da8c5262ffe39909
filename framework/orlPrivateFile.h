// Writing a file that holds secrets (passwords the user saves): it is readable and writable
// by its owner only, and it is written completely or not at all.
#pragma once

#include <wx/string.h>

#include <string_view>

// Writes the bytes to a new file beside `path` (created with permissions 0600 whatever the
// umask), flushes it to the disk and renames it over `path`. When `path` is a symbolic link,
// the file it points to is replaced. False when any step fails: `path` is then left as it was
// and the new file is removed.
bool orlWritePrivateFile(const wxString& path, std::string_view bytes);
