#include "engine/SymbolStrings.h"

#include <bitset>

wxString FilterCharacters(const wxString& text) {
    std::bitset<128> seen;
    wxString result;
    for (const wxUniChar c : text) {
        const auto code = static_cast<wxUint32>(c.GetValue());
        if (code < 32 || code > 126 || seen[code]) {
            continue;
        }
        seen[code] = true;
        result += c;
    }
    return result;
}

const wxString& GetDefaultSymbolString() {
    static const wxString symbols = [] {
        wxString s;
        for (int code = 33; code <= 126; ++code) {
            const bool letterOrDigit = (code >= '0' && code <= '9') ||
                                       (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
            if (!letterOrDigit) {
                s += wxUniChar(code);
            }
        }
        return s;
    }();
    return symbols;
}

bool IsDefaultSymbolString(const wxString& text) {
    return text == GetDefaultSymbolString();
}

void AddSymbolHistory(wxArrayString& history, const wxString& text, bool atFront) {
    const wxString s = FilterCharacters(text);
    if (s.empty() || IsDefaultSymbolString(s)) {
        return;
    }

    wxArrayString updated;
    std::size_t limit = 8;
    if (atFront) {
        updated.Add(s);
        limit = 9;
    }
    for (const wxString& old : history) {
        if (updated.size() >= limit) {
            break;
        }
        const wxString entry = FilterCharacters(old);
        // An entry that filters to nothing would offer an empty symbol string: drop it.
        if (!entry.empty() && entry != s) {
            updated.Add(entry);
        }
    }
    if (!atFront) {
        updated.Add(s);
    }
    history = updated;
}
