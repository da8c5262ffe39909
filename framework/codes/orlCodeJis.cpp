#include "framework/codes/orlCodeJis.h"

#include <cstring>

#include "framework/codes/orlCodeTables.h"
#include "framework/codes/orlJisCodes.h"

namespace {

enum class State {
    Ascii,
    Roman,  // JIS X 0201 Roman
    Katakana,
    Jis0208,
    Jis1978,  // JIS C 6226-1978
    Jis0212,
    Jis0213Plane1,
    Jis0213Plane2,
    Jis0213Plane1Of2004,  // no table: every pair fails
};

struct Designation {
    const char* bytes;
    std::size_t length;
    State state;
};

// Tried in this order when decoding; the first that matches is taken.
const Designation kDesignations[] = {
    {"\x1B(J", 3, State::Roman},          {"\x1B(I", 3, State::Katakana},
    {"\x1B(H", 3, State::Roman},          {"\x1B(B", 3, State::Ascii},
    {"\x1B&@\x1B$B", 6, State::Jis0208},  {"\x1B$B", 3, State::Jis0208},
    {"\x1B$@", 3, State::Jis1978},        {"\x1B$(Q", 4, State::Jis0213Plane1Of2004},
    {"\x1B$(P", 4, State::Jis0213Plane2}, {"\x1B$(O", 4, State::Jis0213Plane1},
    {"\x1B$(D", 4, State::Jis0212},
};

// The sequence the encoder writes to enter a state.
const char* EncoderDesignation(State state) {
    switch (state) {
        case State::Ascii:
            return "\x1B(B";
        case State::Katakana:
            return "\x1B(I";
        case State::Jis0208:
            return "\x1B$B";
        case State::Jis0212:
            return "\x1B$(D";
        case State::Jis0213Plane1:
            return "\x1B$(O";
        case State::Jis0213Plane2:
            return "\x1B$(P";
        default:
            return "";
    }
}

// The character of a two-byte code in a two-byte state, or 0 when it is not mapped. Plane 1
// of JIS X 0213 holds all of JIS X 0208; only what it adds has a table of its own.
std::uint16_t DecodePair(State state, std::uint16_t code) {
    switch (state) {
        case State::Jis0208:
            return orlCodeTables::Jis0208ToUnicode(code);
        case State::Jis1978:
            return orlCodeTables::Jis0208ToUnicode(orlCodeTables::Jis1978To1983(code));
        case State::Jis0212:
            return orlCodeTables::Jis0212ToUnicode(code);
        case State::Jis0213Plane1:
            if (const std::uint16_t unit = orlCodeTables::Jis0213Plane1ToUnicode(code)) {
                return unit;
            }
            return orlCodeTables::Jis0208ToUnicode(code);
        case State::Jis0213Plane2:
            return orlCodeTables::Jis0213Plane2ToUnicode(code);
        default:
            return 0;
    }
}

bool IsSingleByteState(State state) {
    return state == State::Ascii || state == State::Roman || state == State::Katakana;
}

// The character of one byte in a single-byte state, or 0 when the byte is not valid there.
std::uint16_t DecodeSingle(State state, std::uint8_t b) {
    if (b >= 0xA1 && b <= 0xDF) {
        return orlJis::KatakanaUnit(b & 0x7F);
    }
    if (state == State::Katakana && b >= 0x21 && b <= 0x5F) {
        return orlJis::KatakanaUnit(b);
    }
    if (b >= 0x01 && b <= 0x7F) {
        return b;
    }
    return 0;
}

}  // namespace

bool orlCodeJis::Encode(const wxString& text, orlByteBuffer& bytes) const {
    const std::vector<std::uint16_t> units = orlText::ToUtf16(text);
    bytes.Start(units.size() * 2 + 1);
    bool valid = true;
    State current = State::Ascii;
    for (const std::uint16_t u : units) {
        State state;
        std::uint16_t value;
        if (const std::uint8_t ascii = orlText::AsciiByte(u)) {
            state = State::Ascii;
            value = ascii;
        } else if (orlJis::IsHalfWidthKatakana(u)) {
            state = State::Katakana;
            value = orlJis::KatakanaValue(u);
        } else if ((value = orlCodeTables::UnicodeToJis0208(u)) != 0) {
            state = State::Jis0208;
        } else if ((value = orlCodeTables::UnicodeToJis0212(u)) != 0) {
            state = State::Jis0212;
        } else if ((value = orlCodeTables::UnicodeToJis0213Plane1(u)) != 0) {
            state = State::Jis0213Plane1;
        } else if ((value = orlCodeTables::UnicodeToJis0213Plane2(u)) != 0) {
            state = State::Jis0213Plane2;
        } else {
            valid = false;
            bytes.AppendRaw(u);
            continue;
        }
        if (state != current) {
            for (const char* p = EncoderDesignation(state); *p; ++p) {
                bytes.Append(static_cast<std::uint8_t>(*p));
            }
            current = state;
        }
        bytes.AppendRaw(value);
    }
    if (current != State::Ascii) {
        for (const char* p = EncoderDesignation(State::Ascii); *p; ++p) {
            bytes.Append(static_cast<std::uint8_t>(*p));
        }
    }
    return valid;
}

bool orlCodeJis::Decode(const std::uint8_t* data, std::size_t length, wxString& text) const {
    orlText::StartDecoding(text, length, length);
    bool valid = true;
    State state = State::Ascii;
    for (std::size_t i = 0; i < length;) {
        if (data[i] == 0x1B) {
            const Designation* found = nullptr;
            for (const Designation& d : kDesignations) {
                if (length - i >= d.length && std::memcmp(data + i, d.bytes, d.length) == 0) {
                    found = &d;
                    break;
                }
            }
            if (found) {
                state = found->state;
                i += found->length;
                continue;
            }
        }
        if (IsSingleByteState(state)) {
            if (const std::uint16_t unit = DecodeSingle(state, data[i])) {
                orlText::Append(text, unit);
            } else {
                valid = false;
                orlText::Append(text, data[i]);
            }
            ++i;
            continue;
        }
        const std::uint16_t unit =
            i + 1 < length
                ? DecodePair(state, static_cast<std::uint16_t>(data[i] << 8 | data[i + 1]))
                : 0;
        if (unit != 0) {
            orlText::Append(text, unit);
            i += 2;
        } else {
            valid = false;
            orlText::Append(text, data[i]);
            ++i;
        }
    }
    return valid;
}
