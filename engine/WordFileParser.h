// Splits the bytes of a word file into words. Lines end at any mix of line feeds and carriage
// returns; a word runs from the start of its line to the first slash (the rest of the line
// is ignored). Empty words and words made only of digits (a count on the first line) are
// skipped, and so is a whole line whose word holds a byte that is not printable ASCII or a
// tab, or is longer than the longest word kept. Words come out in small letters: the parser
// lowers them in place, in the caller's buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class WordFileParser {
  public:
    // The longest word a word file can give: anything longer is not a word but noise, and
    // would make every list of counts per length absurdly long.
    static constexpr std::size_t kMaxWordLength = 64;

    WordFileParser(char* data, std::size_t size) : pos(data), end(data + size) {}

    // The next word, pointing into the buffer; false when the bytes are used up.
    bool Next(std::string_view& word);

  private:
    char* pos;
    char* end;
};
