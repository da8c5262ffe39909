// How strong the passwords of the current settings are: the entropy, in bits, of the
// distribution the generator really draws one password from, and a word for it.
//
// What the figure counts
// - Random characters: every character as the generator draws it from its pool text. The
//   combined pool is the concatenation of the chosen pools, so a character that stands in two
//   pools (or twice in one) is drawn that much more often, and the figure counts it so.
// - Guaranteed kinds (UseAllKind with two or more kinds): the generator keeps one position for
//   each chosen kind, drawn from that kind's pool, and draws the others from the combined pool;
//   which positions are kept is a uniformly shuffled arrangement that the text does not show.
//   With fewer characters than kinds, each position gets a different kind. The figure is the
//   exact entropy of the resulting text, which is not uniform over the texts that hold every
//   kind: a text is as likely as the arrangements that could have made it.
// - A dictionary item: log2 of the number of words of its length range, every word equally
//   likely whatever its length. A fixed text adds nothing.
// - A combination list: the sum over its items, that is the entropy of the generator's
//   choices (which element each item gave). The password is the concatenation of the elements,
//   and two sets of choices can give the same text (words "ab" + "c" and "a" + "bc"), so the
//   figure is an upper bound on the entropy of the text. It is also the entropy of the text
//   whenever the text can be split back into its elements, which holds when at most one item
//   gives elements of several lengths (random items and fixed texts have one length; a
//   dictionary item has several when its range holds words of several lengths).
// - Batches that forbid duplicates do not change the figure: it is the figure of one password.
//
// The simple-password check
// With DeterSimplePassword on, the generator makes a random element again while it looks
// simple, so the element is drawn from the original distribution p restricted to the texts
// that pass and scaled by 1/q, q being the share of texts that pass. Its entropy is
//     H' = log2 q + E[-log2 p(X) | X passes]
// (for a uniform p over a set S this is log2(|S| q)).
// - When the element has no more different texts than its share of the sample below, every
//   text is run through the check and H' is exact.
// - Otherwise the generator itself (MakeRandomElement) makes a sample, drawing from a
//   pseudo-random source seeded with EntropyOptions::seed, so that the same settings always
//   give the same figure. That source stands in for the process's random source during the
//   evaluation, which puts the previous one back before it returns: the system's generator is
//   never drawn from, and what a test installed sees no draw. The sample goes through the real
//   check. With n texts drawn, a of them passing, q is estimated as a/n, and
//       H' = H + log2(a/n) + (mean of -log2 p over the passing texts
//                             - mean of -log2 p over all the texts drawn),
//   H being the exact entropy without the check. The last term corrects for texts of
//   different probability passing in different shares; for a uniform p it is exactly zero. Its
//   standard error, like that of log2(a/n), shrinks as 1/sqrt(n):
//       standard error ~ sqrt((1 - q) / (q n)) * sqrt(1 / ln(2)^2 + s^2)  bits,
//   s^2 being the variance of -log2 p over the sample (zero when p is uniform).
// - The default sample is 512 texts for each evaluation, shared evenly among the different
//   random elements of the settings (identical items are one element), but never fewer than
//   32 for one element. With all 512 texts for one element and a uniform p, the standard error
//   is about 0.0064 bits at q = 0.99, 0.021 bits at q = 0.9 and 0.064 bits at q = 0.5; with
//   32 texts four times that. (With a large dictionary at the higher level, about 0.81 of six
//   characters of every kind pass, 0.91 of eight, 0.97 of ten and nearly all of twenty.) A
//   sample in which every text passes is given the error of one rejected text in n. The errors
//   of identical items add up, since they share one sample; those of different elements add
//   as independent errors. errorBits gives the figure's own.
// - An element whose sample holds no passing text is drawn further, up to the whole sample
//   size; with still none passing, the generator would fail for it nearly always (it gives up
//   after 100 simple texts), and the settings get no figure. The same holds when the exact
//   enumeration finds no passing text.
// - Texts shorter than 3 characters are never judged simple: they pass without a sample.
// The check reads the dictionary, the user's and the host's names, as the generator does; a
// dictionary waiting to be loaded is loaded by the first evaluation with the check on.
//
// Guaranteed kinds need a sum over how many characters of each group of interchangeable
// characters a text holds. With ordinary pools (each character in one kind) there are as
// many groups as kinds and the sum is small; a symbol string that shares characters with the
// letters or digits adds a group for each way it overlaps them. When the sum would count more
// than 65536 ways (pools that overlap in many different ways, or lengths far beyond the
// twenty characters the settings allow), its one uncertain term, E[log2 of the share of
// arrangements that could have made the text], is estimated from 4096 drawn texts instead,
// and the result says it is estimated, with its error.
//
// No figure is given (valid is false) when the generator would refuse the settings or fail
// to make a password: PasswordGenerator::CheckSetting refuses them, an empty combination list,
// a random element of length 0 or with a pool it must draw from empty (with guaranteed kinds,
// the pool of every chosen kind, even one the length leaves out), a fixed item with an empty
// text, a dictionary item whose range holds no word, or a random element whose texts all look
// simple. Random elements longer than 1024 characters get no figure either (the settings hold
// 1 to 20), which bounds the work of an evaluation.
//
// Speed (bench/entropy_bench.cpp, with the check at its higher level and a dictionary of
// 630,000 words): about 3 ms for twenty characters of every kind, and about as long for a list
// of 1000 such items; 4 ms for 1000 items going round all 26 different choices of kinds and
// guarantee; 5 ms for twenty characters whose symbols are also letters and digits. Checking
// the sample takes most of it. Each further different random element costs a little more
// (0.05 ms with ordinary pools, up to 2 ms with overlapping ones), so a list whose 1000 items
// all differ (1000 symbol strings of their own) takes about a second.
#pragma once

#include <wx/string.h>

#include <cstdint>

#include "engine/GenerationSettings.h"

class Dictionary;

struct EntropyOptions {
    // The seed of the sample's pseudo-random generator.
    std::uint32_t seed = 20240607;
    // The texts run through the check in one evaluation, shared among the different random
    // elements (at least 32 each, or all of them when fewer).
    std::uint32_t sampleSize = 512;
};

struct RecipeEntropy {
    // False when the settings make no password: then no other field means anything.
    bool valid = false;
    // The entropy in bits of one password.
    double bits = 0;
    // Some part of the figure comes from a sample: the pass share of the check, or the
    // arrangements of unusual pools.
    bool estimated = false;
    // The share of passwords whose random elements all pass the check as first drawn (1 with
    // the check off, or when no element is random).
    double passShare = 1;
    // The standard error of bits from the sampling; 0 when the figure is exact.
    double errorBits = 0;
};

// The entropy of one password that a generator with these settings and this dictionary makes.
// The dictionary is only read (one waiting to be loaded is loaded, as the generator would).
// For the user-interface thread, like the generator: while it samples, its own source stands
// in for the process's random source.
RecipeEntropy ComputeRecipeEntropy(const GenerationSettings& settings, const Dictionary& dictionary,
                                   const EntropyOptions& options = EntropyOptions());

// A word for a figure: weak below 50 bits, fair below 80 bits, strong from 80 bits.
enum class EntropyStrength { kWeak, kFair, kStrong };

EntropyStrength RateEntropy(double bits);
// The translated word.
wxString GetEntropyStrengthText(EntropyStrength strength);

// How the figure's decimal separator is written: always a point, as scripts read it, or as the
// user's locale writes it.
enum class EntropyNumber { kPoint, kLocale };

// The figure with one decimal and its word, translated: "64.7 bits, fair". The word goes with
// the figure as shown, so that 49.96 bits read "50.0 bits, fair".
wxString GetEntropyText(double bits, EntropyNumber number);
