#include "framework/codes/orlUtf8Text.h"

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void Append(std::string& bytes, char32_t code) {
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::size_t orlUtf8SequenceLength(std::string_view bytes) {
    if (bytes.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return 1;
    }
    // The second byte's range depends on the lead, which rules out overlong forms, surrogates
    // and values beyond U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(bytes[1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(bytes[i]))) {
            return 0;
        }
    }
    return length;
}

bool orlIsWellFormedUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = orlUtf8SequenceLength(bytes);
        if (length == 0) {
            return false;
        }
        bytes.remove_prefix(length);
    }
    return true;
}

wxString orlDecodeUtf8(std::string_view bytes) {
    wxString text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = orlUtf8SequenceLength(bytes);
        if (length == 0) {
            text += kReplacementCharacter;
            bytes.remove_prefix(1);
            continue;
        }
        auto code = static_cast<char32_t>(static_cast<unsigned char>(bytes[0]));
        if (length > 1) {
            code &= 0x7F >> length;
            for (std::size_t i = 1; i < length; ++i) {
                code = (code << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
            }
        }
        text += wxUniChar(static_cast<wxUint32>(code));
        bytes.remove_prefix(length);
    }
    return text;
}

std::string orlEncodeUtf8(const wxString& text) {
    std::string bytes;
    bytes.reserve(text.length());
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        auto code = static_cast<char32_t>(static_cast<wxUint32>((*it).GetValue()));
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            code = kReplacementCharacter;
        }
        Append(bytes, code);
    }
    return bytes;
}
