// The words of one length, each held once, in the order they were first added. The words
// lie side by side in one block of ASCII bytes (for drawing by index), and a second copy of
// each sits in a hash table of 64-byte buckets, so that a lookup nearly always reads a
// single cache line and compares there.
//
// Words appended (Append) only join the block: the table takes them, and drops the ones it
// already holds, when the set is first asked about its words. A load therefore costs little
// more than reading the files, and the tables of the lengths nobody asks about are never
// made. Duplicates waiting in the block are weeded out before they outnumber the words kept,
// so the memory stays in proportion to the words kept. Asking settles the set, so the set is
// used from one thread at a time, as the program does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/ZeroedBuffer.h"

class WordSet {
  public:
    explicit WordSet(std::uint32_t wordLength);

    std::uint32_t GetLength() const { return length; }
    std::uint32_t GetCount() const {
        Settle();
        return count;
    }

    // Makes room for this many more words without growing while they are added.
    void Reserve(std::size_t more);
    // Gives back the room kept for words not added (the room grows twofold as words come).
    void ShrinkToFit();

    // The hash of a word, to be handed to the operations below.
    static std::uint64_t Hash(std::string_view word);

    // Asks the processor to fetch the bucket of a word that will soon be added or looked up.
    void Prefetch(std::uint64_t hash) const;

    // Adds the word (of exactly GetLength() bytes, none of them NUL) unless it is already
    // there; true when added.
    bool Insert(std::string_view word) { return Insert(word, Hash(word)); }
    bool Insert(std::string_view word, std::uint64_t hash);
    // Adds the word (of exactly GetLength() bytes, none of them NUL; others are ignored) to
    // be settled later: a duplicate is dropped then.
    void Append(std::string_view word);
    bool Contains(std::string_view word) const;

    // The word added index-th (0-based), for index below GetCount().
    std::string_view At(std::uint32_t index) const {
        Settle();
        return {chars.get() + std::size_t{index} * length, length};
    }

    // Bytes held, for the memory figures of the benchmarks.
    std::size_t GetMemoryUse() const { return charsCapacity + table.Size(); }

  private:
    // Puts the appended words into the table, dropping duplicates and closing the gaps they
    // leave in the block. Changes no word the set holds, so the set stays the same to its
    // users.
    void Settle() const {
        if (added != count) {
            const_cast<WordSet*>(this)->SettleAppended();
        }
    }
    void SettleAppended();
    std::size_t HomeBucket(std::uint64_t hash) const {
        return static_cast<std::size_t>(((hash >> 32) * bucketCount) >> 32);
    }
    // The slot holding the word, or the first empty slot where it would go. A slot whose
    // first byte is NUL is empty; slots fill in order, so an empty one ends the search.
    char* FindSlot(std::string_view word, std::uint64_t hash) const;
    // The buckets that hold this many words.
    std::size_t BucketsFor(std::size_t words) const;
    void Rebuild(std::size_t buckets);
    void ReserveChars(std::size_t words);
    // Makes the block hold exactly this many bytes, keeping its words.
    void ResizeChars(std::size_t bytes);

    std::uint32_t length;
    std::uint32_t count = 0;  // the words in the table, first in the block
    std::uint32_t added = 0;  // the words in the block, settled or not
    std::size_t slotsPerBucket;
    std::size_t bucketBytes;
    std::size_t bucketCount = 0;
    std::size_t capacity = 0;  // words the table takes before it grows
    // The words in the order added, `added` of them, in room for charsCapacity bytes. The
    // block comes from the C heap, so that growing it can move its pages instead of copying.
    struct FreeBlock {
        void operator()(char* block) const;
    };
    std::unique_ptr<char, FreeBlock> chars;
    std::size_t charsCapacity = 0;
    ZeroedBuffer table;
};
