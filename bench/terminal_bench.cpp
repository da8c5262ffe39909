// The program run from a terminal, whole process against whole process: printing a batch of
// 1000 passwords, and checking 20,000 candidate lines at the high level beside the system's
// cracklib-check on the same lines (when Debian's cracklib-runtime is installed). Run without a
// display and with the default settings and dictionary.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "support/RunProgram.h"

namespace {

std::vector<std::string> Environment() {
    static const std::string home = [] {
        char pattern[] = "/tmp/tessarin-bench-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return testsupport::EnvironmentWith(
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"HOME", home}, {"XDG_CONFIG_HOME", home}});
}

// 20,000 lines like the ones people check: random strings, dictionary words, and words with
// digits and capitals, the same every run.
const std::string& CandidateLines() {
    static const std::string lines = [] {
        std::vector<std::string> words;
        std::ifstream list("/usr/share/dict/american-english");
        for (std::string word; std::getline(list, word);) {
            words.push_back(word);
        }
        std::mt19937 random(20261210);
        std::string text;
        for (int i = 0; i < 20000; ++i) {
            std::string line;
            switch (i % 4) {
                case 0:
                case 1:
                    for (int n = 0; n < 12; ++n) {
                        line += static_cast<char>('!' + random() % 94);
                    }
                    break;
                case 2:
                    line = words.empty() ? "password" : words[random() % words.size()];
                    break;
                default:
                    line = words.empty() ? "Password" : words[random() % words.size()];
                    line[0] = static_cast<char>(toupper(line[0]));
                    line += std::to_string(random() % 10000);
            }
            text += line + "\n";
        }
        return text;
    }();
    return lines;
}

void Run(benchmark::State& state, const std::vector<std::string>& words,
         const std::string& input = {}) {
    for (auto _ : state) {
        const testsupport::ProgramRun run = testsupport::RunProgram(words, Environment(), input);
        if (run.status < 0 || run.out.empty()) {
            state.SkipWithError(("the program failed: " + run.err).c_str());
            return;
        }
        benchmark::DoNotOptimize(run.out.data());
    }
}

void BM_GenerateThousand(benchmark::State& state) {
    Run(state, {TESSARIN_EXECUTABLE, "--generate", "--count=1000"});
}
BENCHMARK(BM_GenerateThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckTwentyThousandLines(benchmark::State& state) {
    Run(state, {TESSARIN_EXECUTABLE, "--check", "--level=2"}, CandidateLines());
}
BENCHMARK(BM_CheckTwentyThousandLines)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CracklibCheckTwentyThousandLines(benchmark::State& state) {
    const char* program = "/usr/sbin/cracklib-check";
    if (access(program, X_OK) != 0) {
        state.SkipWithError("cracklib-check is not installed (Debian's cracklib-runtime)");
        return;
    }
    Run(state, {program}, CandidateLines());
}
BENCHMARK(BM_CracklibCheckTwentyThousandLines)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
