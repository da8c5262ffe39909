// What others see of a running process under /proc.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

// The soft and hard core size limits of the process ("0 0", "0 unlimited"); empty when the
// process is gone.
inline std::string CoreLimitOf(pid_t pid) {
    const std::string label = "Max core file size";
    std::ifstream limits("/proc/" + std::to_string(pid) + "/limits");
    for (std::string line; std::getline(limits, line);) {
        if (line.rfind(label, 0) == 0) {
            std::istringstream words(line.substr(label.size()));
            std::string soft, hard;
            words >> soft >> hard;
            return soft + " " + hard;
        }
    }
    return {};
}

// The owner of the process's private files under /proc: user 0 when the process is not
// dumpable, whoever runs it; -1 when the process is gone.
inline long ProcOwnerOf(pid_t pid) {
    struct stat info {};
    const std::string path = "/proc/" + std::to_string(pid) + "/environ";
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_uid) : -1;
}

}  // namespace testsupport
