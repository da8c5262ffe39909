#include "app/InputLines.h"

#include <unistd.h>

#include <cerrno>

InputLines::InputLines(std::FILE* in, std::size_t maxLineBytes, std::size_t pieceBytes)
    : m_in(in), m_maxLineBytes(maxLineBytes), m_piece(pieceBytes) {}

// Takes what the stream has now (at least a byte, unless it ended) rather than waiting for a
// whole piece, so that lines typed at a terminal are answered as they come.
bool InputLines::Fill() {
    const int fd = fileno(m_in);
    ssize_t got = -1;
    do {
        got = fd >= 0 ? read(fd, m_piece.data(), m_piece.size()) : -1;
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        if (got < 0) {
            m_error = fd >= 0 ? errno : EBADF;
        }
        return false;
    }
    m_pos = 0;
    m_end = static_cast<std::size_t>(got);
    return true;
}

InputLines::Result InputLines::Next(std::string& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (m_pos == m_end && !Fill()) {
            if (m_error != 0) {
                return Result::Failed;
            }
            if (!started) {
                return Result::End;
            }
            ++m_number;
            return Result::Line;
        }
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (m_piece[m_pos] == '\n') {
                ++m_pos;
                continue;
            }
        }
        started = true;
        std::size_t stop = m_pos;
        while (stop < m_end && m_piece[stop] != '\n' && m_piece[stop] != '\r') {
            ++stop;
        }
        if (line.size() + (stop - m_pos) > m_maxLineBytes) {
            ++m_number;
            return Result::TooLong;
        }
        line.append(m_piece.data() + m_pos, stop - m_pos);
        m_pos = stop;
        if (m_pos < m_end) {
            m_afterCarriageReturn = m_piece[m_pos] == '\r';
            ++m_pos;
            ++m_number;
            return Result::Line;
        }
    }
}
