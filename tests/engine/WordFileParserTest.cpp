#include "engine/WordFileParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(std::string_view bytes) {
    std::string copy(bytes);
    WordFileParser parser(copy.data(), copy.size());
    std::vector<std::string> words;
    std::string_view word;
    while (parser.Next(word)) {
        words.emplace_back(word);
    }
    return words;
}

using Words_ = std::vector<std::string>;

}  // namespace

TEST(WordFileParser, SplitsLinesAndKeepsTheWordBeforeTheSlash) {
    struct Case {
        const char* what;
        std::string bytes;
        Words_ expected;
    };
    const Case cases[] = {
        {"the sample file", "3\nApple/S\nbanana\n\nCherry\r\n", {"apple", "banana", "cherry"}},
        {"any mix of line ends", "a\r\rb\n\r\nc\n\n\rd", {"a", "b", "c", "d"}},
        {"no line end at the end", "first\nlast", {"first", "last"}},
        {"nothing", "", {}},
        {"only line ends", "\r\n\n\r", {}},
        {"spaces and tabs belong to the word", "abc def\n\tx y\t", {"abc def", "\tx y\t"}},
        {"small letters", "MiXeD\nABC", {"mixed", "abc"}},
        {"everything after the slash is ignored", "ok/\xff\x01/more\nnext", {"ok", "next"}},
        {"a line that begins with a slash", "/comment\nword", {"word"}},
        {"words of digits only are skipped", "104334\n0\n2nd\n12a3", {"2nd", "12a3"}},
        {"a byte of 0x80 or above voids its line", "caf\xc3\xa9\nok\n\x80", {"ok"}},
        {"control bytes void their line",
         std::string("nul\0byte\nbell\x07\ndel\x7f\nok", 22),
         {"ok"}},
        {"possessives stay as they are", "Aaron's\nit's", {"aaron's", "it's"}},
        {"the longest word kept", std::string(64, 'x'), {std::string(64, 'x')}},
        {"a longer line is skipped", std::string(65, 'y') + "\nshort", {"short"}},
        {"a long line beyond the slash does not matter", "w/" + std::string(1000, 'z'), {"w"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Words(c.bytes), c.expected);
    }
}

TEST(WordFileParser, AHugeLineEndsWithoutAWordAndTheNextLineStillCounts) {
    std::string bytes(10'000'000, 'a');
    bytes += "\r\nafter";
    EXPECT_EQ(Words(bytes), Words_{"after"});
}
