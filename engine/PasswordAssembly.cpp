// Whole passwords: elements from records, passwords from the settings, and batches.
#include <string_view>
#include <unordered_set>

#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "engine/PossiblePasswords.h"

namespace {

// Random elements judged simple are made again, this many times at most.
constexpr int kMaxAttempts = 100;
// A duplicate in a batch is made again, this many times at most per position.
constexpr int kMaxDuplicateRetries = 100000;

struct WxStringHash {
    std::size_t operator()(const wxString& s) const {
        return std::hash<std::wstring_view>()(std::wstring_view(s.wc_str(), s.length()));
    }
};

}  // namespace

wxString PasswordGenerator::MakeElement(const UseChar& record) {
    if (record.Fixed) {
        return record.FixedString;
    }
    if (record.Dictionary) {
        // The range is read in either order, and lengths below 1 hold no words.
        const auto a = static_cast<std::uint32_t>(std::max(record.DictionaryMin, 1));
        const auto b = static_cast<std::uint32_t>(std::max(record.DictionaryMax, 1));
        const std::uint32_t count = dictionary->CountWords(a, b);
        if (count == 0) {
            return wxString();
        }
        return dictionary->GetWord(std::min(a, b), GetRandom(count - 1));
    }
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        const wxString result = MakeRandomElement(record, settings->Pools);
        if (result.empty() || !settings->DeterSimplePassword ||
            !IsSimplePassword(result, nullptr, settings->StrengthCheckLevel)) {
            return result;
        }
    }
    return wxString();
}

wxString PasswordGenerator::MakePassword() {
    if (settings->Standard) {
        return MakeElement(settings->StandardUseChar);
    }
    wxString password;
    const UseCharArray& list = settings->CombinationUseChar;
    for (std::size_t i = 0; i < list.GetCount(); ++i) {
        const wxString element = MakeElement(list[i]);
        if (element.empty()) {
            return wxString();
        }
        password += element;
    }
    return password;
}

bool PasswordGenerator::MakePasswords(wxArrayString& batch, std::uint32_t count) {
    batch.clear();
    const bool different = !settings->PermitDuplication;
    if (different && CountPossiblePasswords(*settings, *dictionary) < count) {
        return false;  // no amount of trying makes that many different passwords
    }
    const auto giveUpAt =
        different ? clock() + kBatchTimeLimit : std::chrono::steady_clock::time_point::max();
    batch.reserve(count);
    // The passwords so far, to tell a duplicate at once rather than by scanning the batch.
    std::unordered_set<wxString, WxStringHash> made;
    for (std::uint32_t position = 0; position < count; ++position) {
        for (int retries = 0;; ++retries) {
            const wxString password = MakePassword();
            if (password.empty()) {
                return false;
            }
            if (!different || made.insert(password).second) {
                batch.Add(password);
                break;
            }
            if (retries == kMaxDuplicateRetries || clock() >= giveUpAt) {
                return false;
            }
        }
    }
    return true;
}

bool PasswordGenerator::ContainsPassword(const wxArrayString& batch, const wxString& text) {
    for (const wxString& password : batch) {
        if (password == text) {
            return true;
        }
    }
    return false;
}
