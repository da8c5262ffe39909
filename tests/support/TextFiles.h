// Reading what a program wrote: a whole file as bytes, and a text as its lines.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of the text without their line ends; a last line without one counts too.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace testsupport
