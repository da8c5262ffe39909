#include "app/WindowProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr char kWindowProgram[] = "tessarin-window";

// Beside the program file as the kernel knows it (links resolved), else beside the name it
// was started by.
std::string WindowProgramPath(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !self.is_absolute()) {
        self = argv0 != nullptr ? argv0 : "";
    }
    return (self.parent_path() / kWindowProgram).string();
}

}  // namespace

int StartWindowProgram(char** argv, std::FILE* err) {
    const std::string path = WindowProgramPath(argv[0]);
    execv(path.c_str(), argv);
    std::fprintf(err, "tessarin: the window program %s could not be started: %s\n", path.c_str(),
                 std::strerror(errno));
    return 1;
}
