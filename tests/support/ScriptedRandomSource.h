// A random source that returns the words a test wrote down, in order, so that every draw
// of the generator can be predicted. Running out of words is a test failure.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "engine/RandomSource.h"

class ScriptedRandomSource : public RandomSource {
  public:
    ScriptedRandomSource() = default;
    ScriptedRandomSource(std::initializer_list<std::uint32_t> script) : words(script) {}

    void Append(std::uint32_t word) { words.push_back(word); }

    std::uint32_t NextWord() override {
        if (next >= words.size()) {
            ADD_FAILURE() << "the scripted random source ran out after " << words.size()
                          << " words";
            return 0;
        }
        return words[next++];
    }

    std::size_t Used() const { return next; }
    std::size_t Remaining() const { return words.size() - next; }

  private:
    std::vector<std::uint32_t> words;
    std::size_t next = 0;
};
