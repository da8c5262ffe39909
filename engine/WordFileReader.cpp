#include "engine/WordFileReader.h"

#include <algorithm>
#include <cstring>

#include "engine/WordFileParser.h"
#include "framework/orlPlainFile.h"

namespace {

// The first bytes of a line settle its word: either a slash, a line end or a byte that voids
// the line comes among them, or the word is longer than any word kept. So an unfinished line
// is never carried over with more than this many bytes; the rest of it is passed over.
constexpr std::size_t kSettlingBytes = WordFileParser::kMaxWordLength + 1;

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The first line end in the bytes, or end when there is none.
char* FindLineEnd(char* begin, char* end) {
    char* const lf = static_cast<char*>(std::memchr(begin, '\n', end - begin));
    char* const limit = lf ? lf : end;
    char* const cr = static_cast<char*>(std::memchr(begin, '\r', limit - begin));
    return cr ? cr : limit;
}

void AddWords(char* begin, char* end, std::vector<std::string_view>& words) {
    WordFileParser parser(begin, static_cast<std::size_t>(end - begin));
    for (std::string_view word; parser.Next(word);) {
        words.push_back(word);
    }
}

}  // namespace

WordFileReader::WordFileReader(std::size_t wantedPieceSize)
    : pieceSize(std::max<std::size_t>(wantedPieceSize, 1)), buffer(kSettlingBytes + pieceSize) {}

bool WordFileReader::Read(const wxString& path, const WordSink& take) {
    carried = 0;
    skipping = false;
    orlPlainFile file;
    if (file.Open(path, kMaxFileSize) != orlPlainFileRead::Complete) {
        return false;
    }
    // Never more than the size the file had when it was opened, so that a file that grows
    // while it is read cannot keep the load going.
    std::uint64_t left = file.GetSize();
    while (left > 0) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(left, pieceSize));
        char* const piece = buffer.data() + carried;
        const std::ptrdiff_t got = file.Read(piece, wanted);
        if (got <= 0) {
            return false;  // shrunk while read, or a read error
        }
        left -= static_cast<std::uint64_t>(got);
        char* begin = buffer.data();
        char* const end = piece + got;
        if (skipping) {
            begin = FindLineEnd(piece, end);
            if (begin == end) {
                continue;
            }
            skipping = false;
        }
        SplitLines(begin, end, take);
    }
    // The last line, when the file does not end with a line end.
    words.clear();
    AddWords(buffer.data(), buffer.data() + carried, words);
    carried = 0;
    if (!words.empty()) {
        take(words);
    }
    return true;
}

void WordFileReader::SplitLines(char* begin, char* end, const WordSink& take) {
    char* lastLine = end;
    while (lastLine != begin && !IsLineEnd(lastLine[-1])) {
        --lastLine;
    }
    words.clear();
    AddWords(begin, lastLine, words);
    const auto unfinished = static_cast<std::size_t>(end - lastLine);
    if (unfinished > kSettlingBytes) {
        AddWords(lastLine, lastLine + kSettlingBytes, words);
        skipping = true;
        carried = 0;
    } else {
        carried = unfinished;
    }
    if (!words.empty()) {
        take(words);
    }
    if (carried != 0) {
        std::memmove(buffer.data(), lastLine, carried);
    }
}
