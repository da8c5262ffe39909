#include "engine/WordSet.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kCacheLine = 64;
// The table grows when this share of its slots is taken.
constexpr double kMaxLoad = 0.85;
// Appended words wait for the table until this many, or as many as the words kept, wait.
constexpr std::uint32_t kMostWaiting = 1 << 16;

// Copies a short word without a call: fixed-size copies become plain moves.
void CopyWord(char* to, const char* from, std::size_t n) {
    if (n >= 8) {
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::memcpy(to + i, from + i, 8);
        }
        if (i < n) {
            std::memcpy(to + n - 8, from + n - 8, 8);
        }
    } else if (n >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n >= 2) {
        std::memcpy(to, from, 2);
        std::memcpy(to + n - 2, from + n - 2, 2);
    } else if (n == 1) {
        to[0] = from[0];
    }
}

std::uint64_t Load64(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

}  // namespace

WordSet::WordSet(std::uint32_t wordLength)
    : length(wordLength),
      slotsPerBucket(std::max<std::size_t>(1, kCacheLine / std::max<std::uint32_t>(wordLength, 1))),
      bucketBytes((slotsPerBucket * wordLength + kCacheLine - 1) / kCacheLine * kCacheLine) {}

std::uint64_t WordSet::Hash(std::string_view word) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    const char* p = word.data();
    std::size_t n = word.size();
    for (; n >= 8; n -= 8, p += 8) {
        h = (h ^ Load64(p)) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    std::uint64_t tail = 0;
    for (std::size_t i = 0; i < n; ++i) {
        tail |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
    }
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 29;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return h;
}

void WordSet::Prefetch(std::uint64_t hash) const {
    if (bucketCount != 0) {
        __builtin_prefetch(table.Data() + HomeBucket(hash) * bucketBytes);
    }
}

char* WordSet::FindSlot(std::string_view word, std::uint64_t hash) const {
    // Slots are compared eight bytes at a time: the first eight in one masked load (the
    // table has room beyond its last slot for that load), the rest only when those match.
    std::uint64_t head = 0;
    const std::size_t headLength = std::min<std::size_t>(length, 8);
    for (std::size_t i = 0; i < headLength; ++i) {
        head |= std::uint64_t{static_cast<unsigned char>(word[i])} << (8 * i);
    }
    const std::uint64_t headMask = headLength == 8 ? ~0ull : (1ull << (8 * headLength)) - 1;

    char* const buckets = const_cast<char*>(table.Data());
    std::size_t bucket = HomeBucket(hash);
    for (;;) {
        char* slot = buckets + bucket * bucketBytes;
        for (std::size_t s = 0; s < slotsPerBucket; ++s, slot += length) {
            const std::uint64_t stored = Load64(slot) & headMask;
            if ((stored & 0xFF) == 0) {
                return slot;  // empty
            }
            if (stored == head &&
                (length <= 8 || std::memcmp(slot + 8, word.data() + 8, length - 8) == 0)) {
                return slot;
            }
        }
        bucket = bucket + 1 == bucketCount ? 0 : bucket + 1;
    }
}

bool WordSet::Contains(std::string_view word) const {
    Settle();
    if (count == 0 || word.size() != length) {
        return false;
    }
    return FindSlot(word, Hash(word))[0] != '\0';
}

bool WordSet::Insert(std::string_view word, std::uint64_t hash) {
    if (word.size() != length || length == 0 || word[0] == '\0') {
        return false;
    }
    Settle();
    if (count >= capacity) {
        Reserve(std::max<std::size_t>(count, 64));
    }
    char* slot = FindSlot(word, hash);
    if (slot[0] != '\0') {
        return false;
    }
    if ((std::size_t{count} + 1) * length > charsCapacity) {
        ReserveChars(std::max<std::size_t>(std::size_t{count} * 2, 64));
    }
    CopyWord(slot, word.data(), length);
    CopyWord(chars.get() + std::size_t{count} * length, word.data(), length);
    ++count;
    ++added;
    return true;
}

void WordSet::Append(std::string_view word) {
    if (word.size() != length || length == 0 || word[0] == '\0') {
        return;
    }
    if ((std::size_t{added} + 1) * length > charsCapacity) {
        ReserveChars(std::max<std::size_t>(std::size_t{added} * 2, 64));
    }
    CopyWord(chars.get() + std::size_t{added} * length, word.data(), length);
    ++added;
    if (added - count >= std::max<std::uint32_t>(kMostWaiting, count)) {
        SettleAppended();
    }
}

void WordSet::SettleAppended() {
    if (added > capacity) {
        Rebuild(BucketsFor(added));
    }
    // Hashes are made a few words ahead, so that the bucket of each word is being fetched
    // while the words before it go in.
    constexpr std::uint32_t kAhead = 16;
    std::uint64_t hashes[kAhead];
    const std::uint32_t first = count;
    for (std::uint32_t i = first; i < added && i < first + kAhead; ++i) {
        hashes[i % kAhead] = Hash({chars.get() + std::size_t{i} * length, length});
        Prefetch(hashes[i % kAhead]);
    }
    std::uint32_t kept = first;
    for (std::uint32_t i = first; i < added; ++i) {
        const char* word = chars.get() + std::size_t{i} * length;
        const std::uint64_t hash = hashes[i % kAhead];
        if (i + kAhead < added) {
            hashes[i % kAhead] = Hash({word + std::size_t{kAhead} * length, length});
            Prefetch(hashes[i % kAhead]);
        }
        char* slot = FindSlot({word, length}, hash);
        if (slot[0] != '\0') {
            continue;  // a duplicate
        }
        CopyWord(slot, word, length);
        if (kept != i) {
            std::memcpy(chars.get() + std::size_t{kept} * length, word, length);
        }
        ++kept;
    }
    count = kept;
    added = kept;
}

void WordSet::Reserve(std::size_t more) {
    Settle();
    const std::size_t wanted = std::size_t{count} + more;
    ReserveChars(wanted);
    if (wanted <= capacity) {
        return;
    }
    Rebuild(BucketsFor(wanted));
}

void WordSet::ShrinkToFit() {
    const std::size_t bytes = std::size_t{added} * length;
    if (bytes < charsCapacity) {
        ResizeChars(bytes);
    }
    if (count != 0 && added == count && BucketsFor(count) < bucketCount) {
        Rebuild(BucketsFor(count));
    }
}

std::size_t WordSet::BucketsFor(std::size_t words) const {
    return static_cast<std::size_t>(static_cast<double>(words) / kMaxLoad /
                                    static_cast<double>(slotsPerBucket)) +
           2;
}

void WordSet::ReserveChars(std::size_t words) {
    const std::size_t bytes = words * length;
    if (bytes > charsCapacity) {
        ResizeChars(bytes);
    }
}

void WordSet::ResizeChars(std::size_t bytes) {
    if (bytes == 0) {
        chars.reset();
        charsCapacity = 0;
        return;
    }
    char* const block = static_cast<char*>(std::realloc(chars.get(), bytes));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    (void)chars.release();
    chars.reset(block);
    charsCapacity = bytes;
}

void WordSet::FreeBlock::operator()(char* block) const {
    std::free(block);
}

void WordSet::Rebuild(std::size_t buckets) {
    bucketCount = buckets;
    capacity = static_cast<std::size_t>(static_cast<double>(buckets * slotsPerBucket) * kMaxLoad);
    table = ZeroedBuffer(buckets * bucketBytes + kCacheLine);
    for (std::uint32_t index = 0; index < count; ++index) {
        const std::string_view word(chars.get() + std::size_t{index} * length, length);
        std::memcpy(FindSlot(word, Hash(word)), word.data(), length);
    }
}
