#include "engine/WordFileReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/WordFileParser.h"
#include "support/TempDirectory.h"

namespace {

using Words = std::vector<std::string>;

// The piece sizes every file is read with: single bytes, sizes around the longest word and
// the longest line start carried over, and the size the program uses.
const std::size_t kPieceSizes[] = {
    1, 2, 3, 4, 5, 7, 8, 13, 16, 31, 63, 64, 65, 66, 67, 97, 128, 4096, WordFileReader::kPieceSize};

// The words of the whole file at once, as the parser finds them.
Words ParsedWhole(std::string bytes) {
    WordFileParser parser(bytes.data(), bytes.size());
    Words words;
    for (std::string_view word; parser.Next(word);) {
        words.emplace_back(word);
    }
    return words;
}

class WordFileReaderTest : public testing::Test {
  protected:
    // The words of the file read in pieces of the size, in the order handed on.
    Words Read(const std::string& bytes, std::size_t pieceSize, bool* complete = nullptr) {
        dir.WriteFile("words.dic", bytes);
        WordFileReader reader(pieceSize);
        Words words;
        const bool read = reader.Read(dir.At("words.dic"), [&](const auto& piece) {
            EXPECT_FALSE(piece.empty()) << "a piece without words is not handed on";
            for (const std::string_view word : piece) {
                words.emplace_back(word);
            }
        });
        if (complete) {
            *complete = read;
        }
        return words;
    }

    TempDirectory dir;
};

}  // namespace

// Whatever the size of the pieces, the words are those of the whole file: a word, a line
// end pair or a multi-byte character cut by a piece boundary is put together again.
TEST_F(WordFileReaderTest, PieceBoundariesNeitherBreakNorLoseWords) {
    struct Case {
        const char* what;
        std::string bytes;
        Words expected;
    };
    const std::string longWord(64, 'x');
    const Case cases[] = {
        {"the sample file", "3\nApple/S\nbanana\n\nCherry\r\n", {"apple", "banana", "cherry"}},
        {"words of every length across every boundary",
         "a\nbb\nccc\ndddd\neeeee\nffffff\nggggggg\nhhhhhhhh\niiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii\nj",
         {"a", "bb", "ccc", "dddd", "eeeee", "ffffff", "ggggggg", "hhhhhhhh",
          "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii", "j"}},
        {"carriage returns and line feeds in pairs",
         "one\r\ntwo\r\nthree\r\n\r\nfour\n\rfive",
         {"one", "two", "three", "four", "five"}},
        {"no line end after the last word", "first\nLast", {"first", "last"}},
        {"a file of one word without a line end", "Solo", {"solo"}},
        {"multi-byte characters void their lines wherever they are cut",
         "caf\xc3\xa9\nok\nna\xc3\xafve\n\xe3\x81\x82\xe3\x81\x84\nfine\n\x93\xfa\x96\x7b",
         {"ok", "fine"}},
        {"multi-byte characters after the slash do not matter",
         "word/\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\nnext",
         {"word", "next"}},
        {"the longest word kept, and one more byte",
         longWord + "\n" + longWord + "y\nafter",
         {longWord, "after"}},
        {"an over-long line is skipped and the next words are kept",
         std::string(5000, 'q') + "\r\nkept\n" + std::string(70, 'r') + "\nalso",
         {"kept", "also"}},
        {"an over-long line at the end of the file",
         "before\n" + std::string(200, 'z'),
         {"before"}},
        {"a long line after the slash keeps its word",
         "w/" + std::string(5000, 'z') + "\nnext\n" + longWord + "/" + std::string(300, 'c'),
         {"w", "next", longWord}},
        {"a byte that voids the line right after the longest word",
         longWord + "\x80" + std::string(200, 'p') + "\nstill",
         {"still"}},
        {"counts, digits and empty words", "104334\n/comment\n\n2nd\n0\n", {"2nd"}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(ParsedWhole(c.bytes), c.expected);
        for (const std::size_t pieceSize : kPieceSizes) {
            SCOPED_TRACE("pieces of " + std::to_string(pieceSize));
            bool complete = false;
            EXPECT_EQ(Read(c.bytes, pieceSize, &complete), c.expected);
            EXPECT_TRUE(complete);
        }
    }
}

// Files of random lines (words, slashes, line ends of both kinds, bytes that void a line,
// runs far longer than a word) give the same words in pieces as whole.
TEST_F(WordFileReaderTest, RandomFilesGiveTheWordsOfTheWholeFile) {
    std::mt19937 random(20240611);
    const std::string pieces[] = {"a", "Bc", "7",    "/",    "\n",  "\r",
                                  " ", "\t", "\xc3", "\x80", "\r\n"};
    for (int file = 0; file < 40; ++file) {
        std::string bytes;
        const int parts = std::uniform_int_distribution<int>(0, 400)(random);
        for (int i = 0; i < parts; ++i) {
            const std::size_t which = random() % (std::size(pieces) + 1);
            if (which == std::size(pieces)) {
                bytes += std::string(std::uniform_int_distribution<int>(50, 300)(random), 'k');
            } else {
                bytes += pieces[which];
            }
        }
        SCOPED_TRACE("file " + std::to_string(file));
        const Words whole = ParsedWhole(bytes);
        for (const std::size_t pieceSize : {1, 2, 5, 64, 65, 66, 100}) {
            SCOPED_TRACE("pieces of " + std::to_string(pieceSize));
            ASSERT_EQ(Read(bytes, pieceSize), whole);
        }
    }
}

TEST_F(WordFileReaderTest, WhatIsNoPlainFileIsRefused) {
    WordFileReader reader;
    const auto ignore = [](const auto&) {};
    EXPECT_FALSE(reader.Read(dir.At("missing.dic"), ignore));
    dir.MakeDir("folder.dic");
    EXPECT_FALSE(reader.Read(dir.At("folder.dic"), ignore));
    dir.WriteFile("empty.dic");
    EXPECT_TRUE(reader.Read(dir.At("empty.dic"), ignore));
}
