// The simple-password check and the check of the settings before generating.
#include <wx/intl.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>

#include "engine/Dictionary.h"
#include "engine/IdentityNames.h"
#include "engine/PasswordGenerator.h"
#include "engine/SimpleCheck.h"

namespace {

using simplecheck::Text;

static_assert(std::is_same_v<wxStringCharType, wchar_t>,
              "the check reads the toolkit's strings as wide characters in place");

// Room for the normalised password, one other form of it and the reverse of either: on the
// stack for passwords of any ordinary length, on the heap beyond that.
class WorkSpace {
  public:
    explicit WorkSpace(std::size_t passwordLength) : length(passwordLength) {
        if (3 * passwordLength <= kInline) {
            data = inlineRoom;
        } else {
            heap = std::make_unique<wchar_t[]>(3 * passwordLength);
            data = heap.get();
        }
    }
    WorkSpace(const WorkSpace&) = delete;
    WorkSpace& operator=(const WorkSpace&) = delete;

    wchar_t* Normalized() { return data; }
    wchar_t* Form() { return data + length; }
    wchar_t* Reversed() { return data + 2 * length; }

  private:
    static constexpr std::size_t kInline = 3 * 128;
    std::size_t length;
    wchar_t* data;
    std::unique_ptr<wchar_t[]> heap;
    wchar_t inlineRoom[kInline];
};

// The checks of the candidates made from the forms of one password. A candidate is a range of
// a form or of its reverse, so none of them is copied. What the candidates of a form share is
// worked out once for the form, so that most checks of most candidates are refused at once;
// a check that is not refused runs in full, so the verdicts are those of the full checks.
class CandidateChecks {
  public:
    CandidateChecks(const Dictionary& givenDictionary, wchar_t* reverseRoom)
        : dictionary(givenDictionary), reversed(reverseRoom) {}

    // The code of the first simple candidate of t, else 0 (kPassed). The candidates, in
    // order: t and its reverse; then, from 4 characters on, t without its first and without
    // its last character and the reverse without its first and without its last; then, from
    // 5 characters on, t and its reverse without both ends.
    int CheckVariants(Text t) {
        const std::size_t n = t.size();
        simplecheck::Reverse(t, reversed);
        text = t;
        reverse = Text(reversed, n);
        Survey();

        // A reversed candidate holds the same characters as one checked before it, which was
        // not found repeated, so it is not counted again.
        const Candidate candidates[] = {
            {false, 0, n, true},     {true, 0, n, false},     {false, 1, n - 1, true},
            {false, 0, n - 1, true}, {true, 1, n - 1, false}, {true, 0, n - 1, false},
            {false, 1, n - 2, true}, {true, 1, n - 2, false},
        };
        const std::size_t count = n < 4 ? 2 : (n < 5 ? 6 : 8);
        for (std::size_t i = 0; i < count; ++i) {
            if (const int code = Check(candidates[i]); code != 0) {
                return code;
            }
        }
        return PasswordGenerator::kPassed;
    }

  private:
    struct Candidate {
        bool reversed;
        std::size_t start;
        std::size_t length;
        bool countRepeats;
    };

    int Check(const Candidate& candidate) {
        const Text c =
            (candidate.reversed ? reverse : text).substr(candidate.start, candidate.length);
        if (IsSequential(candidate, c)) {
            return PasswordGenerator::kSequential;
        }
        if (candidate.countRepeats && IsRepeated(c)) {
            return PasswordGenerator::kRepeated;
        }
        if (IsUserName(c)) {
            return PasswordGenerator::kUserName;
        }
        if (IsHostName(c)) {
            return PasswordGenerator::kHostName;
        }
        if (simplecheck::IsKeyboardRun(c)) {
            return PasswordGenerator::kKeyboardRun;
        }
        if (IsWord(c)) {
            return PasswordGenerator::kDictionaryWord;
        }
        return PasswordGenerator::kPassed;
    }

    // What the candidates of the form share: the characters it holds (as a mask), whether
    // they are all ASCII, and, for a form that fits in 64 bits of them, which neighbours of
    // t have codes no more than 2 apart (bit i: t[i] and t[i + 1]; read the other way, the
    // same pairs are the neighbours of the reverse). A run can only start at such a pair.
    void Survey() {
        const std::size_t n = text.size();
        mask = simplecheck::CharacterMask(text);
        distinct = static_cast<std::size_t>(std::popcount(mask));
        ascii = std::all_of(text.begin(), text.end(),
                            [](wchar_t c) { return static_cast<std::uint32_t>(c) < 0x80; });
        indexed = n <= 64;
        smallSteps = 0;
        if (indexed) {
            for (std::size_t i = 0; i + 1 < n; ++i) {
                if (simplecheck::IsSmallStep(text[i], text[i + 1])) {
                    smallSteps |= std::uint64_t{1} << i;
                }
            }
        }
    }

    // Tries a run only where one can start.
    bool IsSequential(const Candidate& candidate, Text c) const {
        if (!indexed) {
            return simplecheck::IsSequential(c);
        }
        const std::size_t length = candidate.length;
        if (length < 3) {
            return false;
        }
        // The starts 0 to last of the candidate lie on the pairs first to first + last of t.
        const std::size_t last = length - simplecheck::SequentialRunNeeded(length);
        const std::size_t first =
            candidate.reversed ? text.size() - 2 - candidate.start - last : candidate.start;
        std::uint64_t pairs = smallSteps >> first;
        if (last + 1 < 64) {
            pairs &= (std::uint64_t{1} << (last + 1)) - 1;
        }
        for (; pairs != 0; pairs &= pairs - 1) {
            const auto offset = static_cast<std::size_t>(std::countr_zero(pairs));
            if (simplecheck::IsRunAt(c, candidate.reversed ? last - offset : offset)) {
                return true;
            }
        }
        return false;
    }

    // A character that fills more than half of c leaves room for at most length - length / 2
    // different characters, and c holds at least as many as the form, less those it drops.
    bool IsRepeated(Text c) const {
        const std::size_t length = c.size();
        const std::size_t dropped = text.size() - length;
        if (distinct > length - length / 2 + dropped) {
            return false;
        }
        return simplecheck::IsRepeated(c);
    }

    // Names of one or two characters are too short to tell anything. A name that needs a
    // character the form lacks does not occur in any candidate.
    bool NameMatches(const std::wstring& name, std::uint64_t nameMask, Text c) const {
        if (name.size() <= 2) {
            return false;
        }
        if (name.size() <= c.size() && (nameMask & ~mask) != 0) {
            return false;
        }
        return simplecheck::ContainsEitherWay(name, c);
    }

    bool Matches(const identitynames::Names& names, Text c) const {
        return NameMatches(names.first, names.firstMask, c) ||
               NameMatches(names.second, names.secondMask, c);
    }

    bool IsUserName(Text c) {
        if (!user) {
            user = &identitynames::UserNames();
        }
        return Matches(*user, c);
    }

    bool IsHostName(Text c) {
        if (!host) {
            host = &identitynames::HostNames();
        }
        return Matches(*host, c);
    }

    // The words are ASCII and of known lengths; only a candidate that could be one is handed
    // to the dictionary, in a string kept for the purpose so that no lookup allocates.
    bool IsWord(Text c) const {
        if (c.size() < dictionary.GetMinLength() || c.size() > dictionary.GetMaxLength()) {
            return false;
        }
        if (!ascii && std::any_of(c.begin(), c.end(), [](wchar_t ch) {
                return static_cast<std::uint32_t>(ch) >= 0x80;
            })) {
            return false;
        }
        thread_local wxString word;
        word.assign(c.data(), c.size());
        return dictionary.Contains(word);
    }

    const Dictionary& dictionary;
    wchar_t* reversed;
    Text text;
    Text reverse;
    std::uint64_t mask = 0;
    std::size_t distinct = 0;
    bool ascii = false;
    bool indexed = false;
    std::uint64_t smallSteps = 0;
    const identitynames::Names* user = nullptr;
    const identitynames::Names* host = nullptr;
};

// The code of the password; the password is simple when the code is negative.
int Judge(const wxString& password, int level, const GenerationSettings& settings,
          const Dictionary& dictionary) {
    const std::size_t length = password.length();
    if (length == 0) {
        return PasswordGenerator::kTooShort;
    }
    if (length < 3) {
        return PasswordGenerator::kOffTheSubject;
    }

    WorkSpace space(length);
    const std::size_t n = simplecheck::Normalize(password.wx_str(), length, space.Normalized());
    if (n < 3) {
        return PasswordGenerator::kTooShort;
    }
    const Text t(space.Normalized(), n);
    CandidateChecks checks(dictionary, space.Reversed());
    if (int code = checks.CheckVariants(t); code != 0) {
        return code;
    }

    if ((level != 0 ? level : settings.StrengthCheckLevel) <= 1) {
        return PasswordGenerator::kPassed;
    }
    // A form is checked only when it differs from t; the letters-and-digits form also needs
    // three characters (the other keeps the length of t).
    wchar_t* form = space.Form();
    const std::size_t alphanumeric = simplecheck::KeepAlphanumeric(t, form);
    if (alphanumeric > 2 && alphanumeric != n) {
        if (int code = checks.CheckVariants(Text(form, alphanumeric)); code != 0) {
            return code;
        }
    }
    if (simplecheck::UndoSubstitutions(t, form)) {
        return checks.CheckVariants(Text(form, n));
    }
    return PasswordGenerator::kPassed;
}

}  // namespace

bool PasswordGenerator::IsSimplePassword(const wxString& password, int* code, int level) const {
    const int result = Judge(password, level, *settings, *dictionary);
    if (code) {
        *code = result;
    }
    return result < 0;
}

wxString PasswordGenerator::GetResultText(int code) {
    switch (code) {
        case kOffTheSubject:
            return _("OK (Off the subject)");
        case kPassed:
            return _("OK");
        case kTooShort:
            return _("Too short");
        case kSequential:
            return _("There is a sequential number");
        case kRepeated:
            return _("The same character is repeatedly used");
        case kUserName:
            return _("The user name is used");
        case kHostName:
            return _("The host name is used");
        case kKeyboardRun:
            return _("QWERTY array is used");
        case kDictionaryWord:
            return _("The dictionary word is used");
        default:
            return _("?????");
    }
}

bool PasswordGenerator::CheckSetting(GenerationReporter& reporter) const {
    const GenerationSettings& current = *settings;
    if (current.Standard) {
        return true;
    }
    const UseCharArray& list = current.CombinationUseChar;
    const auto drawsWords = [](const UseChar& record) {
        return !record.Fixed && record.Dictionary;
    };

    // The dictionary is asked only when an item draws words, so that a list without any
    // never has it read.
    for (std::size_t i = 0; i < list.GetCount(); ++i) {
        if (drawsWords(list[i]) && dictionary->IsEmpty()) {
            reporter.ShowError(_("The dictionary cannot be used.\nPlease reconsider the setting"));
            return false;
        }
    }
    // The generator does not check dictionary elements, so every password would be a bare
    // word.
    if (current.DeterSimplePassword && list.GetCount() == 1 && drawsWords(list[0])) {
        reporter.ShowError(
            _("A simple password only of the dictionary word is generated.\nPlease reconsider the "
              "setting"));
        return false;
    }
    return true;
}
