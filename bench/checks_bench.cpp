// Speed of the simple-password check. The generator runs it on every random element it makes,
// so a batch of thousands of passwords runs it thousands of times. Target: at most 5 µs per
// password (median) at the high level, on random passwords of twenty characters that mix
// capitals, small letters, digits and symbols and that pass, so that every candidate of all
// three forms is checked, with the large word list (Debian's wamerican-insane, 663,000
// lines, which scripts/bench.sh installs) as the dictionary.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "Corpus.h"
#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "engine/SymbolStrings.h"
#include "framework/orlFileName.h"
#include "framework/orlIdentity.h"

namespace {

class BenchIdentity : public orlIdentity {
  public:
    wxString GetLoginName() const override { return "jdoe"; }
    wxString GetUserName() const override { return wxString(); }
    wxString GetHostName() const override { return "workstation"; }
    wxString GetFullHostName() const override { return wxString(); }
};

// Twenty characters with each of the four kinds and at least one of "@", "0" and "$", so
// that both other forms differ from the password; only passwords that pass are kept.
std::vector<wxString> PassingPasswords(const PasswordGenerator& generator, std::size_t count) {
    const std::wstring kinds[] = {L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", L"abcdefghijklmnopqrstuvwxyz",
                                  L"0123456789", GetDefaultSymbolString().ToStdWstring()};
    const std::wstring all = kinds[0] + kinds[1] + kinds[2] + kinds[3];
    const std::wstring substituted = L"@0$";
    std::mt19937 random(20240607);
    const auto pick = [&random](const std::wstring& pool) {
        return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
    };

    std::vector<wxString> passwords;
    while (passwords.size() < count) {
        std::wstring password;
        for (const std::wstring& kind : kinds) {
            password += pick(kind);
        }
        password += pick(substituted);
        while (password.size() < 20) {
            password += pick(all);
        }
        std::shuffle(password.begin(), password.end(), random);
        int code = 0;
        if (!generator.IsSimplePassword(password, &code, 2) && code == 0) {
            passwords.emplace_back(password);
        }
    }
    return passwords;
}

void BM_PassingPasswords(benchmark::State& state) {
    const Dictionary* dictionary = corpus::Loaded();
    if (!dictionary) {
        state.SkipWithError("the corpus is missing: run scripts/bench.sh");
        return;
    }
    orlSetIdentity(std::make_unique<BenchIdentity>());
    const GenerationSettings settings;
    const PasswordGenerator generator(settings, *dictionary);
    const std::vector<wxString> passwords = PassingPasswords(generator, 4096);
    const int level = static_cast<int>(state.range(0));
    // Without the words, what the lookups cost shows as the difference.
    static const Dictionary noWords;
    const PasswordGenerator measured(settings, state.range(1) != 0 ? *dictionary : noWords);

    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(measured.IsSimplePassword(passwords[i], nullptr, level));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
    orlSetIdentity(nullptr);
}
BENCHMARK(BM_PassingPasswords)
    ->ArgNames({"level", "words"})
    ->Args({2, 1})
    ->Args({1, 1})
    ->Args({2, 0})
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// One line of 100,000 characters (letters, digits, symbols, characters beyond ASCII and
// beyond the Basic Multilingual Plane) that no check finds simple at the first level: the
// checks must stay linear in the length.
void BM_LongLine(benchmark::State& state) {
    const Dictionary* dictionary = corpus::Loaded();
    if (!dictionary) {
        state.SkipWithError("the corpus is missing: run scripts/bench.sh");
        return;
    }
    orlSetIdentity(std::make_unique<BenchIdentity>());
    const GenerationSettings settings;
    const PasswordGenerator generator(settings, *dictionary);
    const wxString piece = wxString::FromUTF8("q7#\xD0\x96\xF0\x9F\x98\x80");
    wxString line;
    while (line.length() < 100000) {
        line += piece;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(generator.IsSimplePassword(line, nullptr, 1));
    }
    orlSetIdentity(nullptr);
}
BENCHMARK(BM_LongLine)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
