// Fuzz target: a word file of arbitrary bytes, split by the parser and loaded into a dictionary.
// Every word kept is a plausible word (printable ASCII or tabs, small letters, no slash, not
// only digits, not too long, from one line of the input), and the dictionary holds exactly the
// distinct words the parser gave.
#include <wx/arrstr.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "engine/Dictionary.h"
#include "engine/WordFileParser.h"

namespace {

std::unique_ptr<fuzzsupport::ScratchFile> scratch;

void CheckWord(std::string_view word, const char* begin, const char* end) {
    FUZZ_CHECK(!word.empty() && word.size() <= WordFileParser::kMaxWordLength);
    FUZZ_CHECK(word.data() >= begin && word.data() + word.size() <= end);
    // A word starts a line and never runs past its end.
    FUZZ_CHECK(word.data() == begin || word.data()[-1] == '\n' || word.data()[-1] == '\r');
    bool onlyDigits = true;
    for (const char c : word) {
        FUZZ_CHECK((c >= 0x20 && c < 0x7F) || c == '\t');
        FUZZ_CHECK(c != '/' && !(c >= 'A' && c <= 'Z'));
        onlyDigits = onlyDigits && c >= '0' && c <= '9';
    }
    FUZZ_CHECK(!onlyDigits);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::StartToolkit();
    scratch = std::make_unique<fuzzsupport::ScratchFile>(".dic");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The parser lowers words in place: it gets a copy of exactly the input's size, so that
    // the address checker sees any read or write past its end.
    std::unique_ptr<char[]> copy(new char[size == 0 ? 1 : size]);
    if (size != 0) {
        memcpy(copy.get(), data, size);
    }
    std::set<std::string> words;
    WordFileParser parser(copy.get(), size);
    for (std::string_view word; parser.Next(word);) {
        CheckWord(word, copy.get(), copy.get() + size);
        words.emplace(word);
    }

    scratch->Write(data, size);
    Dictionary dictionary;
    FUZZ_CHECK(dictionary.LoadFile(wxString::FromUTF8(scratch->Path())));

    std::vector<std::uint32_t> counts;
    FUZZ_CHECK(dictionary.GetCounts(&counts) == words.size());
    FUZZ_CHECK(dictionary.IsEmpty() == words.empty());
    std::map<std::size_t, std::vector<std::string>> byLength;
    for (const std::string& word : words) {
        FUZZ_CHECK(dictionary.Contains(wxString::FromAscii(word.c_str())));
        byLength[word.size()].push_back(word);
    }
    if (!words.empty()) {
        FUZZ_CHECK(dictionary.GetMinLength() == byLength.begin()->first);
        FUZZ_CHECK(dictionary.GetMaxLength() == byLength.rbegin()->first);
        FUZZ_CHECK(counts.size() == byLength.rbegin()->first);
    }
    for (std::size_t length = 1; length <= counts.size(); ++length) {
        const auto found = byLength.find(length);
        const std::size_t expected = found == byLength.end() ? 0 : found->second.size();
        FUZZ_CHECK(counts[length - 1] == expected);
        wxArrayString listed;
        FUZZ_CHECK(dictionary.GetWords(static_cast<std::uint32_t>(length), listed) ==
                   (expected != 0));
        FUZZ_CHECK(listed.size() == expected);
        for (std::size_t i = 0; i < listed.size(); ++i) {
            // std::set keeps its words in byte order, which is the order of character codes.
            FUZZ_CHECK(listed[i] == wxString::FromAscii(found->second[i].c_str()));
        }
    }
    return 0;
}
