// Makes passwords. It keeps no state of its own: every instance draws from the process-wide
// random state and works from the settings, the dictionary and the clock it is given, so one
// can be made on the stack wherever it is needed.
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

#include "engine/CharacterPools.h"
#include "engine/GenerationSettings.h"
#include "engine/RandomSource.h"
#include "engine/UseChar.h"

class Dictionary;

class PasswordGenerator {
  public:
    // The result codes of the simple-password check.
    enum CheckResult {
        kOffTheSubject = 1,  // shorter than 3 characters: not judged
        kPassed = 0,
        kTooShort = -1,
        kSequential = -2,
        kRepeated = -3,
        kUserName = -4,
        kHostName = -5,
        kKeyboardRun = -6,
        kDictionaryWord = -7,
    };

    // The time a batch spends making passwords again because they were made before; a batch
    // still finding duplicates after this long gives up.
    static constexpr std::chrono::milliseconds kBatchTimeLimit{1000};

    // The steady time a batch is measured by.
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // Default settings and the process's dictionary.
    PasswordGenerator();
    // Both must outlive the generator.
    PasswordGenerator(const GenerationSettings& givenSettings, const Dictionary& givenDictionary);

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

    // --- Simple-password checks -------------------------------------------------------------

    // True when the password is simple: too short, a sequential run, one character used too
    // often, the user's or the host's name, a run of neighbouring keys or a dictionary word,
    // also read backwards or trimmed by a character, and at level 2 also without punctuation
    // or with common letter substitutions undone. A level of 0 means the settings' level.
    bool IsSimplePassword(const wxString& password, int* code = nullptr, int level = 0) const;
    // The translated text of a result code.
    static wxString GetResultText(int code);
    // False, after reporting why, when the combination settings cannot work.
    bool CheckSetting(GenerationReporter& reporter) const;

    // --- Assembly -------------------------------------------------------------------------------

    // One element of a record: its fixed text, a dictionary word of its length range, or
    // random characters remade while they look simple (at most 100 attempts). Empty when it
    // cannot be made.
    wxString MakeElement(const UseChar& record);
    // One whole password from the settings; empty when it cannot be made.
    wxString MakePassword();

    // --- Batches --------------------------------------------------------------------------------

    // Fills the batch with count passwords, all different unless the settings permit
    // duplicates. False when it gave up; the batch then holds what was made before. It
    // gives up before making any when the settings cannot make count different passwords
    // (CountPossiblePasswords), and at a duplicate made after 100000 others at one position
    // or after kBatchTimeLimit since the batch began.
    bool MakePasswords(wxArrayString& batch, std::uint32_t count);
    static bool ContainsPassword(const wxArrayString& batch, const wxString& text);

    // Replaces the steady clock (for tests).
    void SetClock(Clock replacement) { clock = std::move(replacement); }

    const GenerationSettings& GetSettings() const { return *settings; }
    const Dictionary& GetDictionary() const { return *dictionary; }

  private:
    const GenerationSettings* settings;
    const Dictionary* dictionary;
    Clock clock = [] { return std::chrono::steady_clock::now(); };
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
