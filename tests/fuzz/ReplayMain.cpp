// Runs a fuzz target over files instead of under the fuzzer: every file named, and every file
// of every directory named (in name order), once each. A failed check stops the run.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "FuzzSupport.h"

namespace {

bool RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    fprintf(stderr, "running %s (%zu bytes)\n", path.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    std::size_t runs = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        std::error_code error;
        if (!std::filesystem::is_directory(named, error)) {
            ok = RunFile(named) && ok;
            ++runs;
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(named, error)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        if (error) {
            fprintf(stderr, "cannot list %s\n", argv[i]);
            ok = false;
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            ok = RunFile(file) && ok;
            ++runs;
        }
    }
    fprintf(stderr, "%zu inputs run\n", runs);
    return ok && runs > 0 ? 0 : 1;
}
