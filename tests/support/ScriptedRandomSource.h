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
    ScriptedRandomSource(std::initializer_list<std::uint32_t> words) : m_words(words) {}

    void Append(std::uint32_t word) { m_words.push_back(word); }

    std::uint32_t NextWord() override {
        if (m_next >= m_words.size()) {
            ADD_FAILURE() << "the scripted random source ran out after " << m_words.size()
                          << " words";
            return 0;
        }
        return m_words[m_next++];
    }

    std::size_t Used() const { return m_next; }
    std::size_t Remaining() const { return m_words.size() - m_next; }

  private:
    std::vector<std::uint32_t> m_words;
    std::size_t m_next = 0;
};
