#include "app/InputLines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Read {
    std::vector<std::string> lines;
    std::string end;  // "end", "too long at N" or "failed"
    bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Read& read) {
    for (const std::string& line : read.lines) {
        out << "[" << line << "] ";
    }
    return out << read.end;
}

// Every line of the bytes, read in pieces of the size given, up to the end or the first fault.
Read ReadAll(const std::string& bytes, std::size_t maxLine, std::size_t piece) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    InputLines input(file, maxLine, piece);
    Read read;
    std::string line;
    for (;;) {
        const InputLines::Result result = input.Next(line);
        if (result == InputLines::Result::Line) {
            read.lines.push_back(line + "#" + std::to_string(input.GetLineNumber()));
            continue;
        }
        read.end = result == InputLines::Result::End ? "end"
                   : result == InputLines::Result::Failed
                       ? "failed"
                       : "too long at " + std::to_string(input.GetLineNumber());
        break;
    }
    std::fclose(file);
    return read;
}

TEST(InputLinesTest, LinesEndAtEveryKindOfLineEndWhereverThePiecesAreCut) {
    struct Case {
        const char* name;
        std::string bytes;
        Read read;
    };
    const Case cases[] = {
        {"nothing", "", {{}, "end"}},
        {"one line without an end", "abc", {{"abc#1"}, "end"}},
        {"LF, CR LF and CR", "a\nb\r\nc\rd", {{"a#1", "b#2", "c#3", "d#4"}, "end"}},
        {"blank lines count", "\n\r\n\r\rx\n", {{"#1", "#2", "#3", "#4", "x#5"}, "end"}},
        {"LF CR is two ends", "a\n\rb", {{"a#1", "#2", "b#3"}, "end"}},
        {"a final CR LF adds no line", "a\r\n", {{"a#1"}, "end"}},
        {"the longest line", "12345\n123456", {{"12345#1"}, "too long at 2"}},
        {"too long without an end", "1234567", {{}, "too long at 1"}},
    };
    for (const Case& c : cases) {
        for (std::size_t piece = 1; piece <= 7; ++piece) {
            SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(piece));
            EXPECT_EQ(ReadAll(c.bytes, 5, piece), c.read);
        }
    }
}

TEST(InputLinesTest, AStreamThatCannotBeReadIsAFailure) {
    std::FILE* file = std::fopen("/dev/null", "w");
    ASSERT_NE(file, nullptr);
    InputLines input(file);
    std::string line;
    EXPECT_EQ(input.Next(line), InputLines::Result::Failed);
    EXPECT_NE(input.GetError(), 0);
    std::fclose(file);
}

}  // namespace
