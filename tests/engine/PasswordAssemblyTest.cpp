#include <gtest/gtest.h>

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
        ++m_draws;
        return m_source.NextWord();
    }
    int Draws() const { return m_draws; }

  private:
    SystemRandomSource m_source;
    int m_draws = 0;
};

UseChar Fixed(const char* text) {
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

    // Ten digits cannot make eleven different passwords.
    EXPECT_FALSE(gen.MakePasswords(batch, 11));
    EXPECT_EQ(batch.size(), 10u);
    EXPECT_EQ(std::set<wxString>(batch.begin(), batch.end()).size(), 10u);

    settings.PermitDuplication = true;
    EXPECT_TRUE(gen.MakePasswords(batch, 11));
    EXPECT_EQ(batch.size(), 11u);

    settings.PermitDuplication = false;
    settings.StandardUseChar = Fixed("same");
    EXPECT_FALSE(gen.MakePasswords(batch, 2));
    EXPECT_EQ(batch.size(), 1u);
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
