// Where the generator's randomness comes from. The process has one random state: the
// operating system's cryptographic generator, unless a test has put a source of its own in.
#pragma once

#include <cstdint>

class RandomSource {
  public:
    virtual ~RandomSource() = default;

    // 32 independent, uniformly distributed random bits.
    virtual std::uint32_t NextWord() = 0;
};

namespace RandomState {

// Prepares the operating system's generator; later calls do nothing.
void Seed();
bool IsSeeded();

// The source every draw of the process comes from: an installed one, else the system's
// generator (prepared on first use if nobody seeded it).
RandomSource& Current();

// Makes every draw of the process come from the given source, until it is replaced;
// a null source goes back to the system's generator. Returns the source it replaces.
RandomSource* Install(RandomSource* source);

}  // namespace RandomState

// Installs a source for the lifetime of this object: for tests, and for a computation that
// draws from a seeded source of its own.
class ScopedRandomSource {
  public:
    explicit ScopedRandomSource(RandomSource& source) : previous(RandomState::Install(&source)) {}
    ~ScopedRandomSource() { RandomState::Install(previous); }
    ScopedRandomSource(const ScopedRandomSource&) = delete;
    ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

  private:
    RandomSource* previous;
};
