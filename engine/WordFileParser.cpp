#include "engine/WordFileParser.h"

#include <array>

namespace {

// What a byte means to the parser. The classes a word may hold are single bits, so that one
// OR over the word tells whether it had anything but digits, and any capital letters.
enum ByteClass : std::uint8_t {
    kDigit = 0,    // 0 to 9
    kOther = 1,    // any other byte a word may hold
    kCapital = 2,  // A to Z
    kLineEnd = 4,  // line feed or carriage return
    kSlash = 5,    // ends the word; the rest of the line is ignored
    kBad = 6,      // voids the line: bytes of 0x80 and above, and control bytes other than the
                   // tab (a NUL would cut a password short on the clipboard)
};

constexpr std::array<std::uint8_t, 256> kClass = [] {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        if (c == '\n' || c == '\r') {
            table[c] = kLineEnd;
        } else if (c == '/') {
            table[c] = kSlash;
        } else if (c >= '0' && c <= '9') {
            table[c] = kDigit;
        } else if (c >= 'A' && c <= 'Z') {
            table[c] = kCapital;
        } else if ((c >= 0x20 && c < 0x7F) || c == '\t') {
            table[c] = kOther;
        } else {
            table[c] = kBad;
        }
    }
    return table;
}();

std::uint8_t ClassOf(char c) {
    return kClass[static_cast<unsigned char>(c)];
}

}  // namespace

bool WordFileParser::Next(std::string_view& word) {
    while (pos < end) {
        while (pos < end && ClassOf(*pos) == kLineEnd) {
            ++pos;
        }
        char* const start = pos;
        std::uint8_t seen = 0;
        std::uint8_t stop = kLineEnd;
        for (; pos < end; ++pos) {
            const std::uint8_t c = ClassOf(*pos);
            if (c >= kLineEnd) {
                stop = c;
                break;
            }
            seen |= c;
        }
        if (seen & kCapital) {
            for (char* p = start; p < pos; ++p) {
                if (*p >= 'A' && *p <= 'Z') {
                    *p = static_cast<char>(*p + ('a' - 'A'));
                }
            }
        }
        const auto length = static_cast<std::size_t>(pos - start);
        if (stop != kLineEnd) {
            while (pos < end && ClassOf(*pos) != kLineEnd) {
                ++pos;
            }
        }
        if (stop != kBad && length > 0 && length <= kMaxWordLength && seen != kDigit) {
            word = std::string_view(start, length);
            return true;
        }
    }
    return false;
}
