#include "app/InputLines.h"

#include <unistd.h>

#include <cerrno>

InputLines::InputLines(std::FILE* stream, std::size_t lineLimit, std::size_t pieceBytes)
    : in(stream), maxLineBytes(lineLimit), piece(pieceBytes) {}

// Takes what the stream has now (at least a byte, unless it ended) rather than waiting for a
// whole piece, so that lines typed at a terminal are answered as they come.
bool InputLines::Fill() {
    const int fd = fileno(in);
    ssize_t got = -1;
    do {
        got = fd >= 0 ? read(fd, piece.data(), piece.size()) : -1;
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        if (got < 0) {
            error = fd >= 0 ? errno : EBADF;
        }
        return false;
    }
    pos = 0;
    end = static_cast<std::size_t>(got);
    return true;
}

InputLines::Result InputLines::Next(std::string& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (pos == end && !Fill()) {
            if (error != 0) {
                return Result::Failed;
            }
            if (!started) {
                return Result::End;
            }
            ++number;
            return Result::Line;
        }
        if (afterCarriageReturn) {
            afterCarriageReturn = false;
            if (piece[pos] == '\n') {
                ++pos;
                continue;
            }
        }
        started = true;
        std::size_t stop = pos;
        while (stop < end && piece[stop] != '\n' && piece[stop] != '\r') {
            ++stop;
        }
        if (line.size() + (stop - pos) > maxLineBytes) {
            ++number;
            return Result::TooLong;
        }
        line.append(piece.data() + pos, stop - pos);
        pos = stop;
        if (pos < end) {
            afterCarriageReturn = piece[pos] == '\r';
            ++pos;
            ++number;
            return Result::Line;
        }
    }
}
