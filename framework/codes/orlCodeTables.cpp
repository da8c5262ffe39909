#include "framework/codes/orlCodeTables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

namespace orlCodeTables {
namespace {

struct CodePair {
    std::uint16_t key;
    std::uint16_t value;
};

#include "framework/codes/orlCodeTablesData.inc"

// The binary search needs strictly increasing keys; a table shorter than its declared size
// would end in {0, 0} pairs and fail this too.
template <std::size_t N>
constexpr bool IsStrictlyIncreasing(const CodePair (&table)[N]) {
    for (std::size_t i = 1; i < N; ++i) {
        if (table[i - 1].key >= table[i].key) {
            return false;
        }
    }
    return true;
}

static_assert(IsStrictlyIncreasing(kJis0208ToUnicode));
static_assert(IsStrictlyIncreasing(kUnicodeToJis0208));
static_assert(IsStrictlyIncreasing(kCp932ExtensionToUnicode));
static_assert(IsStrictlyIncreasing(kUnicodeToCp932Extension));
static_assert(IsStrictlyIncreasing(kJis0212ToUnicode));
static_assert(IsStrictlyIncreasing(kUnicodeToJis0212));
static_assert(IsStrictlyIncreasing(kJis0213Plane1ToUnicode));
static_assert(IsStrictlyIncreasing(kUnicodeToJis0213Plane1));
static_assert(IsStrictlyIncreasing(kJis0213Plane2ToUnicode));
static_assert(IsStrictlyIncreasing(kUnicodeToJis0213Plane2));
static_assert(IsStrictlyIncreasing(kJis1978To1983));

// The busiest tables also get direct indexes, made while compiling: by JIS code (94 rows of
// 94 columns) and by character (the whole Basic Multilingual Plane).
constexpr std::size_t kJisCells = 94 * 94;

constexpr bool IsJisCode(std::uint16_t jis) {
    const unsigned row = jis >> 8;
    const unsigned column = jis & 0xFF;
    return row >= 0x21 && row <= 0x7E && column >= 0x21 && column <= 0x7E;
}

constexpr std::size_t JisCell(std::uint16_t jis) {
    return ((jis >> 8) - 0x21) * 94 + ((jis & 0xFF) - 0x21);
}

template <std::size_t N>
constexpr std::array<std::uint16_t, kJisCells> IndexByJis(const CodePair (&table)[N]) {
    std::array<std::uint16_t, kJisCells> index{};
    for (const CodePair& pair : table) {
        index[JisCell(pair.key)] = pair.value;
    }
    return index;
}

template <std::size_t N>
constexpr std::array<std::uint16_t, 0x10000> IndexByCharacter(const CodePair (&table)[N]) {
    std::array<std::uint16_t, 0x10000> index{};
    for (const CodePair& pair : table) {
        index[pair.key] = pair.value;
    }
    return index;
}

constexpr auto kJis0208Index = IndexByJis(kJis0208ToUnicode);
constexpr auto kJis0212Index = IndexByJis(kJis0212ToUnicode);
constexpr auto kToJis0208Index = IndexByCharacter(kUnicodeToJis0208);
constexpr auto kToJis0212Index = IndexByCharacter(kUnicodeToJis0212);

// The value paired with key, or 0 when the table has no such key.
template <std::size_t N>
std::uint16_t Find(const CodePair (&table)[N], std::uint16_t key) {
    const CodePair* const end = std::end(table);
    const CodePair* const found =
        std::lower_bound(std::begin(table), end, key,
                         [](const CodePair& pair, std::uint16_t k) { return pair.key < k; });
    return found != end && found->key == key ? found->value : 0;
}

}  // namespace

std::uint16_t Jis0208ToUnicode(std::uint16_t jis) {
    return IsJisCode(jis) ? kJis0208Index[JisCell(jis)] : 0;
}
std::uint16_t UnicodeToJis0208(std::uint16_t unicode) {
    return kToJis0208Index[unicode];
}

std::uint16_t Cp932ExtensionToUnicode(std::uint16_t sjis) {
    return Find(kCp932ExtensionToUnicode, sjis);
}
std::uint16_t UnicodeToCp932Extension(std::uint16_t unicode) {
    return Find(kUnicodeToCp932Extension, unicode);
}

std::uint16_t Jis0212ToUnicode(std::uint16_t jis) {
    return IsJisCode(jis) ? kJis0212Index[JisCell(jis)] : 0;
}
std::uint16_t UnicodeToJis0212(std::uint16_t unicode) {
    return kToJis0212Index[unicode];
}

std::uint16_t Jis0213Plane1ToUnicode(std::uint16_t jis) {
    return Find(kJis0213Plane1ToUnicode, jis);
}
std::uint16_t UnicodeToJis0213Plane1(std::uint16_t unicode) {
    return Find(kUnicodeToJis0213Plane1, unicode);
}
std::uint16_t Jis0213Plane2ToUnicode(std::uint16_t jis) {
    return Find(kJis0213Plane2ToUnicode, jis);
}
std::uint16_t UnicodeToJis0213Plane2(std::uint16_t unicode) {
    return Find(kUnicodeToJis0213Plane2, unicode);
}

std::uint16_t Jis1978To1983(std::uint16_t jis) {
    const std::uint16_t exchanged = Find(kJis1978To1983, jis);
    return exchanged != 0 ? exchanged : jis;
}

}  // namespace orlCodeTables
