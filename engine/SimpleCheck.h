// The text tests behind the simple-password check. They read views of wide characters (one
// character each on this platform) so that checking the many candidates of a password
// allocates nothing; every one finishes in time linear in the length of what it reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace simplecheck {

using Text = std::wstring_view;

// Writes the characters of the text that are not white space (as iswspace says) to out, each
// in its small-letter form (towlower), and returns how many it wrote: at most length.
std::size_t Normalize(const wchar_t* text, std::size_t length, wchar_t* out);
std::wstring Normalize(Text text);

// Writes only the ASCII letters and digits of the text to out; returns how many.
std::size_t KeepAlphanumeric(Text text, wchar_t* out);

// Writes the text to out with "@" read as "a", "0" as "o" and "$" as "s"; true when some
// character was replaced.
bool UndoSubstitutions(Text text, wchar_t* out);

// Writes the characters of the text to out in reverse order.
void Reverse(Text text, wchar_t* out);

// A run of characters whose codes go up or down by a constant step of -2 to 2 (0 included):
// all of a text of 3 or 4 characters, 4 of 5 characters, else 5. Going up, digits continue
// from 9 to 0 and letters from z to a (after the first step).
bool IsSequential(Text text);

// The length of run that makes a text of this length sequential.
inline std::size_t SequentialRunNeeded(std::size_t length) {
    return length <= 4 ? length : (length == 5 ? 4 : 5);
}

inline std::int64_t CodeOf(wchar_t c) {
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(c));
}

// True when a run can start with this step: the codes differ by at most 2.
inline bool IsSmallStep(wchar_t from, wchar_t to) {
    const std::int64_t step = CodeOf(to) - CodeOf(from);
    return step >= -2 && step <= 2;
}

// The size of the cycle both characters belong to (digits, capitals, small letters), else 0.
inline std::int64_t WrapSize(wchar_t a, wchar_t b) {
    if (a >= L'0' && a <= L'9' && b >= L'0' && b <= L'9') {
        return 10;
    }
    if ((a >= L'A' && a <= L'Z' && b >= L'A' && b <= L'Z') ||
        (a >= L'a' && a <= L'z' && b >= L'a' && b <= L'z')) {
        return 26;
    }
    return 0;
}

// True when the run that starts at this position of the text is long enough.
//
// The run from a start position is looked at in two passes, going up and going down. In both
// the first step is the plain difference of the codes. Going up, a later step between two
// digits or two letters of the same case whose code drops counts across the wrap (9 to 0 and
// z to a are +1); going down the difference stays plain, so a run down ends where the codes
// wrap (0 to 9, a to z). That is a choice, and not only of the code reported: the reverse of
// a run down that ends in a wrap starts with the wrap, which no first step crosses, so
// continuing down across the wrap would make texts such as "kq32109m" simple that are not
// simple read either way.
//
// Only one pass can grow a given run: a run whose first step is 1 or 2 can only continue
// through the adjusted differences of the pass up, one whose first step is -1 or -2 only
// through the plain ones of the pass down, and for a first step of 0 both passes agree. So
// each run is followed once, with the wrap counted only when its step is positive, and no
// further than the length needed.
inline bool IsRunAt(Text text, std::size_t start) {
    const std::size_t n = text.size();
    const std::size_t need = SequentialRunNeeded(n);
    if (n < 3 || start + need > n) {
        return false;
    }
    const std::int64_t step = CodeOf(text[start + 1]) - CodeOf(text[start]);
    if (step < -2 || step > 2) {
        return false;
    }
    for (std::size_t length = 2; length < need; ++length) {
        const wchar_t from = text[start + length - 1];
        const wchar_t to = text[start + length];
        std::int64_t d = CodeOf(to) - CodeOf(from);
        if (step > 0 && d < 0) {
            d += WrapSize(from, to);
        }
        if (d != step) {
            return false;
        }
    }
    return true;
}

// One character makes up more than half of the text (rounded down).
bool IsRepeated(Text text);

// A bit for each character of the text: bit (code mod 64). Texts whose masks differ hold
// different characters; the number of bits set is at most the number of different characters.
inline std::uint64_t CharacterMask(Text text) {
    std::uint64_t mask = 0;
    for (const wchar_t c : text) {
        mask |= std::uint64_t{1} << (static_cast<std::uint32_t>(c) & 63);
    }
    return mask;
}

// Neither is empty and the shorter occurs in the longer (equal lengths: they are equal).
bool ContainsEitherWay(Text a, Text b);

// The text occurs in a row of neighbouring keys of the keyboard, either way, also running on
// from the end of the last row to the start of the first.
bool IsKeyboardRun(Text text);

}  // namespace simplecheck
