// Shared pieces of the fuzz targets: a check that stops the run with a message (under the fuzzer
// and in the corpus replay alike), the start of the toolkit, and a scratch file for targets
// whose code reads files.
#pragma once

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>
#include <wx/init.h>

#include <cstddef>
#include <cstdint>
#include <string>

#define FUZZ_CHECK(condition)                                                             \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                                      \
        }                                                                                 \
    } while (false)

namespace fuzzsupport {

// Starts the toolkit's base (strings, conversions, logging) once for the whole run.
inline void StartToolkit() {
    static wxInitializer toolkit;
    FUZZ_CHECK(toolkit.IsOk());
}

// A file of its own in the temporary directory, rewritten for every input and removed at exit.
class ScratchFile {
  public:
    explicit ScratchFile(const char* suffix) {
        const char* dir = getenv("TMPDIR");
        path = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/tessarin-fuzz-" +
               std::to_string(getpid()) + suffix;
    }
    ~ScratchFile() { unlink(path.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the file's contents with the bytes.
    void Write(const std::uint8_t* data, std::size_t size) const {
        FILE* file = fopen(path.c_str(), "wb");
        FUZZ_CHECK(file != nullptr);
        FUZZ_CHECK(size == 0 || fwrite(data, 1, size, file) == size);
        FUZZ_CHECK(fclose(file) == 0);
    }
    const std::string& Path() const { return path; }

  private:
    std::string path;
};

}  // namespace fuzzsupport

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
