// Speed of the entropy figure of the settings, which the main window works out again on every
// change of them. Target: well under 10 ms for the largest settings, a combination list of
// 1000 items (the most the settings load) of twenty random characters, with the check at its
// higher level against the large word list of Debian's wamerican-insane (scripts/bench.sh
// installs it) as the dictionary.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchIdentity.h"
#include "Corpus.h"
#include "engine/Dictionary.h"
#include "engine/GenerationSettings.h"
#include "engine/RecipeEntropy.h"

namespace {

constexpr std::size_t kItems = 1000;

// A record of twenty characters; variant picks the kinds (1 to 15 as a bit mask) and the
// guarantee (bit 4).
UseChar TwentyCharacters(unsigned variant) {
    UseChar r;
    r.Length = 20;
    const unsigned kinds = variant % 15 + 1;
    r.AlphabetUpper = (kinds & 1) != 0;
    r.AlphabetLower = (kinds & 2) != 0;
    r.Numeric = (kinds & 4) != 0;
    r.Symbol = (kinds & 8) != 0;
    r.UseAllKind = (variant / 15) % 2 == 0;
    return r;
}

enum Recipe {
    kStandard,        // the standard record: one element
    kSameItems,       // 1000 equal items: one element to sample
    kEveryKindItems,  // 1000 items going round every choice of kinds and guarantee: 26 elements
    kOwnSymbolItems,  // 1000 items, each with a symbol string of its own: 1000 elements
    kOverlapping,     // the standard record, with symbols that are letters and digits too
};

GenerationSettings Settings(Recipe recipe) {
    GenerationSettings settings;
    settings.DeterSimplePassword = true;
    settings.StrengthCheckLevel = 2;
    if (recipe == kStandard || recipe == kOverlapping) {
        settings.Standard = true;
        settings.StandardUseChar = TwentyCharacters(14);
        if (recipe == kOverlapping) {
            // Six groups of characters that count alike: 53130 ways to count them.
            settings.StandardUseChar.SymbolString = "abc123!@#$%";
        }
        return settings;
    }
    settings.Standard = false;
    for (unsigned i = 0; i < kItems; ++i) {
        UseChar r = TwentyCharacters(recipe == kEveryKindItems ? i : 14);
        if (recipe == kOwnSymbolItems) {
            r.SymbolString = wxString::Format("!#%%&*+-=?@^~%u", i);
        }
        settings.CombinationUseChar.Add(r);
    }
    return settings;
}

void BM_RecipeEntropy(benchmark::State& state) {
    const Dictionary* dictionary = corpus::Loaded();
    if (!dictionary) {
        state.SkipWithError("the corpus is missing: run scripts/bench.sh");
        return;
    }
    orlSetIdentity(std::make_unique<BenchIdentity>());
    const GenerationSettings settings = Settings(static_cast<Recipe>(state.range(0)));
    RecipeEntropy figure;
    for (auto _ : state) {
        figure = ComputeRecipeEntropy(settings, *dictionary);
        benchmark::DoNotOptimize(figure);
    }
    state.counters["bits"] = figure.bits;
    state.counters["error"] = figure.errorBits;
    state.counters["passShare"] = figure.passShare;
    orlSetIdentity(nullptr);
}
BENCHMARK(BM_RecipeEntropy)
    ->ArgName("recipe")
    ->DenseRange(kStandard, kOverlapping)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
