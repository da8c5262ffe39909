// Makes passwords. It keeps no data of its own: every instance draws from the process-wide
// random state, so one can be made on the stack wherever it is needed.
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <utility>

#include "engine/CharacterPools.h"
#include "engine/RandomSource.h"
#include "engine/UseChar.h"

class PasswordGenerator {
  public:
    // Prepares the random source once per process; calling it again does nothing.
    void Seed();

    // A number from 0 to n, each with exactly the same probability.
    std::uint32_t GetRandom(std::uint32_t n);

    // Puts the entries in a random order, every order equally likely (Fisher-Yates).
    template <typename List>
    void Shuffle(List& list);

    // One run of record.Length random characters of the record's chosen kinds; with
    // UseAllKind (and two or more kinds) every chosen kind occurs when the length allows.
    // Fixed texts and dictionary words are not its business. Empty when a character would
    // have to come from an empty pool.
    wxString MakeRandomElement(const UseChar& record, const CharacterPools& pools);
};

template <typename List>
void PasswordGenerator::Shuffle(List& list) {
    using std::swap;
    for (std::size_t i = list.size(); i > 1; --i) {
        const std::size_t j = GetRandom(static_cast<std::uint32_t>(i - 1));
        if (j != i - 1) {
            swap(list[i - 1], list[j]);
        }
    }
}
