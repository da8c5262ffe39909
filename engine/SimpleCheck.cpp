#include "engine/SimpleCheck.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cwctype>

namespace simplecheck {

namespace {

// The keyboard texts, each a base sequence written three times so that runs across its end
// are found: the four rows of a Japanese-layout keyboard left to right and top to bottom, the
// three letter rows, and both of these reversed.
constexpr std::array<std::wstring_view, 4> kKeyboardBases = {
    L"1234567890-^\\qwertyuiop@[asdfghjkl;:]zxcvbnm,./\\",
    L"qwertyuiopasdfghjklzxcvbnm",
    L"\\/.,mnbvcxz]:;lkjhgfdsa[@poiuytrewq\\^-0987654321",
    L"mnbvcxzlkjhgfdsapoiuytrewq",
};

// The keyboard texts with, for a quick refusal, the texts in which each pair of neighbouring
// characters occurs: almost every candidate fails on its first pair without a search.
class Keyboard {
  public:
    static const Keyboard& Get() {
        static const Keyboard keyboard;
        return keyboard;
    }

    const std::wstring& Text(std::size_t i) const { return texts[i]; }

    // A bit for each keyboard text in which b follows a (0 when either is no key).
    unsigned Pair(wchar_t a, wchar_t b) const {
        const unsigned ka = Key(a);
        const unsigned kb = Key(b);
        return ka == kNoKey || kb == kNoKey ? 0 : pairs[ka][kb];
    }

  private:
    static constexpr unsigned kNoKey = 0xFF;
    static constexpr std::size_t kMaxKeys = 64;

    Keyboard() {
        keys.fill(kNoKey);
        unsigned count = 0;
        for (std::size_t i = 0; i < kKeyboardBases.size(); ++i) {
            const std::wstring_view base = kKeyboardBases[i];
            texts[i].reserve(3 * base.size());
            for (int copy = 0; copy < 3; ++copy) {
                texts[i] += base;
            }
            for (const wchar_t c : base) {
                if (keys[static_cast<std::size_t>(c)] == kNoKey) {
                    keys[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(count++);
                }
            }
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::wstring& text = texts[i];
            for (std::size_t k = 1; k < text.size(); ++k) {
                pairs[Key(text[k - 1])][Key(text[k])] |= static_cast<std::uint8_t>(1u << i);
            }
        }
    }

    unsigned Key(wchar_t c) const {
        const auto code = static_cast<std::uint32_t>(c);
        return code < keys.size() ? keys[code] : kNoKey;
    }

    std::array<std::wstring, 4> texts;
    std::array<std::uint8_t, 128> keys;  // the index of each key character, by its code
    std::uint8_t pairs[kMaxKeys][kMaxKeys] = {};
};

}  // namespace

std::size_t Normalize(const wchar_t* text, std::size_t length, wchar_t* out) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const wchar_t c = text[i];
        if (!std::iswspace(static_cast<std::wint_t>(c))) {
            out[n++] = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
        }
    }
    return n;
}

std::wstring Normalize(Text text) {
    std::wstring out(text.size(), L'\0');
    out.resize(Normalize(text.data(), text.size(), out.data()));
    return out;
}

std::size_t KeepAlphanumeric(Text text, wchar_t* out) {
    std::size_t n = 0;
    for (const wchar_t c : text) {
        if ((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z')) {
            out[n++] = c;
        }
    }
    return n;
}

bool UndoSubstitutions(Text text, wchar_t* out) {
    bool changed = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        switch (c) {
            case L'@':
                c = L'a';
                break;
            case L'0':
                c = L'o';
                break;
            case L'$':
                c = L's';
                break;
            default:
                break;
        }
        changed = changed || c != text[i];
        out[i] = c;
    }
    return changed;
}

void Reverse(Text text, wchar_t* out) {
    std::reverse_copy(text.begin(), text.end(), out);
}

// See IsRunAt for how a run is followed.
bool IsSequential(Text text) {
    const std::size_t n = text.size();
    if (n < 3) {
        return false;
    }
    for (std::size_t j = 0; j + SequentialRunNeeded(n) <= n; ++j) {
        if (IsRunAt(text, j)) {
            return true;
        }
    }
    return false;
}

// A character counted from its first position is counted in full, so the text is repeated
// exactly when some character is a strict majority: the one left by a majority vote.
bool IsRepeated(Text text) {
    if (text.empty()) {
        return false;
    }
    wchar_t leader = text[0];
    std::size_t votes = 0;
    for (const wchar_t c : text) {
        if (votes == 0) {
            leader = c;
            votes = 1;
        } else if (c == leader) {
            ++votes;
        } else {
            --votes;
        }
    }
    const auto count = static_cast<std::size_t>(std::count(text.begin(), text.end(), leader));
    return count > text.size() / 2;
}

bool ContainsEitherWay(Text a, Text b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    return a.size() > b.size() ? a.find(b) != Text::npos : b.find(a) != Text::npos;
}

bool IsKeyboardRun(Text text) {
    const Keyboard& keyboard = Keyboard::Get();
    unsigned texts = 0xF;
    for (std::size_t k = 1; k < text.size() && texts != 0; ++k) {
        texts &= keyboard.Pair(text[k - 1], text[k]);
    }
    for (std::size_t i = 0; i < kKeyboardBases.size(); ++i) {
        if ((texts & (1u << i)) != 0 && keyboard.Text(i).find(text) != std::wstring::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace simplecheck
