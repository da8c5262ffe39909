#include "engine/WordSet.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

std::string RandomWord(std::mt19937& random, std::size_t length, int alphabet) {
    std::string word(length, ' ');
    for (char& c : word) {
        c = static_cast<char>('a' + random() % alphabet);
    }
    return word;
}

}  // namespace

// Checked against the standard set over many words with duplicates, for lengths that fill
// a bucket with many slots, with a few, and with one; with room made first, grown as words
// come, and given back half way.
TEST(WordSet, AgreesWithAStandardSetAndKeepsTheOrderOfFirstInsertion) {
    for (const std::size_t length : {1u, 3u, 7u, 8u, 9u, 16u, 33u, 64u}) {
        for (const int room : {0, 1, 2}) {
            const bool reserveFirst = room == 1;
            const bool shrinkHalfWay = room == 2;
            SCOPED_TRACE(testing::Message() << "length " << length << " room " << room);
            std::mt19937 random(static_cast<unsigned>(length * 2 + reserveFirst));
            // A small alphabet for short words, so that duplicates are common.
            const int alphabet = length <= 3 ? 6 : 26;
            WordSet set(static_cast<std::uint32_t>(length));
            if (reserveFirst) {
                set.Reserve(20000);
            }
            std::unordered_set<std::string> reference;
            std::vector<std::string> order;
            for (int i = 0; i < 20000; ++i) {
                if (shrinkHalfWay && i == 10000) {
                    set.ShrinkToFit();
                }
                const std::string word = RandomWord(random, length, alphabet);
                const bool isNew = reference.insert(word).second;
                ASSERT_EQ(set.Insert(word), isNew) << word;
                if (isNew) {
                    order.push_back(word);
                }
            }
            ASSERT_EQ(set.GetCount(), order.size());
            for (std::uint32_t i = 0; i < order.size(); ++i) {
                ASSERT_EQ(set.At(i), order[i]);
                ASSERT_TRUE(set.Contains(order[i]));
            }
            for (int i = 0; i < 20000; ++i) {
                const std::string probe = RandomWord(random, length, 26);
                ASSERT_EQ(set.Contains(probe), reference.count(probe) == 1) << probe;
            }
        }
    }
}

TEST(WordSet, RefusesWordsOfAnotherLengthAndTellsTheirAbsence) {
    WordSet set(4);
    EXPECT_FALSE(set.Contains("word"));  // empty
    EXPECT_TRUE(set.Insert("word"));
    EXPECT_FALSE(set.Insert("words"));
    EXPECT_FALSE(set.Insert("wor"));
    EXPECT_FALSE(set.Contains("wordy"));
    EXPECT_FALSE(set.Contains("wor"));
    EXPECT_FALSE(set.Contains("Word"));  // the set holds what it was given, case and all
    EXPECT_EQ(set.GetCount(), 1u);
}

// Appended words wait in the block until the set is asked about them; then duplicates go and
// the order of first addition stays, whether the asking comes once at the end or between
// appends.
TEST(WordSet, AppendedWordsAreSettledWhenAskedAbout) {
    for (const std::size_t length : {1u, 3u, 8u, 9u, 33u}) {
        for (const int askEvery : {0, 1, 97, 5000}) {
            SCOPED_TRACE(testing::Message() << "length " << length << " asked every " << askEvery);
            std::mt19937 random(static_cast<unsigned>(length + askEvery));
            const int alphabet = length <= 3 ? 6 : 26;
            WordSet set(static_cast<std::uint32_t>(length));
            std::unordered_set<std::string> reference;
            std::vector<std::string> order;
            for (int i = 1; i <= 20000; ++i) {
                const std::string word = RandomWord(random, length, alphabet);
                set.Append(word);
                if (reference.insert(word).second) {
                    order.push_back(word);
                }
                if (askEvery != 0 && i % askEvery == 0) {
                    ASSERT_TRUE(set.Contains(word));
                    ASSERT_EQ(set.GetCount(), order.size());
                }
            }
            ASSERT_EQ(set.GetCount(), order.size());
            for (std::uint32_t i = 0; i < order.size(); ++i) {
                ASSERT_EQ(set.At(i), order[i]);
            }
            EXPECT_FALSE(set.Insert(order.front())) << "inserting after appending still finds";
        }
    }
}

TEST(WordSet, AppendIgnoresWordsOfAnotherLength) {
    WordSet set(4);
    set.Append("word");
    set.Append("words");
    set.Append("wor");
    set.Append(std::string("\0ord", 4));
    EXPECT_EQ(set.GetCount(), 1u);
    EXPECT_TRUE(set.Contains("word"));
}

// A file of one word over and over takes the memory of that word, not of the file.
TEST(WordSet, DuplicatesWaitingToBeSettledStayFewerThanTheWordsKept) {
    WordSet set(8);
    for (int i = 0; i < 2000000; ++i) {
        set.Append(i % 3 == 0 ? "lampdesk" : "moonfork");
    }
    EXPECT_LT(set.GetMemoryUse(), 8u * 1024 * 1024) << "sixteen megabytes of words appended";
    EXPECT_EQ(set.GetCount(), 2u);
}
