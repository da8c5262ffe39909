#include "engine/Dictionary.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/PasswordGenerator.h"
#include "support/ChiSquare.h"
#include "support/Strings.h"
#include "support/TempDirectory.h"

using testsupport::Strings;

namespace {

std::vector<std::string> SortedFiles(const Dictionary& dictionary, const TempDirectory& dir) {
    std::vector<std::string> files;
    for (const wxString& path : dictionary.GetFiles()) {
        wxString relative = path;
        relative.Replace(dir.Root() + "/", "");
        files.push_back(relative.utf8_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Every word of the dictionary, length by length.
std::vector<std::string> AllWords(const Dictionary& dictionary) {
    std::vector<std::string> all;
    for (std::uint32_t length = 1; length <= dictionary.GetMaxLength(); ++length) {
        wxArrayString words;
        dictionary.GetWords(length, words);
        for (const wxString& w : words) {
            all.push_back(w.utf8_string());
        }
    }
    return all;
}

// Runs the action in a child process that has given up root's right to read anything, and
// returns its exit code (or -1 when it did not exit normally).
int RunUnprivileged(const std::function<int()>& action) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(100);
        }
        _exit(action());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

class DictionaryTest : public testing::Test {
  protected:
    TempDirectory dir;
    Dictionary dictionary;
};

}  // namespace

TEST_F(DictionaryTest, LoadsTheSampleFile) {
    dir.WriteFile("a.DIC", "3\nApple/S\nbanana\n\nCherry\r\n");
    ASSERT_TRUE(dictionary.Load(dir.Root()));

    EXPECT_EQ(dictionary.GetDirectory(), dir.Root());
    EXPECT_EQ(SortedFiles(dictionary, dir), std::vector<std::string>{"a.DIC"});
    EXPECT_FALSE(dictionary.IsEmpty());
    EXPECT_EQ(dictionary.GetMinLength(), 5u);
    EXPECT_EQ(dictionary.GetMaxLength(), 6u);
    EXPECT_EQ(dictionary.CountWords(5, 6), 3u);
    EXPECT_EQ(dictionary.CountWords(6, 5), 3u);
    EXPECT_EQ(dictionary.CountWords(6, 6), 2u);
    EXPECT_EQ(dictionary.CountWords(0, 100), 3u);
    EXPECT_EQ(dictionary.CountWords(7, 9), 0u);
    EXPECT_EQ(AllWords(dictionary), (std::vector<std::string>{"apple", "banana", "cherry"}));

    for (const char* present : {"apple", "APPLE", "Apple", "bAnAnA", "cherry"}) {
        EXPECT_TRUE(dictionary.Contains(present)) << present;
    }
    for (const char* absent : {"", "3", "s", "apples", "appl", "cherry\r", "Apple/S"}) {
        EXPECT_FALSE(dictionary.Contains(absent)) << absent;
    }
    EXPECT_FALSE(dictionary.Contains(L"appl\u00e9"));
}

TEST_F(DictionaryTest, StoresAWordOnceWhateverItsCaseOrFile) {
    dir.WriteFile("one.dic", "Word\nword\nother");
    dir.WriteFile("two.dic", "WORD\nother\n");
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_EQ(dictionary.CountWords(4, 5), 2u);
    EXPECT_EQ(AllWords(dictionary), (std::vector<std::string>{"word", "other"}));
}

TEST_F(DictionaryTest, LoadsWordFilesAtAnyDepthAndNothingElse) {
    dir.WriteFile("top.dic", "top");
    dir.WriteFile("mixed.Dic", "mixed");
    dir.WriteFile("notes.txt", "notes");
    dir.WriteFile("dic", "bare");
    dir.WriteFile("words.dic.bak", "backup");
    dir.WriteFile(".hidden.dic", "hidden");
    dir.MakeDir("sub");
    dir.MakeDir("sub/deeper");
    dir.WriteFile("sub/deeper/deep.dic", "deep");
    dir.MakeDir(".secret");
    dir.WriteFile(".secret/inside.dic", "secret");

    ASSERT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_EQ(SortedFiles(dictionary, dir),
              (std::vector<std::string>{"mixed.Dic", "sub/deeper/deep.dic", "top.dic"}));
    std::vector<std::string> words = AllWords(dictionary);
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<std::string>{"deep", "mixed", "top"}));
}

TEST_F(DictionaryTest, CountsPerLengthFromOneToTheLongest) {
    std::vector<std::uint32_t> counts{9, 9, 9, 9, 9};
    EXPECT_EQ(dictionary.GetCounts(&counts), 0u);
    EXPECT_TRUE(counts.empty());

    dir.WriteFile("w.dic", "ab\nxyz\n");
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_EQ(dictionary.GetCounts(), 2u);
    EXPECT_EQ(dictionary.GetCounts(&counts), 2u);
    EXPECT_EQ(counts, (std::vector<std::uint32_t>{0, 1, 1}));
}

TEST_F(DictionaryTest, GetWordsSortsByCharacterCodeAndFailsForAnEmptyLength) {
    dir.WriteFile("w.dic", "zeta\nBeta\n1abc\nalfa\n~xyz\nA-Bc\n");
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    wxArrayString words;
    ASSERT_TRUE(dictionary.GetWords(4, words));
    EXPECT_EQ(Strings(words),
              (std::vector<std::string>{"1abc", "a-bc", "alfa", "beta", "zeta", "~xyz"}));

    for (std::uint32_t length : {0u, 3u, 5u, 1000u}) {
        words.Add("stale");
        EXPECT_FALSE(dictionary.GetWords(length, words)) << length;
        EXPECT_TRUE(words.empty());
    }
}

TEST_F(DictionaryTest, GetWordCountsFromTheFirstLengthUpward) {
    dir.WriteFile("w.dic", "abcde\nfghij\nklmnop\n");
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_EQ(dictionary.GetWord(5, 0).length(), 5u);
    EXPECT_EQ(dictionary.GetWord(5, 1).length(), 5u);
    EXPECT_EQ(dictionary.GetWord(5, 2), "klmnop");
    EXPECT_EQ(dictionary.GetWord(6, 0), "klmnop");
    EXPECT_EQ(dictionary.GetWord(1, 2), "klmnop");  // lengths without words are passed over
    EXPECT_EQ(dictionary.GetWord(5, 3), "");
    EXPECT_EQ(dictionary.GetWord(7, 0), "");
    EXPECT_EQ(dictionary.GetWord(5, 0xFFFFFFFFu), "");
}

// Indices 0 to count - 1 over a range of two lengths reach every word of the range once, in
// an order that does not change: a uniform index then gives a uniform word.
TEST_F(DictionaryTest, IndicesOverARangeReachEveryWordOnceInAStableOrder) {
    std::string file;
    std::set<std::string> inRange;
    for (int i = 0; i < 10; ++i) {
        const std::string four = {'a', 'b', 'c', char('a' + i)};
        const std::string five = {'v', 'w', 'x', 'y', char('a' + i)};
        file += four + "\n" + five + "\nxy" + char('a' + i) + "\n";  // three letters: outside
        inRange.insert(four);
        inRange.insert(five);
    }
    for (int i = 10; i < 16; ++i) {
        const std::string five = {'v', 'w', 'x', 'y', char('a' + i)};
        file += five + "\n";
        inRange.insert(five);
    }
    dir.WriteFile("w.dic", file);
    ASSERT_TRUE(dictionary.Load(dir.Root()));

    const std::uint32_t count = dictionary.CountWords(4, 5);
    ASSERT_EQ(count, 26u);
    std::vector<std::string> byIndex;
    for (std::uint32_t i = 0; i < count; ++i) {
        byIndex.push_back(dictionary.GetWord(4, i).utf8_string());
    }
    EXPECT_EQ(std::set<std::string>(byIndex.begin(), byIndex.end()), inRange);
    for (std::uint32_t i = 0; i < count; ++i) {
        EXPECT_EQ(dictionary.GetWord(4, i).utf8_string(), byIndex[i]);
    }

    // Drawn the way the generator draws, every word comes up equally often.
    PasswordGenerator gen;
    gen.Seed();
    std::map<std::string, double> drawn;
    const int draws = 130000;
    for (int i = 0; i < draws; ++i) {
        ++drawn[dictionary.GetWord(4, gen.GetRandom(count - 1)).utf8_string()];
    }
    ASSERT_EQ(drawn.size(), 26u);
    std::vector<double> observed;
    for (const auto& [word, n] : drawn) {
        observed.push_back(n);
    }
    EXPECT_LT(chisquare::Statistic(observed, std::vector<double>(26, draws / 26.0)),
              chisquare::Critical(25));
}

TEST_F(DictionaryTest, ReloadingForgetsWordsAndFilesThatAreGone) {
    dir.WriteFile("keep.dic", "keeper");
    dir.WriteFile("gone.dic", "goner\nlongest-word");
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    ASSERT_TRUE(dictionary.Contains("goner"));
    ASSERT_EQ(dictionary.GetMaxLength(), 12u);

    ASSERT_EQ(unlink(dir.At("gone.dic").fn_str()), 0);
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_FALSE(dictionary.Contains("goner"));
    EXPECT_TRUE(dictionary.Contains("keeper"));
    EXPECT_EQ(dictionary.GetMaxLength(), 6u);
    EXPECT_EQ(dictionary.GetMinLength(), 6u);
    EXPECT_EQ(SortedFiles(dictionary, dir), std::vector<std::string>{"keep.dic"});
}

TEST_F(DictionaryTest, AMissingDirectoryGivesAnEmptyDictionary) {
    dir.WriteFile("w.dic", "word");
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_FALSE(dictionary.Load(dir.At("missing")));
    EXPECT_TRUE(dictionary.IsEmpty());
    EXPECT_EQ(dictionary.GetMinLength(), 0u);
    EXPECT_EQ(dictionary.GetMaxLength(), 0u);
    EXPECT_EQ(dictionary.CountWords(1, 64), 0u);
    EXPECT_FALSE(dictionary.Contains("word"));
    EXPECT_TRUE(dictionary.GetFiles().empty());
    EXPECT_EQ(dictionary.GetDirectory(), dir.At("missing"));

    dictionary.Clear();
    EXPECT_TRUE(dictionary.GetDirectory().empty());
}

// Files that cannot be read are listed and make the load fail; every good file still loads.
TEST_F(DictionaryTest, UnusableFilesAreListedAndFailTheLoadButTheRestLoads) {
    dir.WriteFile("good.dic", "good\n");
    dir.WriteFile("empty.dic", "");
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    dir.WriteFile("binary.dic", binary);
    dir.WriteFile("huge-line.dic", std::string(5'000'000, 'q') + "\nfine\n");
    ASSERT_TRUE(dictionary.Load(dir.Root()));  // all of these are readable
    EXPECT_TRUE(dictionary.Contains("good"));
    EXPECT_TRUE(dictionary.Contains("fine"));
    EXPECT_LE(dictionary.GetMaxLength(), 64u);
    for (const std::string& word : AllWords(dictionary)) {
        for (const char c : word) {
            EXPECT_TRUE((c >= 0x20 && c < 0x7F) || c == '\t') << int(c);
        }
    }

    // A pipe where a word file was expected must not stall the load.
    ASSERT_EQ(mkfifo(dir.At("pipe.dic").fn_str(), 0600), 0);
    EXPECT_FALSE(dictionary.LoadFile(dir.At("pipe.dic")));
    // Gone between listing and reading, or a directory under a word file's name.
    EXPECT_FALSE(dictionary.LoadFile(dir.At("vanished.dic")));
    dir.MakeDir("folder.dic");
    EXPECT_FALSE(dictionary.LoadFile(dir.At("folder.dic")));
    const wxArrayString& files = dictionary.GetFiles();
    for (const char* tried : {"pipe.dic", "vanished.dic", "folder.dic"}) {
        EXPECT_NE(files.Index(dir.At(tried)), wxNOT_FOUND) << tried;
    }
    EXPECT_TRUE(dictionary.Contains("good"));
}

// Pipes and devices under a word file's name are no word files: they are passed over, and
// neither waits for a writer nor reads forever.
TEST_F(DictionaryTest, PipesAndDevicesNamedLikeWordFilesArePassedOverWithoutWaiting) {
    dir.WriteFile("good.dic", "good\n");
    ASSERT_EQ(mkfifo(dir.At("pipe.dic").fn_str(), 0600), 0);
    dir.MakeDir("sub");
    ASSERT_EQ(mkfifo(dir.At("sub/deeper.dic").fn_str(), 0600), 0);
    dir.MakeLink("/dev/zero", "zero.dic");
    dir.MakeLink("/dev/urandom", "sub/random.dic");

    // First in a child that an alarm ends, so that a load that hangs fails instead.
    const pid_t child = fork();
    if (child == 0) {
        alarm(30);
        Dictionary probe;
        _exit(probe.Load(dir.Root()) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the load did not end";

    EXPECT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_EQ(SortedFiles(dictionary, dir), std::vector<std::string>{"good.dic"});
    EXPECT_EQ(AllWords(dictionary), std::vector<std::string>{"good"});
}

TEST_F(DictionaryTest, AFileOfMoreThanFourGibibytesIsRefusedWithoutReadingIt) {
    dir.WriteFile("good.dic", "good\n");
    {
        const int fd = open(dir.At("big.dic").fn_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, (off_t{1} << 32) + 1), 0);  // sparse: takes no space
        close(fd);
    }
    EXPECT_FALSE(dictionary.Load(dir.Root()));
    EXPECT_TRUE(dictionary.Contains("good"));
    EXPECT_NE(dictionary.GetFiles().Index(dir.At("big.dic")), wxNOT_FOUND);
}

// A word file is read a piece at a time: one far larger than the memory the load may take
// (here 256 MiB, most of it one line of NUL bytes) loads the words around it.
TEST_F(DictionaryTest, AWordFileLargerThanTheMemoryALoadMayTakeStillLoads) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address checker reserves more memory than the limit allows";
#else
    constexpr off_t kSize = off_t{1} << 28;
    {
        const int fd = open(dir.At("large.dic").fn_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        const std::string first = "First\n";
        const std::string last = "\nlast\n";
        ASSERT_EQ(pwrite(fd, first.data(), first.size(), 0), off_t(first.size()));
        ASSERT_EQ(pwrite(fd, last.data(), last.size(), kSize - off_t(last.size())),
                  off_t(last.size()));
        close(fd);
    }
    const wxString path = dir.At("large.dic");
    const pid_t child = fork();
    if (child == 0) {
        // The address space the process has now and a quarter of that file more.
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(kSize) / 4);
        const rlimit bound{limit, limit};
        if (setrlimit(RLIMIT_AS, &bound) != 0) {
            _exit(100);
        }
        try {
            Dictionary probe;
            const bool loaded = probe.LoadFile(path);
            _exit(loaded && probe.Contains("first") && probe.Contains("last") &&
                          probe.GetCounts() == 2
                      ? 0
                      : 1);
        } catch (const std::bad_alloc&) {
            _exit(2);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the load did not end normally";
    ASSERT_NE(WEXITSTATUS(status), 100) << "cannot limit the memory";
    EXPECT_NE(WEXITSTATUS(status), 2) << "the load ran out of memory";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the words around the large line are missing";
#endif
}

TEST_F(DictionaryTest, ALinkBackToAParentIsFollowedOnlyOnce) {
    dir.WriteFile("top.dic", "top");
    dir.MakeDir("sub");
    dir.WriteFile("sub/inner.dic", "inner");
    dir.MakeLink("..", "sub/up");
    dir.MakeLink(".", "sub/self");
    dir.MakeLink(dir.Root(), "sub/root");

    ASSERT_TRUE(dictionary.Load(dir.Root()));
    EXPECT_EQ(SortedFiles(dictionary, dir), (std::vector<std::string>{"sub/inner.dic", "top.dic"}));
    EXPECT_TRUE(dictionary.Contains("inner"));
    EXPECT_TRUE(dictionary.Contains("top"));
}

TEST_F(DictionaryTest, UnreadableFilesAndDirectoriesFailTheLoadButTheRestLoads) {
    ASSERT_EQ(chmod(dir.Root().fn_str(), 0755), 0);
    dir.WriteFile("good.dic", "good\n");
    dir.WriteFile("locked.dic", "locked\n");
    ASSERT_EQ(chmod(dir.At("locked.dic").fn_str(), 0), 0);
    dir.MakeDir("closed");
    dir.WriteFile("closed/inside.dic", "inside\n");
    ASSERT_EQ(chmod(dir.At("closed").fn_str(), 0), 0);
    dir.MakeDir("open");
    dir.WriteFile("open/fine.dic", "fine\n");
    ASSERT_EQ(chmod(dir.At("open").fn_str(), 0755), 0);
    for (const char* f : {"good.dic", "open/fine.dic"}) {
        ASSERT_EQ(chmod(dir.At(f).fn_str(), 0644), 0);
    }

    const wxString root = dir.Root();
    const wxString locked = dir.At("locked.dic");
    const wxString closed = dir.At("closed");
    const int result = RunUnprivileged([&] {
        Dictionary d;
        const bool loaded = d.Load(root);
        return (loaded ? 1 : 0) | (d.Contains("good") ? 2 : 0) | (d.Contains("fine") ? 4 : 0) |
               (d.Contains("locked") || d.Contains("inside") ? 8 : 0) |
               (d.GetFiles().Index(locked) != wxNOT_FOUND ? 16 : 0) |
               (d.LoadDirectory(closed) ? 32 : 0) | (d.LoadFile(locked) ? 64 : 0);
    });
    ASSERT_NE(result, 100) << "cannot give up root";
    EXPECT_EQ(result & 1, 0) << "the load must fail";
    EXPECT_EQ(result & 2, 2) << "good.dic must load";
    EXPECT_EQ(result & 4, 4) << "open/fine.dic must load";
    EXPECT_EQ(result & 8, 0) << "nothing unreadable can load";
    EXPECT_EQ(result & 16, 16) << "the unreadable file is listed";
    EXPECT_EQ(result & 32, 0) << "an unreadable directory fails on its own";
    EXPECT_EQ(result & 64, 0) << "an unreadable file fails on its own";
}

#ifdef TESSARIN_DEFAULT_DICTIONARY_DIR
// The word list the program ships: plain ASCII lines, possessives included.
TEST(DefaultDictionary, LoadsIntoASensibleWordSet) {
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.Load(TESSARIN_DEFAULT_DICTIONARY_DIR));
    const std::uint32_t total = dictionary.GetCounts();
    EXPECT_GT(total, 90000u);
    EXPECT_LT(total, 110000u);
    EXPECT_EQ(dictionary.GetMinLength(), 1u);
    EXPECT_LE(dictionary.GetMaxLength(), 30u);
    for (const char* word : {"apple", "Password", "aaron's", "zebra"}) {
        EXPECT_TRUE(dictionary.Contains(word)) << word;
    }
    EXPECT_FALSE(dictionary.Contains("xqzvt"));
}
#endif

// A dictionary left to load when used reads its directory at the first question, not before:
// a word file put there in between is in it, whichever question comes first.
TEST(DictionaryLoadWhenUsedTest, ReadsTheDirectoryAtTheFirstQuestion) {
    const std::vector<std::pair<const char*, std::function<void(const Dictionary&)>>> questions = {
        {"Contains", [](const Dictionary& d) { EXPECT_TRUE(d.Contains("Lamp")); }},
        {"CountWords", [](const Dictionary& d) { EXPECT_EQ(d.CountWords(4, 4), 2u); }},
        {"GetWord", [](const Dictionary& d) { EXPECT_EQ(d.GetWord(4, 1), "desk"); }},
        {"GetCounts", [](const Dictionary& d) { EXPECT_EQ(d.GetCounts(), 2u); }},
        {"GetFiles", [](const Dictionary& d) { EXPECT_EQ(d.GetFiles().size(), 1u); }},
        {"IsEmpty", [](const Dictionary& d) { EXPECT_FALSE(d.IsEmpty()); }},
        {"GetMinLength", [](const Dictionary& d) { EXPECT_EQ(d.GetMinLength(), 4u); }},
    };
    for (const auto& [name, ask] : questions) {
        SCOPED_TRACE(name);
        TempDirectory dir;
        Dictionary dictionary;
        dictionary.LoadWhenUsed(dir.Root());
        EXPECT_EQ(dictionary.GetDirectory(), dir.Root());
        dir.WriteFile("words.dic", "lamp\ndesk\n");
        ask(dictionary);
        dir.WriteFile("more.dic", "moon\n");
        EXPECT_EQ(dictionary.CountWords(1, 64), 2u) << "read once, at the first question";
        EXPECT_TRUE(dictionary.Load(dir.Root()));
        EXPECT_EQ(dictionary.CountWords(1, 64), 3u) << "a load reads again";
    }
}
