// The lines of a stream, read in pieces of at most a fixed size (whatever has arrived, without
// waiting for more), so that memory does not grow with the number of lines and no line can take
// more than a set number of bytes. A line ends at a line feed, a carriage return, or a carriage
// return and line feed together; the last line needs no end.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

class InputLines {
  public:
    // Longer lines are not candidate passwords but a mistake (a binary file, /dev/zero).
    static constexpr std::size_t kMaxLineBytes = 1024 * 1024;

    enum class Result {
        Line,     // the next line, without its end
        TooLong,  // the next line has more than the most bytes; reading stops there
        End,      // no more lines
        Failed,   // the stream could not be read (GetError says why)
    };

    explicit InputLines(std::FILE* stream, std::size_t lineLimit = kMaxLineBytes,
                        std::size_t pieceBytes = 64 * 1024);

    Result Next(std::string& line);

    // The number of the line last returned or found too long, from 1; blank lines count.
    unsigned long long GetLineNumber() const { return number; }
    // The system's error number after Failed.
    int GetError() const { return error; }

  private:
    bool Fill();

    std::FILE* in;
    std::size_t maxLineBytes;
    std::vector<char> piece;
    std::size_t pos = 0;
    std::size_t end = 0;
    bool afterCarriageReturn = false;  // a line feed next belongs to the last line's end
    unsigned long long number = 0;
    int error = 0;
};
