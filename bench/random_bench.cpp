// Speed of the random source and of random elements. A batch of 1000 passwords of twenty
// characters needs some 40000 draws; it should take a few milliseconds at most.
#include <benchmark/benchmark.h>

#include "engine/PasswordGenerator.h"
#include "engine/SystemRandomSource.h"

namespace {

void BM_SystemRandomWord(benchmark::State& state) {
    SystemRandomSource source;
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.NextWord());
    }
}
BENCHMARK(BM_SystemRandomWord);

void BM_GetRandom(benchmark::State& state) {
    PasswordGenerator gen;
    gen.Seed();
    const auto n = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(gen.GetRandom(n));
    }
}
BENCHMARK(BM_GetRandom)->Arg(9)->Arg(93)->Arg(500000);

void BM_MakeRandomElement(benchmark::State& state) {
    PasswordGenerator gen;
    gen.Seed();
    UseChar record;
    record.Length = static_cast<std::uint32_t>(state.range(0));
    const CharacterPools pools;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gen.MakeRandomElement(record, pools));
    }
}
BENCHMARK(BM_MakeRandomElement)->Arg(10)->Arg(20);

void BM_ThousandElementsOfTwenty(benchmark::State& state) {
    PasswordGenerator gen;
    gen.Seed();
    UseChar record;
    record.Length = 20;
    const CharacterPools pools;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            benchmark::DoNotOptimize(gen.MakeRandomElement(record, pools));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ThousandElementsOfTwenty)->Unit(benchmark::kMillisecond);

}  // namespace
