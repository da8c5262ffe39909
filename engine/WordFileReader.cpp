#include "engine/WordFileReader.h"

#include "framework/orlPlainFile.h"

bool ReadWholeFile(const wxString& path, std::vector<char>& bytes, std::uint64_t maxSize) {
    if (orlReadPlainFile(path, maxSize, bytes) == orlPlainFileRead::Complete) {
        return true;
    }
    bytes.clear();
    return false;
}
