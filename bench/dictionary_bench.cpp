// Speed and memory of the dictionary on a large word list: Debian's wamerican-insane
// (663,000 lines), which scripts/bench.sh installs. Targets: a load within 60 ms, a lookup
// within 100 ns, at most 48 MB resident for the loaded words, and counts and draws that do
// not grow with the number of words.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "Corpus.h"
#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "framework/orlFileName.h"

namespace {

bool HaveCorpus(benchmark::State& state) {
    if (corpus::Directory().empty()) {
        state.SkipWithError("the corpus is missing: run scripts/bench.sh");
        return false;
    }
    return true;
}

const Dictionary& LoadedDictionary() {
    return *corpus::Loaded();
}

std::vector<std::string> CorpusLines() {
    std::vector<std::string> lines;
    std::ifstream in(corpus::kWordList);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Runs first, in a fresh process, so that the growth of the resident set is the dictionary's.
void BM_LoadedMemory(benchmark::State& state) {
    if (!HaveCorpus(state)) {
        return;
    }
    double grown = 0;
    double held = 0;
    double words = 0;
    for (auto _ : state) {
        const long before = ResidentBytes();
        auto* dictionary = new Dictionary;
        dictionary->Load(corpus::Directory());
        malloc_trim(0);  // hand back what loading used only for a while
        grown = double(ResidentBytes() - before) / 1e6;
        held = double(dictionary->GetMemoryUse()) / 1e6;
        words = dictionary->GetCounts();
        delete dictionary;
    }
    state.counters["resident_MB"] = grown;
    state.counters["held_MB"] = held;
    state.counters["words"] = words;
}
BENCHMARK(BM_LoadedMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    if (!HaveCorpus(state)) {
        return;
    }
    for (auto _ : state) {
        Dictionary dictionary;
        benchmark::DoNotOptimize(dictionary.Load(corpus::Directory()));
        benchmark::DoNotOptimize(dictionary.GetCounts());
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// Lookups of words of the corpus in mixed case (hits) and of the same words changed so that
// they are not in it (misses), taken in a random order.
void BM_Contains(benchmark::State& state) {
    if (!HaveCorpus(state)) {
        return;
    }
    const Dictionary& dictionary = LoadedDictionary();
    const bool hits = state.range(0) != 0;
    std::vector<std::string> lines = CorpusLines();
    std::mt19937 shuffle(42);
    std::shuffle(lines.begin(), lines.end(), shuffle);
    std::vector<wxString> probes;
    for (const std::string& line : lines) {
        wxString word = wxString::FromUTF8(line);
        if (word.empty() || !word.IsAscii() || word.length() > 60) {
            continue;
        }
        if (hits) {
            word[0] = wxToupper(word[0]);
        } else {
            word += "qz";
        }
        if (dictionary.Contains(word) == hits) {
            probes.push_back(word);
        }
        if (probes.size() == 65536) {
            break;
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dictionary.Contains(probes[i]));
        i = (i + 1) & 65535;
    }
}
BENCHMARK(BM_Contains)->ArgName("hit")->Arg(1)->Arg(0)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CountWords(benchmark::State& state) {
    if (!HaveCorpus(state)) {
        return;
    }
    const Dictionary& dictionary = LoadedDictionary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(dictionary.CountWords(1, dictionary.GetMaxLength()));
    }
}
BENCHMARK(BM_CountWords);

void BM_GetWordAtRandom(benchmark::State& state) {
    if (!HaveCorpus(state)) {
        return;
    }
    const Dictionary& dictionary = LoadedDictionary();
    PasswordGenerator gen;
    gen.Seed();
    const std::uint32_t count = dictionary.CountWords(1, dictionary.GetMaxLength());
    for (auto _ : state) {
        benchmark::DoNotOptimize(dictionary.GetWord(1, gen.GetRandom(count - 1)));
    }
}
BENCHMARK(BM_GetWordAtRandom);

}  // namespace
