#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <set>

#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "engine/SystemRandomSource.h"
#include "support/FixedIdentity.h"
#include "support/TempDirectory.h"

namespace {

// The system's randomness, counted.
class CountingRandomSource : public RandomSource {
  public:
    std::uint32_t NextWord() override {
        ++draws;
        return source.NextWord();
    }
    int Draws() const { return draws; }

  private:
    SystemRandomSource source;
    int draws = 0;
};

// A steady clock that moves on by a step each time it is read, and counts the readings.
class SteppingClock {
  public:
    explicit SteppingClock(std::chrono::nanoseconds interval) : step(interval) {}
    PasswordGenerator::Clock Get() {
        return [this] { return Start() + step * readings++; };
    }
    static std::chrono::steady_clock::time_point Start() {
        return std::chrono::steady_clock::time_point(std::chrono::hours(1));
    }
    int Readings() const { return readings; }

  private:
    std::chrono::nanoseconds step;
    int readings = 0;
};

UseChar Fixed(const wxString& text) {
    UseChar r;
    r.Fixed = true;
    r.FixedString = text;
    return r;
}

UseChar Word(int minimum, int maximum) {
    UseChar r;
    r.Dictionary = true;
    r.DictionaryMin = minimum;
    r.DictionaryMax = maximum;
    return r;
}

UseChar Digits(std::uint32_t length) {
    UseChar r;
    r.Length = length;
    r.AlphabetUpper = r.AlphabetLower = r.Symbol = false;
    return r;
}

UseChar Letters(std::uint32_t length) {
    UseChar r;
    r.Length = length;
    r.AlphabetUpper = r.Numeric = r.Symbol = false;
    return r;
}

class PasswordAssemblyTest : public testing::Test {
  protected:
    void SetUp() override {
        FixedIdentity::Use("", "", "");
        dir.WriteFile("words.dic", "castle\nriver\nbridge\n");
        ASSERT_TRUE(dictionary.Load(dir.Root()));
        settings.DeterSimplePassword = true;
        settings.StrengthCheckLevel = 2;
        gen.Seed();
    }
    void TearDown() override { orlSetIdentity(nullptr); }

    void UseCombination(std::initializer_list<UseChar> records) {
        settings.Standard = false;
        settings.CombinationUseChar.Clear();
        for (const UseChar& r : records) {
            settings.CombinationUseChar.Add(r);
        }
    }

    void UseRepeated(const UseChar& record, int times) {
        settings.Standard = false;
        settings.CombinationUseChar.Clear();
        for (int i = 0; i < times; ++i) {
            settings.CombinationUseChar.Add(record);
        }
    }

    TempDirectory dir;
    Dictionary dictionary;
    GenerationSettings settings;
    PasswordGenerator gen{settings, dictionary};
};

}  // namespace

TEST_F(PasswordAssemblyTest, AFixedTextWinsOverTheDictionaryAndIsNeverChecked) {
    UseChar record = Fixed("castle");  // a dictionary word, which the check would refuse
    record.Dictionary = true;
    EXPECT_EQ(gen.MakeElement(record), "castle");
    EXPECT_EQ(gen.MakeElement(Fixed("")), "");
}

TEST_F(PasswordAssemblyTest, ADictionaryElementIsAWordOfItsLengthRange) {
    std::set<wxString> seen;
    for (int i = 0; i < 200; ++i) {
        const wxString word = gen.MakeElement(Word(5, 5));
        ASSERT_EQ(word, "river");
        seen.insert(gen.MakeElement(Word(6, 5)));  // a range given the wrong way round
    }
    EXPECT_EQ(seen, (std::set<wxString>{"castle", "river", "bridge"}));
    EXPECT_EQ(gen.MakeElement(Word(7, 9)), "");
}

TEST_F(PasswordAssemblyTest, ARandomElementThatStaysSimpleFailsAfterExactlyOneHundredAttempts) {
    settings.Pools.Numeric = "77";  // two draws of one bit for every character: 777 each time
    CountingRandomSource source;
    ScopedRandomSource scope(source);
    EXPECT_EQ(gen.MakeElement(Digits(3)), "");
    EXPECT_EQ(source.Draws(), 100 * 3);

    settings.DeterSimplePassword = false;
    EXPECT_EQ(gen.MakeElement(Digits(3)), "777");
}

TEST_F(PasswordAssemblyTest, RandomElementsThatPassTheCheckAreKept) {
    UseChar record;
    record.Length = 12;
    for (int i = 0; i < 200; ++i) {
        const wxString element = gen.MakeElement(record);
        ASSERT_EQ(element.length(), 12u);
        int code = 99;
        EXPECT_FALSE(gen.IsSimplePassword(element, &code, 2)) << element.utf8_string();
        EXPECT_EQ(code, 0);
    }
}

TEST_F(PasswordAssemblyTest, APasswordIsTheStandardElementOrTheWholeCombination) {
    settings.Standard = true;
    settings.StandardUseChar = Fixed("standard");
    EXPECT_EQ(gen.MakePassword(), "standard");

    UseCombination({Fixed("id-"), Digits(4)});
    for (int i = 0; i < 50; ++i) {
        const wxString password = gen.MakePassword();
        ASSERT_EQ(password.length(), 7u);
        EXPECT_TRUE(password.StartsWith("id-")) << password.utf8_string();
    }

    UseCombination({Fixed("a"), Word(7, 9), Digits(4)});  // no word of 7 to 9 letters
    EXPECT_EQ(gen.MakePassword(), "");
    UseCombination({});
    EXPECT_EQ(gen.MakePassword(), "");
}

TEST_F(PasswordAssemblyTest, BatchesHoldDifferentPasswordsUnlessDuplicatesArePermitted) {
    settings.StandardUseChar = Digits(1);
    wxArrayString batch;
    ASSERT_TRUE(gen.MakePasswords(batch, 5));
    EXPECT_EQ(std::set<wxString>(batch.begin(), batch.end()).size(), 5u);

    // Ten digits cannot make eleven different passwords: the batch gives up before it
    // makes any.
    EXPECT_FALSE(gen.MakePasswords(batch, 11));
    EXPECT_TRUE(batch.empty());

    settings.PermitDuplication = true;
    EXPECT_TRUE(gen.MakePasswords(batch, 11));
    EXPECT_EQ(batch.size(), 11u);

    settings.PermitDuplication = false;
    settings.StandardUseChar = Fixed("same");
    EXPECT_FALSE(gen.MakePasswords(batch, 2));
    EXPECT_TRUE(batch.empty());
    EXPECT_TRUE(gen.MakePasswords(batch, 0));
    EXPECT_TRUE(batch.empty());

    settings.StandardUseChar = Fixed("");  // a failing password ends the batch at once
    EXPECT_FALSE(gen.MakePasswords(batch, 3));
    EXPECT_TRUE(batch.empty());
}

TEST_F(PasswordAssemblyTest, ABatchTellsPasswordsApartByLetterCase) {
    wxArrayString batch;
    batch.Add("Ab1");
    EXPECT_TRUE(PasswordGenerator::ContainsPassword(batch, "Ab1"));
    EXPECT_FALSE(PasswordGenerator::ContainsPassword(batch, "aB1"));
    EXPECT_FALSE(PasswordGenerator::ContainsPassword(batch, "Ab"));

    settings.StandardUseChar = Digits(1);
    settings.StandardUseChar.AlphabetLower = true;
    settings.Pools.SmallLetter = "a";
    settings.Pools.Numeric = "";
    settings.StandardUseChar.Numeric = false;
    settings.StandardUseChar.AlphabetUpper = true;
    settings.Pools.CapitalLetter = "A";
    EXPECT_TRUE(gen.MakePasswords(batch, 2));  // "a" and "A"
    EXPECT_EQ(std::set<wxString>(batch.begin(), batch.end()), (std::set<wxString>{"a", "A"}));
}

// A batch that needs more different passwords than the settings can make gives up at once:
// it makes no password, draws no random number and does not even look at the clock.
TEST_F(PasswordAssemblyTest, ABatchThatCannotBeMadeGivesUpBeforeMakingAPassword) {
    struct Case {
        const char* what;
        std::function<void()> use;
        std::uint32_t count;
    };
    const Case cases[] = {
        {"399 fixed texts of 2000 characters, two passwords",
         [&] { UseRepeated(Fixed(wxString('f', 2000)), 399); }, 2},
        {"1000 one-letter elements from a pool of one letter, two passwords",
         [&] {
             settings.Pools.SmallLetter = "q";
             UseRepeated(Letters(1), 1000);
         },
         2},
        {"one digit, eleven passwords", [&] { settings.StandardUseChar = Digits(1); }, 11},
        {"three dictionary words, four passwords", [&] { UseCombination({Word(5, 6)}); }, 4},
        {"three words and ten digits, 31 passwords",
         [&] {
             UseCombination({Word(5, 6), Digits(1)});
         },
         31},
        {"pools that share their letters count each letter once",
         [&] {
             settings.Pools.CapitalLetter = "ab";
             settings.Pools.SmallLetter = "ba";
             UseChar record = Letters(2);
             record.AlphabetUpper = true;
             settings.StandardUseChar = record;
         },
         5},
        {"no dictionary word of the length", [&] { UseCombination({Word(9, 12)}); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings = GenerationSettings();
        settings.DeterSimplePassword = false;
        c.use();
        CountingRandomSource source;
        ScopedRandomSource scope(source);
        SteppingClock clock(PasswordGenerator::kBatchTimeLimit);
        gen.SetClock(clock.Get());
        wxArrayString batch;
        batch.Add("old");
        EXPECT_FALSE(gen.MakePasswords(batch, c.count));
        EXPECT_TRUE(batch.empty());
        EXPECT_EQ(source.Draws(), 0);
        EXPECT_EQ(clock.Readings(), 0);
    }
}

// Settings that can make exactly as many different passwords as the batch needs make it,
// however many duplicates come on the way (the clock stands still here).
TEST_F(PasswordAssemblyTest, ABatchOfExactlyAsManyPasswordsAsTheSettingsCanMakeIsMade) {
    struct Case {
        const char* what;
        std::function<void()> use;
        std::uint32_t count;
    };
    const Case cases[] = {
        {"one digit, ten passwords", [&] { settings.StandardUseChar = Digits(1); }, 10},
        {"two letters, length 10, 1000 of the 1024",
         [&] {
             settings.Pools.SmallLetter = "xy";
             settings.StandardUseChar = Letters(10);
         },
         1000},
        {"three words and ten digits, 30 passwords",
         [&] {
             UseCombination({Word(5, 6), Fixed("-"), Digits(1)});
         },
         30},
        {"a fixed text, one password", [&] { settings.StandardUseChar = Fixed("same"); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings = GenerationSettings();
        settings.DeterSimplePassword = false;
        c.use();
        SteppingClock clock(std::chrono::nanoseconds(0));
        gen.SetClock(clock.Get());
        wxArrayString batch;
        ASSERT_TRUE(gen.MakePasswords(batch, c.count));
        EXPECT_EQ(std::set<wxString>(batch.begin(), batch.end()).size(), c.count);
    }
}

// A batch that still meets duplicates when the time limit has passed gives up; one that
// meets none, or permits them, never asks the time.
TEST_F(PasswordAssemblyTest, ABatchGivesUpAtADuplicateOnceTheTimeLimitHasPassed) {
    settings.StandardUseChar = Digits(2);  // 100 passwords: duplicates are all but certain
    settings.DeterSimplePassword = false;
    struct Case {
        const char* what;
        std::chrono::nanoseconds step;
        bool made;
    };
    const Case cases[] = {
        {"just within the limit at every reading",
         PasswordGenerator::kBatchTimeLimit - std::chrono::nanoseconds(1), true},
        {"the limit reached at the first duplicate", PasswordGenerator::kBatchTimeLimit, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The first reading starts the batch; every later one is at the step after it.
        int readings = 0;
        gen.SetClock([&] {
            return SteppingClock::Start() +
                   (readings++ == 0 ? std::chrono::nanoseconds(0) : c.step);
        });
        wxArrayString batch;
        EXPECT_EQ(gen.MakePasswords(batch, 100), c.made);
        EXPECT_GT(readings, 1) << "no duplicate was met";
        if (!c.made) {
            EXPECT_EQ(readings, 2) << "it gives up at the first duplicate";
        }
    }

    SteppingClock clock(PasswordGenerator::kBatchTimeLimit);
    gen.SetClock(clock.Get());
    settings.PermitDuplication = true;
    wxArrayString batch;
    EXPECT_TRUE(gen.MakePasswords(batch, 1000));
    EXPECT_EQ(clock.Readings(), 0);
}
