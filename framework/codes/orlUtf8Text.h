// UTF-8 as the program reads it from outside (standard input) and writes it to the terminal,
// one way everywhere: a well-formed sequence is one character; every other byte (a stray
// continuation byte, a lead byte without its continuation, an overlong form, a surrogate, a
// value beyond U+10FFFF) is read as U+FFFD, one for each byte, and decoding goes on at the next
// byte. Nothing is dropped, so a line never vanishes for one bad byte.
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr wchar_t kReplacementCharacter = 0xFFFD;

// The length of the well-formed sequence at the start of the bytes (1 to 4), or 0 when the
// first byte does not start one.
std::size_t orlUtf8SequenceLength(std::string_view bytes);

// True when every byte belongs to a well-formed sequence.
bool orlIsWellFormedUtf8(std::string_view bytes);

// The text the bytes hold, each byte outside a well-formed sequence as U+FFFD.
wxString orlDecodeUtf8(std::string_view bytes);

// The text in UTF-8; anything that is not a character (a lone surrogate, a value beyond
// U+10FFFF) is written as U+FFFD, so the result is always well-formed and nothing is lost.
std::string orlEncodeUtf8(const wxString& text);
