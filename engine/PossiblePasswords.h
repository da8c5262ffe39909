// How many different passwords the settings can make at most: a batch that needs more
// different passwords than this gives up before it makes any. The numbers are upper bounds
// (the simple-password check only ever refuses, and two ways of making a password may give
// the same text), and they stop growing at the largest 64-bit number.
#pragma once

#include <cstdint>

#include "engine/CharacterPools.h"
#include "engine/GenerationSettings.h"
#include "engine/UseChar.h"

class Dictionary;

// One element: 1 for a fixed text, the words of the length range for a dictionary element,
// and for random characters the different characters of the chosen pools to the power of
// the length.
std::uint64_t CountPossibleElements(const UseChar& record, const CharacterPools& pools,
                                    const Dictionary& dictionary);

// A whole password: the standard element, or the product of the combination's elements.
std::uint64_t CountPossiblePasswords(const GenerationSettings& settings,
                                     const Dictionary& dictionary);
