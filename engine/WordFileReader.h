// Reads a word file a piece at a time and hands on its words piece by piece, so that what a
// load holds at once is one piece of the file and the start of one line, however large the
// file or its lines are. The words are exactly those WordFileParser finds in the whole file.
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

class WordFileReader {
  public:
    // The bytes read from the file at once.
    static constexpr std::size_t kPieceSize = 64 * 1024;
    // Longer files are refused unread: no word list comes near this size.
    static constexpr std::uint64_t kMaxFileSize = 0xFFFFFFFFull;

    // The words of one piece, in small letters, in the order of the file. They point into
    // the reader's buffer and are valid only during the call.
    using WordSink = std::function<void(const std::vector<std::string_view>& words)>;

    explicit WordFileReader(std::size_t wantedPieceSize = kPieceSize);

    // Hands on the words of the file. True when the whole file was read; false for a file
    // that cannot be opened, is not a plain file, is longer than kMaxFileSize, or gave fewer
    // bytes than its size (the words of the pieces before have been handed on by then).
    bool Read(const wxString& path, const WordSink& take);

  private:
    // Splits the bytes of the buffer from begin to end: the words of the lines that end
    // there go to the sink, and the start of the last, unfinished line is moved to the start
    // of the buffer for the next piece.
    void SplitLines(char* begin, char* end, const WordSink& take);

    std::size_t pieceSize;
    std::vector<char> buffer;
    std::vector<std::string_view> words;
    std::size_t carried = 0;  // bytes of an unfinished line at the start of the buffer
    bool skipping = false;    // passing over the rest of a line whose word is settled
};
