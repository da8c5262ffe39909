#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/sstream.h>

#include <memory>
#include <vector>

#include "framework/window/orlLibraryConfig.h"
#include "framework/window/orlTopLevelWindowBase.h"
#include "support/MemoryStore.h"
#include "support/orlWindowTestSupport.h"

namespace {

using List = std::vector<orlWindowInfo>;
const wxString Path = "liborl/orlTopLevelWindow";

orlWindowInfo Info(const wxString& keyword, wxPoint margin = orlWindowInfo::DefaultPosMargin,
                   wxSize size = wxDefaultSize, bool maximized = false, bool iconized = false) {
    orlWindowInfo info(keyword);
    info.PosMargin = margin;
    info.Size = size;
    info.Maximized = maximized;
    info.Iconized = iconized;
    return info;
}

void SetRegistry(const List& list) {
    orlTopLevelWindowBase::ClearWindowInfoList();
    for (const orlWindowInfo& info : list) {
        orlTopLevelWindowBase::AppendWindowInfo(info);
    }
}

// A file store whose group deletion or one chosen write fails.
class FailingStore : public wxFileConfig {
  public:
    FailingStore(wxInputStream& in, const wxString& refusedKey)
        : wxFileConfig(in), failingKey(refusedKey) {}

    bool DeleteGroup(const wxString& key) override {
        return key != failingKey && wxFileConfig::DeleteGroup(key);
    }

  protected:
    bool DoWriteString(const wxString& key, const wxString& value) override {
        return key != failingKey && wxFileConfig::DoWriteString(key, value);
    }
    bool DoWriteLong(const wxString& key, long value) override {
        return key != failingKey && wxFileConfig::DoWriteLong(key, value);
    }

  private:
    wxString failingKey;
};

class WindowInfoListTest : public testing::Test {
  protected:
    void SetUp() override { ResetWindowGeometry(); }
    void TearDown() override { ResetWindowGeometry(); }
};

// Records 001 and 002 are read; the gap at 003 hides 004.
const char* const GappedStore =
    "[liborl/orlTopLevelWindow/001]\n"
    "Keyword=Preferences\n"
    "Maximized=1\n"
    "Iconized=0\n"
    "[liborl/orlTopLevelWindow/001/PosMargin]\n"
    "X=12\n"
    "Y=-34\n"
    "[liborl/orlTopLevelWindow/001/Size]\n"
    "Width=500\n"
    "Height=400\n"
    "[liborl/orlTopLevelWindow/002]\n"
    "Keyword=Use Character\n"
    "[liborl/orlTopLevelWindow/004]\n"
    "Keyword=Dictionary Word\n";

TEST_F(WindowInfoListTest, LoadingReadsNumberedRecordsUntilTheFirstGap) {
    auto store = memorystore::FromText(GappedStore);
    SetRegistry({Info("left over")});

    ASSERT_TRUE(orlTopLevelWindowBase::LoadWindowInfoList(*store, Path));

    EXPECT_EQ(WindowInfoList(), (List{Info("Preferences", wxPoint(12, -34), wxSize(500, 400), true),
                                      Info("Use Character")}));
}

TEST_F(WindowInfoListTest, SavingRenumbersTheRecordsAndRemovesTheRest) {
    auto store = memorystore::FromText(GappedStore);
    ASSERT_TRUE(orlTopLevelWindowBase::LoadWindowInfoList(*store, Path));

    ASSERT_TRUE(orlTopLevelWindowBase::SaveWindowInfoList(*store, Path));

    // The store writes a header for each group it had to make again.
    EXPECT_EQ(memorystore::ToText(*store).utf8_string(),
              "[liborl]\n"
              "[liborl/orlTopLevelWindow]\n"
              "[liborl/orlTopLevelWindow/001]\n"
              "Keyword=Preferences\n"
              "Maximized=1\n"
              "Iconized=0\n"
              "[liborl/orlTopLevelWindow/001/PosMargin]\n"
              "X=12\n"
              "Y=-34\n"
              "[liborl/orlTopLevelWindow/001/Size]\n"
              "Width=500\n"
              "Height=400\n"
              "[liborl/orlTopLevelWindow/002]\n"
              "Keyword=Use Character\n"
              "Maximized=0\n"
              "Iconized=0\n"
              "[liborl/orlTopLevelWindow/002/PosMargin]\n"
              "X=30\n"
              "Y=60\n"
              "[liborl/orlTopLevelWindow/002/Size]\n"
              "Width=-1\n"
              "Height=-1\n");
}

TEST_F(WindowInfoListTest, RecordsWithoutAKeyAreDroppedAndTheNextOnesStillRead) {
    struct Case {
        const char* what;
        const char* text;
    };
    const Case cases[] = {
        {"empty key",
         "[liborl/orlTopLevelWindow/001]\nKeyword=\nMaximized=1\n"
         "[liborl/orlTopLevelWindow/002]\nKeyword=B\n"},
        {"no key entry",
         "[liborl/orlTopLevelWindow/001/PosMargin]\nX=1\nY=2\n"
         "[liborl/orlTopLevelWindow/002]\nKeyword=B\n"},
        {"an entry where a record belongs",
         "[liborl/orlTopLevelWindow]\n001=junk\n"
         "[liborl/orlTopLevelWindow/002]\nKeyword=B\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto store = memorystore::FromText(c.text);
        ASSERT_TRUE(orlTopLevelWindowBase::LoadWindowInfoList(*store, Path));
        EXPECT_EQ(WindowInfoList(), List{Info("B")});

        // Gone from the store, too, after the next save.
        ASSERT_TRUE(orlTopLevelWindowBase::SaveWindowInfoList(*store, Path));
        wxString keyword;
        EXPECT_TRUE(store->Read(Path + "/001/Keyword", &keyword));
        EXPECT_EQ(keyword, "B");
        EXPECT_FALSE(store->HasGroup(Path + "/002"));
    }
}

TEST_F(WindowInfoListTest, FieldsThatCannotBeReadKeepTheirDefaults) {
    struct Case {
        const char* what;
        const char* fields;
        orlWindowInfo expected;
    };
    const Case cases[] = {
        {"margin without Y", "[liborl/orlTopLevelWindow/001/PosMargin]\nX=5\n", Info("K")},
        {"width not a number", "[liborl/orlTopLevelWindow/001/Size]\nWidth=abc\nHeight=200\n",
         Info("K")},
        {"negative size is read as stored",
         "[liborl/orlTopLevelWindow/001/Size]\nWidth=-7\nHeight=0\n",
         Info("K", orlWindowInfo::DefaultPosMargin, wxSize(-7, 0))},
        {"flags", "Iconized=1\n",
         Info("K", orlWindowInfo::DefaultPosMargin, wxDefaultSize, false, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto store = memorystore::FromText(wxString("[liborl/orlTopLevelWindow/001]\nKeyword=K\n") +
                                           c.fields);
        ASSERT_TRUE(orlTopLevelWindowBase::LoadWindowInfoList(*store, Path));
        EXPECT_EQ(WindowInfoList(), List{c.expected});
    }
}

TEST_F(WindowInfoListTest, AStoreWithoutTheGroupEmptiesTheRegistry) {
    auto store = memorystore::FromText("[liborl/orlDialog]\nX=1\n");
    SetRegistry({Info("left over")});
    EXPECT_TRUE(orlTopLevelWindowBase::LoadWindowInfoList(*store, Path));
    EXPECT_EQ(orlTopLevelWindowBase::GetWindowInfoCount(), 0u);

    // And saving an empty registry removes what was stored.
    auto stored = memorystore::FromText(GappedStore);
    EXPECT_TRUE(orlTopLevelWindowBase::SaveWindowInfoList(*stored, Path));
    EXPECT_EQ(memorystore::ToText(*stored).utf8_string(), "");
}

TEST_F(WindowInfoListTest, DuplicateKeysAreAllKeptAndWrittenBack) {
    const List duplicates = {Info("A", wxPoint(1, 1)), Info("B"), Info("A", wxPoint(2, 2))};
    SetRegistry(duplicates);
    auto store = memorystore::FromText("");
    ASSERT_TRUE(orlTopLevelWindowBase::SaveWindowInfoList(*store, Path));

    ASSERT_TRUE(orlTopLevelWindowBase::LoadWindowInfoList(*store, Path));
    EXPECT_EQ(WindowInfoList(), duplicates);
}

TEST_F(WindowInfoListTest, ALongRegistrySurvivesARoundTrip) {
    List many;
    for (int i = 1; i <= 12; ++i) {
        many.push_back(Info(wxString::Format("window %d", i), wxPoint(i, -i),
                            wxSize(100 + i, 200 + i), i % 2 == 0, i % 3 == 0));
    }
    SetRegistry(many);
    auto store = memorystore::FromText("");
    ASSERT_TRUE(orlTopLevelWindowBase::SaveWindowInfoList(*store, Path));
    wxString tenth;
    EXPECT_TRUE(store->Read(Path + "/010/Keyword", &tenth));
    EXPECT_EQ(tenth, "window 10");

    SetRegistry({});
    ASSERT_TRUE(orlTopLevelWindowBase::LoadWindowInfoList(*store, Path));
    EXPECT_EQ(WindowInfoList(), many);
}

TEST_F(WindowInfoListTest, SavingStopsAtTheFirstFailingStoreOperation) {
    const List registry = {Info("A", wxPoint(1, 2), wxSize(300, 200)), Info("B")};
    const char* const failingKeys[] = {
        "liborl/orlTopLevelWindow",  // deleting the old list
        "liborl/orlTopLevelWindow/001/Keyword",
        "liborl/orlTopLevelWindow/001/PosMargin/Y",
        "liborl/orlTopLevelWindow/001/Size/Width",
        "liborl/orlTopLevelWindow/001/Maximized",
        "liborl/orlTopLevelWindow/002/Iconized",
    };
    for (const char* failingKey : failingKeys) {
        SCOPED_TRACE(failingKey);
        SetRegistry(registry);
        wxStringInputStream in(GappedStore);
        FailingStore store(in, failingKey);

        EXPECT_FALSE(orlTopLevelWindowBase::SaveWindowInfoList(store, Path));
        EXPECT_EQ(WindowInfoList(), registry);
        // Nothing is written after the failure.
        EXPECT_FALSE(store.HasEntry(Path + "/002/Iconized"));
    }
}

TEST_F(WindowInfoListTest, TheLibraryRootKeepsTheRegistryBesideAnUntouchedDialogGroup) {
    auto store = memorystore::FromText(
        "[liborl/orlDialog]\n"
        "Kept=1\n");
    const List registry = {Info("Preferences", wxPoint(-5, 7), wxSize(640, 480))};
    SetRegistry(registry);

    ASSERT_TRUE(orlWriteLibraryConfig(*store, "liborl"));
    EXPECT_EQ(memorystore::ToText(*store).utf8_string(),
              "[liborl/orlDialog]\n"
              "Kept=1\n"
              "[liborl/orlTopLevelWindow]\n"
              "[liborl/orlTopLevelWindow/001]\n"
              "Keyword=Preferences\n"
              "Maximized=0\n"
              "Iconized=0\n"
              "[liborl/orlTopLevelWindow/001/PosMargin]\n"
              "X=-5\n"
              "Y=7\n"
              "[liborl/orlTopLevelWindow/001/Size]\n"
              "Width=640\n"
              "Height=480\n");

    SetRegistry({});
    ASSERT_TRUE(orlReadLibraryConfig(*store, "liborl"));
    EXPECT_EQ(WindowInfoList(), registry);
}

}  // namespace
