// Reads plain files, never waiting on what stands in a file's place (a pipe, a device) and
// never reading more than the caller can hold: whole into memory with one open, or piece by
// piece through an open orlPlainFile.
#pragma once

#include <wx/string.h>

#include <cstddef>
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

// One plain file open for reading, closed when the object goes.
class orlPlainFile {
  public:
    orlPlainFile() = default;
    ~orlPlainFile();
    orlPlainFile(const orlPlainFile&) = delete;
    orlPlainFile& operator=(const orlPlainFile&) = delete;

    // Unopened or Refused as for orlReadPlainFile; Complete when the file is open.
    orlPlainFileRead Open(const wxString& path, std::uint64_t maxSize);
    // The size the file had when it was opened.
    std::uint64_t GetSize() const { return size; }
    // Reads up to wanted bytes: the number read, 0 at the end of the file, -1 on an error.
    std::ptrdiff_t Read(char* to, std::size_t wanted);

  private:
    int fd = -1;
    std::uint64_t size = 0;
};
