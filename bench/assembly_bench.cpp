// Batches of passwords with the simple-password check at its higher level, against the large
// word list of Debian's wamerican-insane (scripts/bench.sh installs it). A batch of 1000
// passwords of twenty characters should take at most 10 ms; a batch that has to give up at
// most a second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "BenchIdentity.h"
#include "Corpus.h"
#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "framework/orlFileName.h"

namespace {

const Dictionary* CorpusDictionary() {
    static const bool identity = [] {
        orlSetIdentity(std::make_unique<BenchIdentity>());
        return true;
    }();
    (void)identity;
    return corpus::Loaded();
}

void BM_BatchOfThousand(benchmark::State& state) {
    const Dictionary* dictionary = CorpusDictionary();
    if (!dictionary) {
        state.SkipWithError("the corpus is missing: run scripts/bench.sh");
        return;
    }
    GenerationSettings settings;
    settings.StandardUseChar.Length = 20;
    settings.DeterSimplePassword = true;
    settings.StrengthCheckLevel = 2;
    PasswordGenerator gen(settings, *dictionary);
    gen.Seed();
    wxArrayString batch;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gen.MakePasswords(batch, 1000));
    }
}
BENCHMARK(BM_BatchOfThousand)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// Eleven different one-digit passwords cannot be made: the eleventh position tries 100001
// times before the batch gives up.
void BM_BatchThatGivesUp(benchmark::State& state) {
    const Dictionary* dictionary = CorpusDictionary();
    if (!dictionary) {
        state.SkipWithError("the corpus is missing: run scripts/bench.sh");
        return;
    }
    GenerationSettings settings;
    settings.StandardUseChar.Length = 1;
    settings.StandardUseChar.AlphabetUpper = false;
    settings.StandardUseChar.AlphabetLower = false;
    settings.StandardUseChar.Symbol = false;
    PasswordGenerator gen(settings, *dictionary);
    gen.Seed();
    wxArrayString batch;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gen.MakePasswords(batch, 11));
    }
}
BENCHMARK(BM_BatchThatGivesUp)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace
