#include "engine/PossiblePasswords.h"

#include <algorithm>
#include <limits>
#include <set>

#include "engine/Dictionary.h"

namespace {

constexpr std::uint64_t kMany = std::numeric_limits<std::uint64_t>::max();

std::uint64_t Times(std::uint64_t a, std::uint64_t b) {
    std::uint64_t product = 0;
    return __builtin_mul_overflow(a, b, &product) ? kMany : product;
}

}  // namespace

std::uint64_t CountPossibleElements(const UseChar& record, const CharacterPools& pools,
                                    const Dictionary& dictionary) {
    if (record.Fixed) {
        return 1;
    }
    if (record.Dictionary) {
        // The range as the element is drawn from it: either order, lengths from 1.
        const auto a = static_cast<std::uint32_t>(std::max(record.DictionaryMin, 1));
        const auto b = static_cast<std::uint32_t>(std::max(record.DictionaryMax, 1));
        return dictionary.CountWords(a, b);
    }
    // Every character of a random element comes from one of the chosen pools, whichever
    // kind its position is kept for.
    const wxString all = record.GetUpperPool(pools) + record.GetLowerPool(pools) +
                         record.GetNumericPool(pools) + record.GetSymbolPool();
    std::set<wxUniChar::value_type> characters;
    for (const wxUniChar c : all) {
        characters.insert(c.GetValue());
    }
    if (record.Length == 0 || characters.size() == 1) {
        return 1;
    }
    std::uint64_t count = 1;
    for (std::uint32_t i = 0; i < record.Length && count != 0 && count != kMany; ++i) {
        count = Times(count, characters.size());
    }
    return count;
}

std::uint64_t CountPossiblePasswords(const GenerationSettings& settings,
                                     const Dictionary& dictionary) {
    if (settings.Standard) {
        return CountPossibleElements(settings.StandardUseChar, settings.Pools, dictionary);
    }
    std::uint64_t count = 1;
    const UseCharArray& list = settings.CombinationUseChar;
    for (std::size_t i = 0; i < list.GetCount(); ++i) {
        count = Times(count, CountPossibleElements(list[i], settings.Pools, dictionary));
    }
    return count;
}
