#include "engine/WordFileWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/Dictionary.h"
#include "support/TempDirectory.h"

namespace {

class WordFileWalkTest : public testing::Test {
  protected:
    // Walks the directory, and gives the word files found, relative to the test's
    // directory and sorted.
    std::vector<std::string> Walk(WordFileWalk& walk, const wxString& directory, bool* result) {
        std::vector<std::string> found;
        *result = walk.Walk(directory, [&](const wxString& path) {
            wxString relative = path;
            relative.Replace(dir.Root() + "/", "");
            found.push_back(relative.utf8_string());
            return true;
        });
        std::sort(found.begin(), found.end());
        return found;
    }

    TempDirectory dir;
    Dictionary dictionary;
};

}  // namespace

// Links to a word file or to a directory outside the dictionary directory are followed.
TEST_F(WordFileWalkTest, LinksToWordFilesAndDirectoriesElsewhereAreFollowed) {
    dir.MakeDir("dict");
    dir.WriteFile("dict/own.dic", "own\n");
    dir.MakeDir("elsewhere");
    dir.WriteFile("elsewhere/linked.dic", "linked\n");
    dir.MakeDir("elsewhere/more");
    dir.WriteFile("elsewhere/more/deeper.dic", "deeper\n");
    dir.MakeLink(dir.At("elsewhere/linked.dic"), "dict/file.dic");
    dir.MakeLink(dir.At("elsewhere/more"), "dict/folder");
    // Two directories that lead to each other.
    dir.MakeDir("dict/a");
    dir.MakeDir("dict/b");
    dir.MakeLink("../b", "dict/a/to-b");
    dir.MakeLink("../a", "dict/b/to-a");

    EXPECT_TRUE(dictionary.Load(dir.At("dict")));
    for (const char* word : {"own", "linked", "deeper"}) {
        EXPECT_TRUE(dictionary.Contains(word)) << word;
    }
    EXPECT_EQ(dictionary.GetCounts(), 3u);
}

// A link to the root of the file system does not make the load walk the disk: the walk
// stops at its limits, the load says so, and the words of the dictionary directory are in.
TEST_F(WordFileWalkTest, ALinkToTheRootStopsAtTheLimits) {
    dir.MakeDir("dict");
    dir.WriteFile("dict/own.dic", "own\n");
    dir.MakeLink("/", "dict/root");

    WordFileWalk walk;
    bool result = true;
    const std::vector<std::string> found = Walk(walk, dir.At("dict"), &result);
    EXPECT_FALSE(result);
    EXPECT_TRUE(walk.StoppedAtLimit());
    EXPECT_LE(walk.GetEntriesRead(), WordFileWalk::Limits().maxEntries);
    EXPECT_LE(walk.GetDeepestRead(), WordFileWalk::Limits().maxDepth);
    EXPECT_NE(std::find(found.begin(), found.end(), "dict/own.dic"), found.end());

    EXPECT_FALSE(dictionary.Load(dir.At("dict")));
    EXPECT_TRUE(dictionary.Contains("own"));
}

TEST_F(WordFileWalkTest, DirectoriesBelowTheDeepestLevelAreNotRead) {
    dir.MakeDir("d1");
    dir.MakeDir("d1/d2");
    dir.MakeDir("d1/d2/d3");
    dir.WriteFile("top.dic");
    dir.WriteFile("d1/one.dic");
    dir.WriteFile("d1/d2/two.dic");
    dir.WriteFile("d1/d2/d3/three.dic");
    struct Case {
        std::size_t maxDepth;
        bool result;
        std::vector<std::string> found;
    };
    const Case cases[] = {
        {0, false, {"top.dic"}},
        {1, false, {"d1/one.dic", "top.dic"}},
        {2, false, {"d1/d2/two.dic", "d1/one.dic", "top.dic"}},
        {3, true, {"d1/d2/d3/three.dic", "d1/d2/two.dic", "d1/one.dic", "top.dic"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("depth " + std::to_string(c.maxDepth));
        WordFileWalk walk({c.maxDepth, 1000});
        bool result = !c.result;
        EXPECT_EQ(Walk(walk, dir.Root(), &result), c.found);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(walk.StoppedAtLimit(), !c.result);
    }
}

TEST_F(WordFileWalkTest, NoMoreEntriesAreReadThanAllowed) {
    for (const char* name : {"a.dic", "b.dic", "c.dic", ".hidden", "other.txt"}) {
        dir.WriteFile(name);
    }
    dir.MakeDir("sub");
    dir.WriteFile("sub/inner.dic");

    WordFileWalk enough({8, 7});  // the six names at the top and the one below
    bool result = false;
    EXPECT_EQ(Walk(enough, dir.Root(), &result),
              (std::vector<std::string>{"a.dic", "b.dic", "c.dic", "sub/inner.dic"}));
    EXPECT_TRUE(result);
    EXPECT_FALSE(enough.StoppedAtLimit());
    EXPECT_EQ(enough.GetEntriesRead(), 7u);

    WordFileWalk tooFew({8, 3});
    const std::vector<std::string> found = Walk(tooFew, dir.Root(), &result);
    EXPECT_FALSE(result);
    EXPECT_TRUE(tooFew.StoppedAtLimit());
    EXPECT_EQ(tooFew.GetEntriesRead(), 3u);
    EXPECT_EQ(std::find(found.begin(), found.end(), "sub/inner.dic"), found.end());
}
