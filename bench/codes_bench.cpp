// Speed of the character codes on a megabyte of Japanese text, encoding and decoding. Each
// should take well under 20 ms per megabyte.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "framework/codes/orlByteBuffer.h"
#include "framework/codes/orlCodeBase.h"
#include "framework/codes/orlCodeEucJp.h"
#include "framework/codes/orlCodeJis.h"
#include "framework/codes/orlCodeShiftJis.h"
#include "framework/codes/orlCodeUtf16.h"
#include "framework/codes/orlCodeUtf8.h"

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

// Hiragana, katakana, kanji and punctuation, as in ordinary Japanese prose.
const wchar_t kJapaneseSentence[] =
    L"\u3053\u306E\u6587\u7AE0\u306F\u3001\u6587\u5B57\u30B3\u30FC\u30C9\u306E\u5909\u63DB"
    L"\u306E\u901F\u3055\u3092\u6E2C\u308B\u305F\u3081\u306B\u4F55\u5EA6\u3082\u7E70\u308A"
    L"\u8FD4\u3055\u308C\u307E\u3059\u3002\u30D1\u30B9\u30EF\u30FC\u30C9\u3092\u5B89\u5168"
    L"\u306B\u4F5C\u308A\u307E\u3057\u3087\u3046\u3002";

// The sentence repeated until the codec's bytes of the text reach at least the given size.
wxString RepeatToEncodedSize(const wxString& sentence, const orlCodeBase& codec, std::size_t size) {
    orlByteBuffer bytes;
    codec.Encode(sentence, bytes);
    const std::size_t perSentence = bytes.Length();
    const std::size_t count = (size + perSentence - 1) / perSentence;
    wxString text;
    text.reserve(sentence.length() * count);
    for (std::size_t i = 0; i < count; ++i) {
        text += sentence;
    }
    return text;
}

void Encode(benchmark::State& state, const orlCodeBase& codec) {
    const wxString text = RepeatToEncodedSize(kJapaneseSentence, codec, kMegabyte);
    orlByteBuffer bytes;
    for (auto _ : state) {
        benchmark::DoNotOptimize(codec.Encode(text, bytes));
        benchmark::DoNotOptimize(bytes.Data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.Length()));
}

void Decode(benchmark::State& state, const orlCodeBase& codec) {
    const wxString text = RepeatToEncodedSize(kJapaneseSentence, codec, kMegabyte);
    orlByteBuffer bytes;
    codec.Encode(text, bytes);
    wxString decoded;
    for (auto _ : state) {
        benchmark::DoNotOptimize(codec.Decode(bytes.Data(), bytes.Length(), decoded));
        benchmark::DoNotOptimize(decoded.wx_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.Length()));
}

const orlCodeUtf8 kUtf8;
const orlCodeUtf16LE kUtf16LE;

BENCHMARK_CAPTURE(Encode, Utf8, kUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, Utf8, kUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Encode, Utf16LE, kUtf16LE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, Utf16LE, kUtf16LE)->Unit(benchmark::kMillisecond);

const orlCodeShiftJis kShiftJis;
const orlCodeEucJp kEucJp;
const orlCodeJis kJis;

BENCHMARK_CAPTURE(Encode, ShiftJis, kShiftJis)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, ShiftJis, kShiftJis)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Encode, EucJp, kEucJp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, EucJp, kEucJp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Encode, Iso2022Jp, kJis)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, Iso2022Jp, kJis)->Unit(benchmark::kMillisecond);

}  // namespace
