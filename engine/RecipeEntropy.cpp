#include "engine/RecipeEntropy.h"

#include <wx/intl.h>
#include <wx/numformatter.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <compare>
#include <limits>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/Dictionary.h"
#include "engine/PasswordGenerator.h"
#include "engine/RandomSource.h"

namespace {

// Below the default sample's even share, an element still gets this many texts.
constexpr std::uint32_t kMinimumShare = 32;
// Guaranteed kinds: the most histograms of the groups' counts summed over exactly; beyond,
// the expectation over them is estimated from this many drawn histograms.
constexpr double kMaxHistograms = 65536;
constexpr std::uint32_t kArrangementSample = 4096;
// Up to this length the sum pairs the counts of its last two groups beforehand.
constexpr std::uint32_t kMaxPairedLength = 64;
// Texts shorter than this are never judged simple (PasswordGenerator::kOffTheSubject).
constexpr std::uint32_t kShortestJudged = 3;
// Longer random elements get no figure: the settings hold 1 to 20 characters, and the work
// of an evaluation grows with the length.
constexpr std::uint32_t kMaxLength = 1024;
// The most kinds a record chooses.
constexpr std::size_t kMaxKinds = 4;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Deterministic draws for the samples: the same seed gives the same draws everywhere.
class SampleSource : public RandomSource {
  public:
    explicit SampleSource(std::uint32_t seed) : engine(seed) {}

    std::uint32_t NextWord() override { return static_cast<std::uint32_t>(engine()); }

    // A number from 0 to count - 1, each equally likely; count is at least 1.
    std::uint32_t Below(std::uint32_t count) {
        if (count <= 1) {
            return 0;
        }
        const std::uint32_t n = count - 1;
        const std::uint32_t mask = ~std::uint32_t{0} >> std::countl_zero(n);
        for (;;) {
            const std::uint32_t value = static_cast<std::uint32_t>(engine()) & mask;
            if (value <= n) {
                return value;
            }
        }
    }

    // A number in [0, 1) with 53 random bits.
    double Uniform() {
        const std::uint64_t high = static_cast<std::uint32_t>(engine()) >> 5;
        const std::uint64_t low = static_cast<std::uint32_t>(engine()) >> 6;
        return static_cast<double>((high << 26) | low) * 0x1p-53;
    }

  private:
    std::mt19937 engine;
};

// The distribution of one random element, as MakeRandomElement draws it: either every
// position from the combined pool, or one position kept for each kind (guaranteed kinds).
struct ElementKey {
    std::uint32_t length = 0;
    bool guaranteed = false;
    // Guaranteed: the pool of each chosen kind (capital, small, digit, symbol order).
    // Otherwise: the combined pool alone.
    std::vector<std::wstring> pools;

    auto operator<=>(const ElementKey&) const = default;
};

std::wstring Wide(const wxString& text) {
    return std::wstring(text.wc_str(), text.length());
}

// The element of a record of random characters; none when the generator cannot make it.
std::optional<ElementKey> KeyOf(const UseChar& record, const CharacterPools& pools) {
    if (record.Length == 0) {
        return std::nullopt;  // an empty element is the generator's failure
    }
    if (record.Length > kMaxLength) {
        return std::nullopt;
    }
    const std::pair<bool, wxString> kinds[] = {
        {record.AlphabetUpper, record.GetUpperPool(pools)},
        {record.AlphabetLower, record.GetLowerPool(pools)},
        {record.Numeric, record.GetNumericPool(pools)},
        {record.Symbol, record.GetSymbolPool()},
    };
    ElementKey key;
    key.length = record.Length;
    if (record.UseAllKind && record.GetKindCount() != 1) {
        key.guaranteed = true;
        for (const auto& [chosen, pool] : kinds) {
            if (!chosen) {
                continue;
            }
            if (pool.empty()) {
                return std::nullopt;  // every kept slot must be drawable, used or not
            }
            key.pools.push_back(Wide(pool));
        }
        if (key.pools.empty()) {
            return std::nullopt;
        }
    } else {
        std::wstring combined;
        for (const auto& [chosen, pool] : kinds) {
            combined += Wide(pool);
        }
        if (combined.empty()) {
            return std::nullopt;
        }
        key.pools.push_back(std::move(combined));
    }
    return key;
}

// A polynomial in one variable per kind, each of degree at most one: coefficient T (a set of
// kinds as a bit mask) belongs to the product of the variables of T.
using SetPolynomial = std::array<double, std::size_t{1} << kMaxKinds>;

struct Estimate {
    double bits = 0;
    double error = 0;
    bool estimated = false;
};

// The probability of a text is the product of the combined-pool probabilities c(x) of its
// characters, times a factor Q for guaranteed kinds:
//     Q = (1/A) * sum over the arrangements f of the kept slots of prod_j r_j(x at f(j)),
// A being the number of arrangements and r_j(x) = p_j(x) / c(x), p_j the probability of x
// in kind j's pool. Characters with proportional pool counts have the same r and so are
// interchangeable: they form one group, and Q depends only on how many characters of each
// group the text holds. With z_j a variable per kind, the sum is the coefficient of the
// kept sets of kinds in prod over groups u of (1 + sum_j z_j r_j(u))^(count of u), whose
// square-free part has coefficient (count)_|T| * prod_{j in T} r_j(u) for the set T.
class ElementModel {
  public:
    explicit ElementModel(const ElementKey& key) : length(key.length) {
        if (key.guaranteed) {
            kindPools = key.pools;
            kinds = kindPools.size();
        }
        for (const std::wstring& pool : key.pools) {
            combined += pool;
        }
        slots = std::max<std::size_t>(length, kinds);
        kept = std::min<std::size_t>(length, kinds);
        // A = slots! / (slots - kept)!
        logArrangements = 0;
        for (std::size_t i = 0; i < kept; ++i) {
            logArrangements += std::log2(static_cast<double>(slots - i));
        }
        arrangementShare = std::exp2(-logArrangements);
        for (std::size_t set = 0; set < Sets(); ++set) {
            setSizes[set] = static_cast<std::uint8_t>(std::popcount(set));
        }
        // Every way to split each set in two, and those of the sets an arrangement keeps.
        for (std::size_t set = 0; set < Sets(); ++set) {
            const bool keptSet = static_cast<std::size_t>(std::popcount(set)) == kept;
            for (std::size_t part = set;; part = (part - 1) & set) {
                const auto rest = static_cast<std::uint8_t>(set & ~part);
                products.push_back(
                    {static_cast<std::uint8_t>(set), static_cast<std::uint8_t>(part), rest});
                if (keptSet) {
                    keptProducts.push_back({static_cast<std::uint8_t>(part), rest});
                }
                if (part == 0) {
                    break;
                }
            }
        }
        CountCharacters();
    }

    // The different texts of the element's characters, as a floating number.
    double TextCount() const {
        return std::pow(static_cast<double>(characters.size()), static_cast<double>(length));
    }

    // The entropy without the check.
    Estimate Entropy(std::uint32_t seed) const {
        Estimate result;
        double perPosition = 0;  // -sum of mu(x) log2 c(x)
        for (const Character& ch : characters) {
            perPosition -= ch.marginal * ch.log2Share;
        }
        result.bits = static_cast<double>(length) * perPosition;
        if (kinds == 0) {
            return result;
        }
        // C(length + groups - 1, groups - 1) histograms.
        double histograms = 1;
        for (std::size_t i = 1; i < groups.size(); ++i) {
            histograms = histograms * static_cast<double>(length + i) / static_cast<double>(i);
        }
        if (histograms <= kMaxHistograms) {
            result.bits -= ExpectedLog2ShareExactly();
        } else {
            const auto [mean, error] = ExpectedLog2ShareFromSample(seed);
            result.bits -= mean;
            result.error = error;
            result.estimated = true;
        }
        return result;
    }

    // -log2 of the probability of the text; infinity for a text the element never gives.
    double Surprisal(std::wstring_view text) const {
        if (text.size() != length) {
            return kInfinity;
        }
        double bits = 0;
        std::array<std::uint32_t, 64> smallCounts{};
        std::vector<std::uint32_t> largeCounts;
        std::uint32_t* counts = smallCounts.data();
        if (kinds != 0 && groups.size() > smallCounts.size()) {
            largeCounts.assign(groups.size(), 0);
            counts = largeCounts.data();
        }
        for (const wchar_t c : text) {
            const Character* ch = Find(c);
            if (!ch) {
                return kInfinity;
            }
            bits -= ch->log2Share;
            ++counts[ch->group];
        }
        if (kinds != 0) {
            const double share = ShareOfArrangements(counts);
            if (!(share > 0)) {
                return kInfinity;
            }
            bits -= std::log2(share);
        }
        return bits;
    }

    // Calls visit with every text of the element's characters (TextCount of them).
    template <typename Visit>
    void ForEachText(Visit visit) const {
        std::vector<std::size_t> digits(length, 0);
        std::wstring text(length, characters.front().code);
        for (;;) {
            visit(std::wstring_view(text));
            std::size_t i = 0;
            for (; i < length; ++i) {
                if (++digits[i] < characters.size()) {
                    text[i] = characters[digits[i]].code;
                    break;
                }
                digits[i] = 0;
                text[i] = characters.front().code;
            }
            if (i == length) {
                return;
            }
        }
    }

  private:
    struct Character {
        wchar_t code;
        double log2Share;  // log2 c(x)
        double marginal;   // the probability of x at any one position
        std::size_t group;
    };

    struct Group {
        double share = 0;  // gamma: the combined pool's probability of the group
        double logShare = 0;
        std::array<double, kMaxKinds> ratio{};      // r_j of its characters
        std::array<double, kMaxKinds> kindShare{};  // the probability of the group in pool j
        SetPolynomial ratioProducts{};              // prod_{j in T} r_j
    };

    void CountCharacters() {
        std::map<wchar_t, std::array<std::uint32_t, kMaxKinds + 1>> counts;  // per kind, total
        for (std::size_t j = 0; j < kindPools.size(); ++j) {
            for (const wchar_t c : kindPools[j]) {
                ++counts[c][j];
            }
        }
        for (const wchar_t c : combined) {
            ++counts[c][kMaxKinds];
        }
        const auto total = static_cast<double>(combined.size());
        std::map<std::array<std::uint32_t, kMaxKinds>, std::size_t> groupOf;
        for (const auto& [code, count] : counts) {
            Character ch;
            ch.code = code;
            const double share = count[kMaxKinds] / total;
            ch.log2Share = std::log2(share);
            // Slot by slot the positions hold a kind's slot with probability 1 / slots each
            // and a combined slot with the rest.
            double marginal = static_cast<double>(slots - kinds) * share;
            for (std::size_t j = 0; j < kinds; ++j) {
                marginal += count[j] / static_cast<double>(kindPools[j].size());
            }
            ch.marginal = marginal / static_cast<double>(slots);
            // The group: the kind counts divided by their greatest common divisor.
            std::array<std::uint32_t, kMaxKinds> direction{};
            std::uint32_t divisor = 0;
            for (std::size_t j = 0; j < kinds; ++j) {
                divisor = std::gcd(divisor, count[j]);
            }
            for (std::size_t j = 0; j < kinds; ++j) {
                direction[j] = count[j] / divisor;
            }
            const auto [found, added] = groupOf.emplace(direction, groups.size());
            ch.group = found->second;
            if (added) {
                Group group;
                for (std::size_t j = 0; j < kinds; ++j) {
                    const double inPool = count[j] / static_cast<double>(kindPools[j].size());
                    group.ratio[j] = inPool / share;
                }
                groups.push_back(group);
            }
            Group& group = groups[ch.group];
            group.share += share;
            for (std::size_t j = 0; j < kinds; ++j) {
                group.kindShare[j] += count[j] / static_cast<double>(kindPools[j].size());
            }
            characters.push_back(ch);
        }
        for (Group& group : groups) {
            group.logShare = std::log(group.share);
            for (std::size_t set = 0; set < (std::size_t{1} << kinds); ++set) {
                double product = 1;
                for (std::size_t j = 0; j < kinds; ++j) {
                    if (set & (std::size_t{1} << j)) {
                        product *= group.ratio[j];
                    }
                }
                group.ratioProducts[set] = product;
            }
        }
    }

    const Character* Find(wchar_t code) const {
        const auto it =
            std::lower_bound(characters.begin(), characters.end(), code,
                             [](const Character& ch, wchar_t c) { return ch.code < c; });
        return it != characters.end() && it->code == code ? &*it : nullptr;
    }

    std::size_t Sets() const { return std::size_t{1} << kinds; }

    // The square-free part of (1 + sum_j z_j r_j(u))^count.
    void GroupPolynomial(std::size_t u, std::uint32_t count, SetPolynomial& out) const {
        // (count)_i for sets of i kinds.
        std::array<double, kMaxKinds + 1> falling{1};
        for (std::size_t i = 1; i <= kinds; ++i) {
            falling[i] = count >= i ? falling[i - 1] * static_cast<double>(count - (i - 1)) : 0;
        }
        for (std::size_t set = 0; set < Sets(); ++set) {
            out[set] = falling[setSizes[set]] * groups[u].ratioProducts[set];
        }
    }

    // The coefficient of each set in the product of a and b.
    void Multiply(const SetPolynomial& a, const SetPolynomial& b, SetPolynomial& out) const {
        std::fill(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(Sets()), 0.0);
        for (const auto& [set, part, rest] : products) {
            out[set] += a[part] * b[rest];
        }
    }

    // Q from the product a * b, with the coefficients of the sets of kept kinds only.
    double ShareOfProduct(const SetPolynomial& a, const SetPolynomial& b) const {
        double sum = 0;
        for (const auto& [part, rest] : keptProducts) {
            sum += a[part] * b[rest];
        }
        return sum * arrangementShare;
    }

    // Q of a text with these counts per group.
    double ShareOfArrangements(const std::uint32_t* counts) const {
        SetPolynomial product{};
        product[0] = 1;
        SetPolynomial factor{};
        SetPolynomial next{};
        std::size_t last = groups.size();
        while (last > 0 && counts[last - 1] == 0) {
            --last;
        }
        for (std::size_t u = 0; u + 1 < last; ++u) {
            if (counts[u] != 0) {
                GroupPolynomial(u, counts[u], factor);
                Multiply(product, factor, next);
                product = next;
            }
        }
        if (last == 0) {
            factor.fill(0);
            factor[0] = 1;
        } else {
            GroupPolynomial(last - 1, counts[last - 1], factor);
        }
        return ShareOfProduct(product, factor);
    }

    // E[log2 Q] summed over every histogram m of the groups, each with the probability
    // multinomial(m; gamma) * Q(m).
    double ExpectedLog2ShareExactly() const {
        const std::size_t counts = std::size_t{length} + 1;
        std::vector<double> logFactorial(counts, 0);
        for (std::size_t i = 1; i < counts; ++i) {
            logFactorial[i] = logFactorial[i - 1] + std::log(static_cast<double>(i));
        }
        // For every group and count: its polynomial, and m ln(gamma) - ln(m!).
        std::vector<SetPolynomial> polynomials(groups.size() * counts);
        std::vector<double> logFactors(groups.size() * counts);
        for (std::size_t u = 0; u < groups.size(); ++u) {
            for (std::size_t m = 0; m < counts; ++m) {
                GroupPolynomial(u, static_cast<std::uint32_t>(m), polynomials[u * counts + m]);
                logFactors[u * counts + m] =
                    static_cast<double>(m) * groups[u].logShare - logFactorial[m];
            }
        }
        // For short elements, the products of the last two groups' polynomials for every
        // pair of counts (a, left - a), by left and a, so that a histogram costs one product
        // with the sets kept.
        const std::size_t n = groups.size();
        const bool paired = n >= 2 && length <= kMaxPairedLength;
        std::vector<SetPolynomial> pairs;
        std::vector<double> pairFactors;
        if (paired) {
            for (std::size_t left = 0; left < counts; ++left) {
                for (std::size_t a = 0; a <= left; ++a) {
                    const std::size_t i = (n - 2) * counts + a;
                    const std::size_t j = (n - 1) * counts + left - a;
                    pairs.emplace_back();
                    Multiply(polynomials[i], polynomials[j], pairs.back());
                    pairFactors.push_back(logFactors[i] + logFactors[j]);
                }
            }
        }
        double expected = 0;
        const auto add = [&expected](double logWeight, double share) {
            if (share > 0) {
                expected += std::exp(logWeight) * share * std::log2(share);
            }
        };
        const auto walk = [&](const auto& self, std::size_t u, std::uint32_t left, double logWeight,
                              const SetPolynomial& prefix) -> void {
            const SetPolynomial* table = &polynomials[u * counts];
            const double* factors = &logFactors[u * counts];
            if (u + 1 == n) {
                add(logWeight + factors[left], ShareOfProduct(prefix, table[left]));
                return;
            }
            if (paired && u + 2 == n) {
                const std::size_t row = std::size_t{left} * (left + 1) / 2;
                for (std::size_t a = 0; a <= left; ++a) {
                    add(logWeight + pairFactors[row + a], ShareOfProduct(prefix, pairs[row + a]));
                }
                return;
            }
            SetPolynomial next;
            for (std::uint32_t count = 0; count <= left; ++count) {
                Multiply(prefix, table[count], next);
                self(self, u + 1, left - count, logWeight + factors[count], next);
            }
        };
        SetPolynomial start{};
        start[0] = 1;
        walk(walk, 0, length, logFactorial[length], start);
        return expected;
    }

    // E[log2 Q] and its standard error from the group counts of drawn texts.
    std::pair<double, double> ExpectedLog2ShareFromSample(std::uint32_t seed) const {
        SampleSource source(seed);
        // Cumulative shares of the groups in the combined pool and in each kind's pool.
        std::vector<std::vector<double>> cumulative(kinds + 1);
        for (std::size_t j = 0; j <= kinds; ++j) {
            double sum = 0;
            for (const Group& group : groups) {
                sum += j < kinds ? group.kindShare[j] : group.share;
                cumulative[j].push_back(sum);
            }
        }
        const auto draw = [&](std::size_t pool) {
            const std::vector<double>& c = cumulative[pool];
            const double u = source.Uniform() * c.back();
            return static_cast<std::size_t>(std::upper_bound(c.begin(), c.end() - 1, u) -
                                            c.begin());
        };
        std::vector<std::uint32_t> counts(groups.size());
        std::vector<std::size_t> kindOrder(kinds);
        double sum = 0;
        double sumOfSquares = 0;
        for (std::uint32_t n = 0; n < kArrangementSample; ++n) {
            std::fill(counts.begin(), counts.end(), 0);
            // The kept kinds: all of them, or a uniform choice of length of them.
            std::iota(kindOrder.begin(), kindOrder.end(), std::size_t{0});
            for (std::size_t i = kinds; i > 1; --i) {
                std::swap(kindOrder[i - 1], kindOrder[source.Below(static_cast<std::uint32_t>(i))]);
            }
            for (std::size_t i = 0; i < kept; ++i) {
                ++counts[draw(kindOrder[i])];
            }
            for (std::size_t i = kept; i < length; ++i) {
                ++counts[draw(kinds)];
            }
            const double value = std::log2(ShareOfArrangements(counts.data()));
            sum += value;
            sumOfSquares += value * value;
        }
        const double n = kArrangementSample;
        const double mean = sum / n;
        const double variance = std::max(0.0, (sumOfSquares - n * mean * mean) / (n - 1));
        return {mean, std::sqrt(variance / n)};
    }

    std::uint32_t length;
    std::size_t kinds = 0;  // kept slots' kinds: 0 when every position draws from combined
    std::vector<std::wstring> kindPools;
    std::wstring combined;
    std::size_t slots = 0;  // max(length, kinds)
    std::size_t kept = 0;   // min(length, kinds)
    double logArrangements = 0;
    double arrangementShare = 1;                                  // 1 / A
    std::array<std::uint8_t, SetPolynomial().size()> setSizes{};  // the kinds of each set
    // (set, part, set - part) for every set of kinds and part of it; (part, set - part) for the
    // sets of kinds an arrangement keeps.
    std::vector<std::array<std::uint8_t, 3>> products;
    std::vector<std::array<std::uint8_t, 2>> keptProducts;
    std::vector<Character> characters;  // in code order
    std::vector<Group> groups;
};

struct ElementFigure {
    bool valid = true;
    Estimate entropy;
    double passShare = 1;
};

// The element of the record conditioned on passing the check: every text judged when there are
// no more than share of them, else a sample of share texts that the generator makes from the
// seed (more, up to limit, while none passes).
ElementFigure CheckedFigure(const ElementModel& model, PasswordGenerator& generator,
                            const UseChar& record, std::uint32_t share, std::uint32_t limit,
                            std::uint32_t seed) {
    const GenerationSettings& settings = generator.GetSettings();
    ElementFigure figure;
    wxString word;
    const auto passes = [&](std::wstring_view text) {
        word.assign(text.data(), text.size());
        return !generator.IsSimplePassword(word, nullptr, settings.StrengthCheckLevel);
    };

    if (model.TextCount() <= share) {
        double passing = 0;
        double information = 0;  // -sum over passing texts of p log2 p
        model.ForEachText([&](std::wstring_view text) {
            const double surprisal = model.Surprisal(text);
            if (surprisal == kInfinity || !passes(text)) {
                return;
            }
            const double p = std::exp2(-surprisal);
            passing += p;
            information += p * surprisal;
        });
        if (!(passing > 0)) {
            figure.valid = false;
            return figure;
        }
        figure.passShare = passing;
        figure.entropy.bits = information / passing + std::log2(passing);
        return figure;
    }

    const Estimate unchecked = model.Entropy(seed);
    SampleSource source(seed);
    const ScopedRandomSource drawing(source);
    std::uint32_t drawn = 0;
    std::uint32_t passed = 0;
    double sumAll = 0;
    double sumOfSquares = 0;
    double sumPassed = 0;
    while (drawn < share || (passed == 0 && drawn < limit)) {
        const wxString made = generator.MakeRandomElement(record, settings.Pools);
        const std::wstring_view text(made.wc_str(), made.length());
        const double surprisal = model.Surprisal(text);
        ++drawn;
        sumAll += surprisal;
        sumOfSquares += surprisal * surprisal;
        if (passes(text)) {
            ++passed;
            sumPassed += surprisal;
        }
    }
    if (passed == 0) {
        figure.valid = false;
        return figure;
    }
    const double n = drawn;
    const double q = passed / n;
    const double meanAll = sumAll / n;
    figure.passShare = q;
    figure.entropy.bits = unchecked.bits + std::log2(q) + (sumPassed / passed - meanAll);
    figure.entropy.estimated = true;
    // A sample that all passes still leaves a rejected share of about 1/n possible.
    const double rejected = std::max(1 - q, 1 / n);
    const double variance =
        drawn > 1 ? std::max(0.0, (sumOfSquares - n * meanAll * meanAll) / (n - 1)) : 0;
    const double logShareError = std::sqrt(rejected / (q * n));
    const double sampleError =
        logShareError * std::sqrt(1 / (std::log(2.0) * std::log(2.0)) + variance);
    figure.entropy.error = std::hypot(sampleError, unchecked.error);
    return figure;
}

class SilentReporter : public GenerationReporter {
  public:
    void ShowError(const wxString&) override {}
};

}  // namespace

RecipeEntropy ComputeRecipeEntropy(const GenerationSettings& settings, const Dictionary& dictionary,
                                   const EntropyOptions& options) {
    PasswordGenerator generator(settings, dictionary);
    SilentReporter reporter;
    if (!generator.CheckSetting(reporter)) {
        return {};
    }
    std::vector<const UseChar*> records;
    if (settings.Standard) {
        records.push_back(&settings.StandardUseChar);
    } else {
        for (std::size_t i = 0; i < settings.CombinationUseChar.GetCount(); ++i) {
            records.push_back(&settings.CombinationUseChar[i]);
        }
    }
    if (records.empty()) {
        return {};
    }

    RecipeEntropy result;
    // The random elements, each different one once, with a record that gives it and the
    // number of items that do.
    struct Items {
        const UseChar* record = nullptr;
        std::uint32_t count = 0;
    };
    std::map<ElementKey, Items> elements;
    for (const UseChar* record : records) {
        if (record->Fixed) {
            if (record->FixedString.empty()) {
                return {};
            }
        } else if (record->Dictionary) {
            // The range as the generator reads it: either order, lengths from 1.
            const auto a = static_cast<std::uint32_t>(std::max(record->DictionaryMin, 1));
            const auto b = static_cast<std::uint32_t>(std::max(record->DictionaryMax, 1));
            const std::uint32_t count = dictionary.CountWords(a, b);
            if (count == 0) {
                return {};
            }
            result.bits += std::log2(static_cast<double>(count));
        } else {
            std::optional<ElementKey> key = KeyOf(*record, settings.Pools);
            if (!key) {
                return {};
            }
            Items& items = elements[std::move(*key)];
            items.record = record;
            ++items.count;
        }
    }

    const bool check = settings.DeterSimplePassword;
    const std::uint32_t sampleSize = std::max<std::uint32_t>(options.sampleSize, 1);
    std::uint32_t judged = 0;
    for (const auto& [key, items] : elements) {
        judged += check && key.length >= kShortestJudged ? 1 : 0;
    }
    const std::uint32_t share =
        judged == 0 ? 0 : std::max(sampleSize / judged, std::min(kMinimumShare, sampleSize));
    double variance = 0;
    for (const auto& [key, items] : elements) {
        const ElementModel model(key);
        ElementFigure figure;
        if (check && key.length >= kShortestJudged) {
            figure = CheckedFigure(model, generator, *items.record, share,
                                   std::max(share, sampleSize), options.seed);
            if (!figure.valid) {
                return {};
            }
        } else {
            figure.entropy = model.Entropy(options.seed);
        }
        result.bits += items.count * figure.entropy.bits;
        result.passShare *= std::pow(figure.passShare, items.count);
        result.estimated = result.estimated || figure.entropy.estimated;
        variance += std::pow(items.count * figure.entropy.error, 2);
    }
    result.errorBits = std::sqrt(variance);
    result.valid = true;
    return result;
}

EntropyStrength RateEntropy(double bits) {
    if (bits < 50) {
        return EntropyStrength::kWeak;
    }
    if (bits < 80) {
        return EntropyStrength::kFair;
    }
    return EntropyStrength::kStrong;
}

wxString GetEntropyStrengthText(EntropyStrength strength) {
    switch (strength) {
        case EntropyStrength::kWeak:
            // TRANSLATORS: the strength of the passwords the settings make (below 50 bits).
            return _("weak");
        case EntropyStrength::kFair:
            // TRANSLATORS: the strength of the passwords the settings make (50 to 80 bits).
            return _("fair");
        case EntropyStrength::kStrong:
            // TRANSLATORS: the strength of the passwords the settings make (80 bits and more).
            return _("strong");
    }
    return wxString();
}

wxString GetEntropyText(double bits, EntropyNumber number) {
    const double shown = std::round(bits * 10) / 10;
    wxString figure;
    if (number == EntropyNumber::kPoint) {
        // Not wxString::FromCDouble: it writes the C library's separator when the toolkit has no
        // locale of its own, a comma in a French terminal.
        char digits[32];
        const auto written =
            std::to_chars(digits, digits + sizeof digits, shown, std::chars_format::fixed, 1);
        figure = wxString::FromAscii(digits, static_cast<size_t>(written.ptr - digits));
    } else {
        figure = wxNumberFormatter::ToString(shown, 1, wxNumberFormatter::Style_None);
    }
    // TRANSLATORS: the strength of the passwords the settings make: the entropy, then a word
    // for it ("64.7 bits, fair").
    return wxString::Format(_("%s bits, %s"), figure, GetEntropyStrengthText(RateEntropy(shown)));
}
