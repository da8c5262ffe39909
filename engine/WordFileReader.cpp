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

WordFileReader::WordFileReader(std::size_t pieceSize)
    : m_pieceSize(std::max<std::size_t>(pieceSize, 1)), m_buffer(kSettlingBytes + m_pieceSize) {}

bool WordFileReader::Read(const wxString& path, const WordSink& take) {
    m_carried = 0;
    m_skipping = false;
    orlPlainFile file;
    if (file.Open(path, kMaxFileSize) != orlPlainFileRead::Complete) {
        return false;
    }
    // Never more than the size the file had when it was opened, so that a file that grows
    // while it is read cannot keep the load going.
    std::uint64_t left = file.GetSize();
    while (left > 0) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(left, m_pieceSize));
        char* const piece = m_buffer.data() + m_carried;
        const std::ptrdiff_t got = file.Read(piece, wanted);
        if (got <= 0) {
            return false;  // shrunk while read, or a read error
        }
        left -= static_cast<std::uint64_t>(got);
        char* begin = m_buffer.data();
        char* const end = piece + got;
        if (m_skipping) {
            begin = FindLineEnd(piece, end);
            if (begin == end) {
                continue;
            }
            m_skipping = false;
        }
        SplitLines(begin, end, take);
    }
    // The last line, when the file does not end with a line end.
    m_words.clear();
    AddWords(m_buffer.data(), m_buffer.data() + m_carried, m_words);
    m_carried = 0;
    if (!m_words.empty()) {
        take(m_words);
    }
    return true;
}

void WordFileReader::SplitLines(char* begin, char* end, const WordSink& take) {
    char* lastLine = end;
    while (lastLine != begin && !IsLineEnd(lastLine[-1])) {
        --lastLine;
    }
    m_words.clear();
    AddWords(begin, lastLine, m_words);
    const auto unfinished = static_cast<std::size_t>(end - lastLine);
    if (unfinished > kSettlingBytes) {
        AddWords(lastLine, lastLine + kSettlingBytes, m_words);
        m_skipping = true;
        m_carried = 0;
    } else {
        m_carried = unfinished;
    }
    if (!m_words.empty()) {
        take(m_words);
    }
    if (m_carried != 0) {
        std::memmove(m_buffer.data(), lastLine, m_carried);
    }
}
