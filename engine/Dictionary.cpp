#include "engine/Dictionary.h"

#include <algorithm>
#include <string>

#include "engine/WordFileParser.h"
#include "engine/WordFileReader.h"
#include "engine/WordFileWalk.h"

Dictionary::Dictionary() = default;
Dictionary::~Dictionary() = default;

Dictionary& Dictionary::Get() {
    static Dictionary dictionary;
    return dictionary;
}

bool Dictionary::Load(const wxString& directoryPath) {
    const wxString path = directoryPath;  // the argument may be the directory member itself
    Clear();
    directory = path;
    const bool loaded = LoadDirectory(path);
    for (const auto& set : sets) {
        if (set) {
            set->ShrinkToFit();
        }
    }
    return loaded;
}

void Dictionary::LoadWhenUsed(const wxString& directoryPath) {
    Clear();
    directory = directoryPath;
    waiting = true;
}

void Dictionary::Clear() {
    waiting = false;
    directory.clear();
    files.clear();
    sets.clear();
    minLength = 0;
    maxLength = 0;
}

bool Dictionary::LoadDirectory(const wxString& directoryPath) {
    LoadIfWaiting();
    WordFileWalk walk;
    return walk.Walk(directoryPath, [this](const wxString& path) { return LoadFile(path); });
}

bool Dictionary::LoadFile(const wxString& path) {
    LoadIfWaiting();
    files.Add(path);
    // The words join their sets' blocks; each set makes its table when first asked.
    WordFileReader reader;
    return reader.Read(path, [&](const std::vector<std::string_view>& words) {
        for (const std::string_view word : words) {
            SetFor(static_cast<std::uint32_t>(word.size())).Append(word);
        }
    });
}

WordSet& Dictionary::SetFor(std::uint32_t length) {
    if (sets.size() <= length) {
        sets.resize(length + 1);
    }
    std::unique_ptr<WordSet>& set = sets[length];
    if (!set) {
        set = std::make_unique<WordSet>(length);
        if (minLength == 0 || minLength > length) {
            minLength = length;
        }
        if (maxLength < length) {
            maxLength = length;
        }
    }
    return *set;
}

const WordSet* Dictionary::SetOf(std::uint32_t length) const {
    return length < sets.size() ? sets[length].get() : nullptr;
}

bool Dictionary::Contains(const wxString& word) const {
    LoadIfWaiting();
    const WordSet* set = SetOf(static_cast<std::uint32_t>(word.length()));
    if (!set || word.empty()) {
        return false;
    }
    char lower[WordFileParser::kMaxWordLength];
    std::size_t n = 0;
    for (const wxUniChar c : word) {
        const auto code = static_cast<std::uint32_t>(c.GetValue());
        if (code >= 0x80) {
            return false;  // the words are ASCII
        }
        lower[n++] = static_cast<char>(code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code);
    }
    return set->Contains(std::string_view(lower, n));
}

std::uint32_t Dictionary::CountWords(std::uint32_t a, std::uint32_t b) const {
    LoadIfWaiting();
    const std::uint32_t from = std::max<std::uint32_t>(std::min(a, b), 1);
    const std::uint32_t to = std::min(std::max(a, b), maxLength);
    std::uint32_t count = 0;
    for (std::uint32_t length = from; length <= to; ++length) {
        if (const WordSet* set = SetOf(length)) {
            count += set->GetCount();
        }
    }
    return count;
}

wxString Dictionary::GetWord(std::uint32_t firstLength, std::uint32_t index) const {
    LoadIfWaiting();
    for (std::uint32_t length = std::max<std::uint32_t>(firstLength, 1); length <= maxLength;
         ++length) {
        const WordSet* set = SetOf(length);
        if (!set) {
            continue;
        }
        if (index < set->GetCount()) {
            const std::string_view word = set->At(index);
            return wxString::FromAscii(word.data(), word.size());
        }
        index -= set->GetCount();
    }
    return wxString();
}

std::uint32_t Dictionary::GetCounts(std::vector<std::uint32_t>* counts) const {
    LoadIfWaiting();
    if (counts) {
        counts->assign(maxLength, 0);
    }
    std::uint32_t total = 0;
    for (std::uint32_t length = 1; length <= maxLength; ++length) {
        const WordSet* set = SetOf(length);
        const std::uint32_t count = set ? set->GetCount() : 0;
        total += count;
        if (counts) {
            (*counts)[length - 1] = count;
        }
    }
    return total;
}

bool Dictionary::GetWords(std::uint32_t length, wxArrayString& words) const {
    LoadIfWaiting();
    words.clear();
    const WordSet* set = SetOf(length);
    if (!set || set->GetCount() == 0) {
        return false;
    }
    std::vector<std::string_view> sorted;
    sorted.reserve(set->GetCount());
    for (std::uint32_t i = 0; i < set->GetCount(); ++i) {
        sorted.push_back(set->At(i));
    }
    std::sort(sorted.begin(), sorted.end());
    words.reserve(sorted.size());
    for (const std::string_view word : sorted) {
        words.push_back(wxString::FromAscii(word.data(), word.size()));
    }
    return true;
}

std::size_t Dictionary::GetMemoryUse() const {
    LoadIfWaiting();
    std::size_t bytes = sets.capacity() * sizeof(sets[0]);
    for (const auto& set : sets) {
        if (set) {
            bytes += sizeof(WordSet) + set->GetMemoryUse();
        }
    }
    return bytes;
}
