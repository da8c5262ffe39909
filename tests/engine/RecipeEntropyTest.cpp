#include "engine/RecipeEntropy.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "engine/RandomSource.h"
#include "engine/SymbolStrings.h"
#include "framework/orlIdentity.h"
#include "support/FixedIdentity.h"
#include "support/ScriptedRandomSource.h"
#include "support/TempDirectory.h"

namespace {

// --- The generator's real distribution, walked through every sequence of draws ----------------

using Distribution = std::map<std::wstring, double>;

// A source that hands out the words of a path, then zeros.
class PathSource : public RandomSource {
  public:
    std::uint32_t NextWord() override {
        const std::uint32_t word = used < path.size() ? path[used] : 0;
        ++used;
        return word;
    }

    std::vector<std::uint32_t> path;
    std::size_t used = 0;
};

// Every text make() gives, with its probability, found by running it on every sequence of
// draws. GetRandom(n) keeps the bits of a word under the smallest mask of ones that covers n
// and draws again while the value is above n. The lowest `bits` bits of a uniform word are
// uniform, so with bits at least as wide as any mask of the case, trying the values 0 to
// 2^bits - 1 for a word models it exactly. A refused value makes the same GetRandom draw
// again, so a draw's outcome is the average over its accepted values alone; and since the
// values 0 to n are accepted and the next one is either refused or wraps round to 0, the walk
// stops at the first refused value. A refused value shows as one word more used than with 0 in
// its place (0 is always accepted, and the draws after it are then the same). That needs every
// GetRandom to draw a word on every path (no pool of one character, no range of one word),
// which the walk checks: every text must have used the same number of words.
Distribution WalkAllDraws(const std::function<wxString()>& make, unsigned bits) {
    PathSource source;
    ScopedRandomSource scope(source);
    const auto run = [&](const std::vector<std::uint32_t>& path, wxString* text) {
        source.path = path;
        source.used = 0;
        const wxString made = make();
        if (text) {
            *text = made;
        }
        return source.used;
    };
    Distribution texts;
    std::set<std::size_t> wordsPerText;
    std::vector<std::uint32_t> path;
    const std::function<void(double)> explore = [&](double probability) {
        wxString text;
        const std::size_t used = run(path, &text);
        if (used <= path.size()) {
            texts[text.ToStdWstring()] += probability;
            wordsPerText.insert(used);
            return;
        }
        std::vector<std::uint32_t> accepted;
        for (std::uint32_t value = 0; value < (1u << bits); ++value) {
            path.push_back(value);
            const std::size_t usedWithValue = run(path, nullptr);
            path.pop_back();
            if (usedWithValue == used + 1) {
                break;  // refused
            }
            ASSERT_EQ(usedWithValue, used) << "a draw that took no word";
            accepted.push_back(value);
        }
        for (const std::uint32_t value : accepted) {
            path.push_back(value);
            explore(probability / static_cast<double>(accepted.size()));
            path.pop_back();
        }
    };
    explore(1.0);
    EXPECT_EQ(wordsPerText.size(), 1u) << "some draws took no word: the walk is not exact";
    return texts;
}

double EntropyOf(const Distribution& texts) {
    double bits = 0;
    for (const auto& [text, p] : texts) {
        bits -= p * std::log2(p);
    }
    return bits;
}

struct Checked {
    double passShare = 0;
    double bits = 0;
};

// The distribution restricted to the texts that pass the check, as MakeElement returns the
// first text that passes.
Checked AfterCheck(const Distribution& texts, const PasswordGenerator& generator, int level) {
    Checked result;
    for (const auto& [text, p] : texts) {
        if (!generator.IsSimplePassword(wxString(text), nullptr, level)) {
            result.passShare += p;
        }
    }
    for (const auto& [text, p] : texts) {
        if (!generator.IsSimplePassword(wxString(text), nullptr, level)) {
            const double share = p / result.passShare;
            result.bits -= share * std::log2(share);
        }
    }
    return result;
}

// --- Settings --------------------------------------------------------------------------------

// A record of random characters of the kinds named by letters: U capitals, L small letters,
// N digits, S symbols.
UseChar Random(std::uint32_t length, std::string_view kinds, bool allKinds,
               const wxString& symbols = GetDefaultSymbolString()) {
    UseChar r;
    r.Length = length;
    r.AlphabetUpper = kinds.find('U') != std::string_view::npos;
    r.AlphabetLower = kinds.find('L') != std::string_view::npos;
    r.Numeric = kinds.find('N') != std::string_view::npos;
    r.Symbol = kinds.find('S') != std::string_view::npos;
    r.SymbolString = symbols;
    r.UseAllKind = allKinds;
    return r;
}

UseChar Word(int min, int max) {
    UseChar r;
    r.Dictionary = true;
    r.DictionaryMin = min;
    r.DictionaryMax = max;
    return r;
}

UseChar Fixed(const wxString& text) {
    UseChar r;
    r.Fixed = true;
    r.FixedString = text;
    return r;
}

CharacterPools Pools(const wxString& capitals, const wxString& small, const wxString& digits) {
    CharacterPools pools;
    pools.CapitalLetter = capitals;
    pools.SmallLetter = small;
    pools.Numeric = digits;
    return pools;
}

GenerationSettings Standard(const UseChar& record, const CharacterPools& pools = CharacterPools(),
                            bool check = false) {
    GenerationSettings s;
    s.Standard = true;
    s.StandardUseChar = record;
    s.Pools = pools;
    s.DeterSimplePassword = check;
    return s;
}

GenerationSettings List(const std::vector<UseChar>& records,
                        const CharacterPools& pools = CharacterPools(), bool check = false) {
    GenerationSettings s;
    s.Standard = false;
    for (const UseChar& r : records) {
        s.CombinationUseChar.Add(r);
    }
    s.Pools = pools;
    s.DeterSimplePassword = check;
    return s;
}

// Words of lengths 1 (a, b), 2 (ab, ba) and 3 (cde, fgh, ijk); no identity names, so that the
// check judges by the texts alone.
class RecipeEntropyTest : public testing::Test {
  protected:
    void SetUp() override {
        FixedIdentity::Use("", "", "");
        dir.WriteFile("words.dic", "a\nb\nab\nba\ncde\nfgh\nijk\n");
        ASSERT_TRUE(dictionary.Load(dir.Root()));
    }
    void TearDown() override { orlSetIdentity(nullptr); }

    TempDirectory dir;
    Dictionary dictionary;
};

const CharacterPools kSmallPools = Pools("ABC", "abc", "12");

}  // namespace

// The figure is the entropy of the texts the real generator makes, found by walking all its
// draws. Each of these settings has at most one item whose elements differ in length, so the
// text is also the generator's choices.
TEST_F(RecipeEntropyTest, EqualsTheEntropyOfEveryTextTheGeneratorCanMake) {
    struct Case {
        const char* what;
        GenerationSettings settings;
        unsigned bits;  // at least as wide as the widest mask of a draw
    };
    const Case cases[] = {
        {"small letters and digits, no guarantee", Standard(Random(3, "LN", false), kSmallPools),
         3},
        {"a small letter also among the symbols, no guarantee",
         Standard(Random(3, "LS", false, "c#"), kSmallPools), 3},
        {"two kinds guaranteed", Standard(Random(3, "LN", true), kSmallPools), 3},
        {"three kinds guaranteed in four characters", Standard(Random(4, "ULN", true), kSmallPools),
         3},
        {"fewer characters than kinds", Standard(Random(2, "ULNS", true, "#$%"), kSmallPools), 2},
        {"a small letter also among the symbols, guaranteed",
         Standard(Random(3, "LS", true, "c#"), kSmallPools), 3},
        {"a letter twice in its pool, guaranteed",
         Standard(Random(3, "LN", true), Pools("ABC", "aab", "12")), 3},
        {"symbols shared with two other kinds, guaranteed",
         Standard(Random(4, "LNS", true, "a1#"), kSmallPools), 3},
        // A range given backwards (1 to 2: four words), a fixed text, three words of length 3
        // and two digits.
        {"words, a fixed text and digits",
         List({Word(2, 1), Fixed("-"), Word(3, 3), Random(2, "N", false)}, kSmallPools), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PasswordGenerator generator(c.settings, dictionary);
        const double expected =
            EntropyOf(WalkAllDraws([&] { return generator.MakePassword(); }, c.bits));
        const RecipeEntropy figure = ComputeRecipeEntropy(c.settings, dictionary);
        ASSERT_TRUE(figure.valid);
        EXPECT_NEAR(figure.bits, expected, 0.01);
        EXPECT_FALSE(figure.estimated);
        EXPECT_EQ(figure.passShare, 1.0);
    }
}

// Two words of 1 or 2 letters: 16 choices, but "a" + "ba" and "ab" + "a" (and "b" + "ab" and
// "ba" + "b") give one text, so the text has 12 * (1/16) * 4 + 2 * (1/8) * 3 = 3.75 bits. The
// figure counts the choices.
TEST_F(RecipeEntropyTest, CountsTheChoicesWhenTwoOfThemGiveOneText) {
    const GenerationSettings settings = List({Word(1, 2), Word(1, 2)});
    PasswordGenerator generator(settings, dictionary);
    const Distribution texts = WalkAllDraws([&] { return generator.MakePassword(); }, 2);
    EXPECT_NEAR(EntropyOf(texts), 3.75, 1e-9);
    EXPECT_NEAR(ComputeRecipeEntropy(settings, dictionary).bits, 4.0, 1e-9);
}

// Larger settings against figures worked out by hand.
TEST_F(RecipeEntropyTest, MatchesFiguresWorkedOutByHand) {
    // 1000 words of 3 letters (a to j) and 625 of 4 letters (a to e).
    std::string words;
    for (char x = 'a'; x <= 'j'; ++x) {
        for (char y = 'a'; y <= 'j'; ++y) {
            for (char z = 'a'; z <= 'j'; ++z) {
                words += std::string{x, y, z, '\n'};
            }
        }
    }
    for (char w = 'a'; w <= 'e'; ++w) {
        for (char x = 'a'; x <= 'e'; ++x) {
            for (char y = 'a'; y <= 'e'; ++y) {
                for (char z = 'a'; z <= 'e'; ++z) {
                    words += std::string{w, x, y, z, '\n'};
                }
            }
        }
    }
    TempDirectory wordDir;
    wordDir.WriteFile("many.dic", words);
    Dictionary many;
    ASSERT_TRUE(many.Load(wordDir.Root()));
    const std::vector<UseChar> wordList = {Word(3, 3), Word(3, 4), Fixed("-"), Word(4, 4)};

    struct Case {
        const char* what;
        GenerationSettings settings;
        double expected;
    };
    const Case cases[] = {
        // Twenty characters, all four kinds guaranteed, the default pools (26 capitals, 26 small
        // letters, 10 digits, 32 symbols: N = 94). An arrangement keeps four of the 20
        // positions, one per kind (A = 20*19*18*17 arrangements, equally likely), and the other
        // 16 draw from all 94. A text with m_j characters of kind j (every m_j >= 1) comes from
        // the m_1*m_2*m_3*m_4 arrangements that keep a position of the right kind for each, so
        //   P(text) = m_1 m_2 m_3 m_4 / (A * 26*26*10*32 * 94^16)
        // and H = E[-log2 P] = log2 A + log2(26*26*10*32) + 16 log2 94 - sum_j E[log2 m_j],
        // where m_j = 1 + B_j with B_j ~ Binomial(16, n_j / 94), the kinds of the 16 free
        // positions. log2 A = 16.8272, log2(216320) = 17.7228, 16 log2 94 = 104.8734, and
        // E[log2 m_j] = 2.3509, 2.3509, 1.2710, 2.6189 for 26, 26, 10, 32: 130.8318 bits.
        {"twenty characters of every kind, all guaranteed", Standard(Random(20, "ULNS", true)),
         130.8318},
        // The same formula with 6 free positions: 64.7454 bits (the default record).
        {"the default record", Standard(UseChar()), 64.7454},
        // Without the guarantee: 20 log2 94.
        {"twenty characters of every kind, no guarantee", Standard(Random(20, "ULNS", false)),
         131.0918},
        // 20 log2 26.
        {"twenty small letters", Standard(Random(20, "L", true)), 94.0088},
        // log2 1000 + log2 1625 + log2 625: only the second item has words of two lengths, so
        // the choices and the text have the same entropy.
        {"words only", List(wordList), 29.9197},
        // Words are never checked.
        {"words only, the check on", List(wordList, CharacterPools(), true), 29.9197},
        // Three items of twenty small letters.
        {"a list of one record three times",
         List({Random(20, "L", false), Random(20, "L", false), Random(20, "L", false)}), 282.0264},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RecipeEntropy figure = ComputeRecipeEntropy(c.settings, many);
        ASSERT_TRUE(figure.valid);
        EXPECT_NEAR(figure.bits, c.expected, 0.0001);
        EXPECT_FALSE(figure.estimated);
    }
}

// Pools of 200 characters with the guarantee have too many character counts to sum over: the
// arrangements are estimated from a sample, within the error stated. The formula above with
// 196 free positions gives 1310.9041 bits.
TEST_F(RecipeEntropyTest, EstimatesTheArrangementsOfVeryLongElements) {
    const RecipeEntropy figure =
        ComputeRecipeEntropy(Standard(Random(200, "ULNS", true)), dictionary);
    ASSERT_TRUE(figure.valid);
    EXPECT_TRUE(figure.estimated);
    EXPECT_GT(figure.errorBits, 0);
    EXPECT_LT(figure.errorBits, 0.05);
    EXPECT_NEAR(figure.bits, 1310.9041, 4 * figure.errorBits);
}

// With the check on, the element is the original one restricted to the texts that pass. Where
// the texts are few, every one is judged and the figure is exact; otherwise it is estimated
// from a sample, and lies within its stated error of the exact one.
TEST_F(RecipeEntropyTest, FollowsTheCheckExactlyOrWithinTheStatedError) {
    const CharacterPools digits = Pools("ABC", "abc", "0123456789");
    struct Case {
        const char* what;
        UseChar record;
        CharacterPools pools;
        int level;
        unsigned bits;
        std::uint32_t sampleSize;
        bool estimated;
    };
    const Case cases[] = {
        {"three digits, every text judged", Random(3, "N", false), digits, 2, 4, 1024, false},
        {"three digits, sampled", Random(3, "N", false), digits, 2, 4, 256, true},
        {"four digits, sampled", Random(4, "N", false), digits, 1, 4, 1024, true},
        {"small letters and digits guaranteed, every text judged", Random(3, "LN", true),
         Pools("ABC", "abc", "123"), 2, 3, 1024, false},
        {"small letters and digits guaranteed, sampled", Random(3, "LN", true),
         Pools("ABC", "abc", "123"), 2, 3, 64, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GenerationSettings settings = Standard(c.record, c.pools, true);
        settings.StrengthCheckLevel = c.level;
        PasswordGenerator generator(settings, dictionary);
        const Distribution texts = WalkAllDraws(
            [&] { return generator.MakeRandomElement(c.record, settings.Pools); }, c.bits);
        const Checked exact = AfterCheck(texts, generator, c.level);
        ASSERT_GT(exact.passShare, 0.1);
        ASSERT_LT(exact.passShare, 0.95);

        EntropyOptions options;
        options.sampleSize = c.sampleSize;
        const RecipeEntropy figure = ComputeRecipeEntropy(settings, dictionary, options);
        ASSERT_TRUE(figure.valid);
        EXPECT_EQ(figure.estimated, c.estimated);
        if (!c.estimated) {
            EXPECT_NEAR(figure.bits, exact.bits, 0.01);
            EXPECT_NEAR(figure.passShare, exact.passShare, 1e-9);
            EXPECT_EQ(figure.errorBits, 0);
            continue;
        }
        const double shareError = std::sqrt(exact.passShare * (1 - exact.passShare) / c.sampleSize);
        EXPECT_NEAR(figure.passShare, exact.passShare, 4 * shareError);
        EXPECT_GT(figure.errorBits, 0);
        EXPECT_NEAR(figure.bits, exact.bits, 4 * figure.errorBits);
    }
}

// Turning the check on lowers the figure by about -log2 of the pass share: exactly for a
// uniform element, within the stated error for one whose texts differ in probability.
TEST_F(RecipeEntropyTest, TheCheckLowersTheFigureByTheLogOfThePassShare) {
    struct Case {
        const char* what;
        GenerationSettings settings;
        double tolerance;  // in stated errors; 0 for an exact equality
    };
    const Case cases[] = {
        {"five digits", Standard(Random(5, "N", false)), 0},
        {"eight characters of every kind, guaranteed", Standard(Random(8, "ULNS", true)), 4},
        {"a list of six small letters twice and four digits",
         List({Random(6, "L", false), Fixed("-"), Random(6, "L", false), Random(4, "N", false)}),
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GenerationSettings on = c.settings;
        on.DeterSimplePassword = true;
        const RecipeEntropy without = ComputeRecipeEntropy(c.settings, dictionary);
        const RecipeEntropy with = ComputeRecipeEntropy(on, dictionary);
        ASSERT_TRUE(without.valid);
        ASSERT_TRUE(with.valid);
        EXPECT_EQ(without.passShare, 1.0);
        EXPECT_LT(with.passShare, 1.0);
        EXPECT_TRUE(with.estimated);
        const double expected = without.bits + std::log2(with.passShare);
        EXPECT_NEAR(with.bits, expected, c.tolerance * with.errorBits + 1e-9);
    }
}

// The sample has a generator of its own: the figure does not draw from the process's random
// state (a scripted source with no words would fail the test) and is the same every time; a
// different seed gives a different sample and a figure within the stated error.
TEST_F(RecipeEntropyTest, TheSampleIsItsOwnAndRepeatable) {
    ScriptedRandomSource noDraws;
    ScopedRandomSource scope(noDraws);
    const GenerationSettings settings = Standard(Random(8, "ULNS", true), CharacterPools(), true);
    const RecipeEntropy first = ComputeRecipeEntropy(settings, dictionary);
    const RecipeEntropy again = ComputeRecipeEntropy(settings, dictionary);
    EntropyOptions otherSeed;
    otherSeed.seed = 7;
    const RecipeEntropy other = ComputeRecipeEntropy(settings, dictionary, otherSeed);
    ASSERT_TRUE(first.valid);
    EXPECT_EQ(first.bits, again.bits);
    EXPECT_EQ(first.passShare, again.passShare);
    EXPECT_NE(first.bits, other.bits);
    EXPECT_NEAR(first.bits, other.bits, 4 * std::hypot(first.errorBits, other.errorBits));
}

// Settings the generator refuses, or cannot make a password from, give no figure; a chosen
// kind with an empty pool matters only where a position is kept for it.
TEST_F(RecipeEntropyTest, GivesNoFigureWhereTheGeneratorMakesNoPassword) {
    Dictionary noWords;
    UseChar noKind = Random(8, "", true);
    const CharacterPools noDigits = Pools("ABC", "abc", "");
    struct Case {
        const char* what;
        GenerationSettings settings;
        const Dictionary* words;
        bool valid;
    };
    const Case cases[] = {
        {"no kind chosen", Standard(noKind), &dictionary, false},
        {"no kind chosen, no guarantee", Standard(Random(8, "", false)), &dictionary, false},
        {"length 0", Standard(Random(0, "ULNS", true)), &dictionary, false},
        {"an empty pool kept for its kind", Standard(Random(8, "LN", true), noDigits), &dictionary,
         false},
        {"an empty pool kept for a kind the length leaves out",
         Standard(Random(1, "ULN", true), noDigits), &dictionary, false},
        {"an empty pool without the guarantee", Standard(Random(8, "LN", false), noDigits),
         &dictionary, true},
        {"an empty symbol string kept for its kind", Standard(Random(8, "LS", true, "")),
         &dictionary, false},
        {"an empty list", List({}), &dictionary, false},
        {"a range without words", List({Random(4, "L", false), Word(5, 9)}), &dictionary, false},
        {"a fixed item without text", List({Random(4, "L", false), Fixed("")}), &dictionary, false},
        {"a word item without a dictionary", List({Random(4, "L", false), Word(1, 3)}), &noWords,
         false},
        {"one word item, the check on", List({Word(1, 3)}, CharacterPools(), true), &dictionary,
         false},
        {"one word item, the check off", List({Word(1, 3)}), &dictionary, true},
        // 777: the same character throughout, always simple.
        {"only simple texts", Standard(Random(3, "N", false), Pools("A", "a", "7"), true),
         &dictionary, false},
        {"only simple texts, the check off", Standard(Random(3, "N", false), Pools("A", "a", "7")),
         &dictionary, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ComputeRecipeEntropy(c.settings, *c.words).valid, c.valid);
    }
}

TEST(EntropyStrength, NamesTheFigureByItsBounds) {
    struct Case {
        double bits;
        EntropyStrength strength;
        const char* text;
    };
    const Case cases[] = {
        {0, EntropyStrength::kWeak, "weak"},      {49.99, EntropyStrength::kWeak, "weak"},
        {50, EntropyStrength::kFair, "fair"},     {79.99, EntropyStrength::kFair, "fair"},
        {80, EntropyStrength::kStrong, "strong"}, {130.8, EntropyStrength::kStrong, "strong"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        EXPECT_EQ(RateEntropy(c.bits), c.strength);
        EXPECT_EQ(GetEntropyStrengthText(RateEntropy(c.bits)), c.text);
    }
}

TEST(EntropyStrength, TheWordGoesWithTheFigureAsShown) {
    struct Case {
        double bits;
        EntropyNumber number;
        const char* locale;
        const char* text;
    };
    const Case cases[] = {
        {49.94, EntropyNumber::kPoint, "C", "49.9 bits, weak"},
        {49.96, EntropyNumber::kPoint, "C", "50.0 bits, fair"},
        {79.96, EntropyNumber::kPoint, "C", "80.0 bits, strong"},
        {130.8318, EntropyNumber::kPoint, "fr_FR.UTF-8", "130.8 bits, strong"},
        {64.66, EntropyNumber::kLocale, "C", "64.7 bits, fair"},
        {64.66, EntropyNumber::kLocale, "fr_FR.UTF-8", "64,7 bits, fair"},
        {0, EntropyNumber::kLocale, "fr_FR.UTF-8", "0,0 bits, weak"},
    };
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " in " << c.locale);
        ASSERT_NE(std::setlocale(LC_NUMERIC, c.locale), nullptr) << "the test command makes it";
        EXPECT_EQ(GetEntropyText(c.bits, c.number), c.text);
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
}
