#include "engine/PasswordGenerator.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "engine/Dictionary.h"

namespace {

const GenerationSettings& DefaultSettings() {
    static const GenerationSettings settings;
    return settings;
}

}  // namespace

PasswordGenerator::PasswordGenerator()
    : settings(&DefaultSettings()), dictionary(&Dictionary::Get()) {}

PasswordGenerator::PasswordGenerator(const GenerationSettings& givenSettings,
                                     const Dictionary& givenDictionary)
    : settings(&givenSettings), dictionary(&givenDictionary) {}

void PasswordGenerator::Seed() {
    RandomState::Seed();
}

std::uint32_t PasswordGenerator::GetRandom(std::uint32_t n) {
    if (n == 0) {
        return 0;
    }
    // Draw from the smallest power-of-two range that holds 0 to n and throw away what falls
    // above n: every accepted value is equally likely, and fewer than two draws are needed
    // on average.
    const std::uint32_t mask = ~std::uint32_t{0} >> std::countl_zero(n);
    RandomSource& source = RandomState::Current();
    for (;;) {
        const std::uint32_t value = source.NextWord() & mask;
        if (value <= n) {
            return value;
        }
    }
}

wxString PasswordGenerator::MakeRandomElement(const UseChar& record, const CharacterPools& pools) {
    const wxString upper = record.GetUpperPool(pools);
    const wxString lower = record.GetLowerPool(pools);
    const wxString numeric = record.GetNumericPool(pools);
    const wxString symbol = record.GetSymbolPool();
    const wxString combined = upper + lower + numeric + symbol;
    const std::size_t length = record.Length;
    const std::size_t kinds = static_cast<std::size_t>(record.GetKindCount());

    // One pool per character position.
    std::vector<const wxString*> slots;
    slots.reserve(std::max(length, kinds));
    if (record.UseAllKind && kinds != 1) {
        const std::pair<bool, const wxString*> kindPools[] = {{record.AlphabetUpper, &upper},
                                                              {record.AlphabetLower, &lower},
                                                              {record.Numeric, &numeric},
                                                              {record.Symbol, &symbol}};
        for (const auto& [chosen, pool] : kindPools) {
            if (chosen) {
                slots.push_back(pool);
            }
        }
        for (std::size_t position = kinds; position < length; ++position) {
            slots.push_back(&combined);
        }
        Shuffle(slots);
    } else {
        slots.assign(length, &combined);
    }

    // A chosen kind with nothing to draw from cannot be honoured: fail the same way every
    // time rather than only when that kind happens to be needed.
    if (std::any_of(slots.begin(), slots.end(), [](const wxString* p) { return p->empty(); })) {
        return wxString();
    }

    wxString result;
    result.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const wxString& pool = *slots[i];
        result += pool[GetRandom(static_cast<std::uint32_t>(pool.length() - 1))];
    }
    return result;
}
