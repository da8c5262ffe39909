// The help book the build makes: it holds exactly the pages of docs/en, its contents and
// index name only pages it holds, and every link between its pages leads somewhere.
#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/html/helpdata.h>
#include <wx/log.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const wxString kBook = TESSARIN_HELP_BOOK;
const wxString kSourceDir = TESSARIN_HELP_SOURCE_DIR;

using Files = std::map<std::string, std::string>;  // name -> bytes

Files ReadBook() {
    Files files;
    wxFFileInputStream file(kBook);
    wxZipInputStream zip(file);
    std::unique_ptr<wxZipEntry> entry;
    while (entry.reset(zip.GetNextEntry()), entry != nullptr) {
        std::string bytes;
        char buffer[4096];
        while (zip.Read(buffer, sizeof buffer).LastRead() > 0) {
            bytes.append(buffer, zip.LastRead());
        }
        files[entry->GetName(wxPATH_UNIX).utf8_string()] = bytes;
    }
    return files;
}

Files ReadSources() {
    Files files;
    wxArrayString paths;
    wxDir::GetAllFiles(kSourceDir, &paths, wxEmptyString, wxDIR_FILES);
    for (const wxString& path : paths) {
        wxFFile file(path, "rb");
        std::string bytes(static_cast<size_t>(file.Length()), '\0');
        file.Read(bytes.data(), bytes.size());
        files[wxFileName(path).GetFullName().utf8_string()] = bytes;
    }
    return files;
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

// The page names of a book, and the anchors ("name" targets) of each page.
std::map<std::string, std::set<std::string>> Anchors(const Files& book) {
    const std::regex anchor(R"re(<a\s+name="([^"]+)")re", std::regex::icase);
    std::map<std::string, std::set<std::string>> anchors;
    for (const auto& [name, bytes] : book) {
        if (name.ends_with(".html")) {
            const std::vector<std::string> names = Matches(bytes, anchor);
            anchors[name] = std::set<std::string>(names.begin(), names.end());
        }
    }
    return anchors;
}

// What a link from page `from` to `target` ("page.html#anchor", "#anchor") misses; empty when
// it leads to a page of the book and, with an anchor, to that anchor on the page.
std::string Unresolved(const std::map<std::string, std::set<std::string>>& anchors,
                       const std::string& from, const std::string& target) {
    const size_t hash = target.find('#');
    const std::string page = hash == 0 ? from : target.substr(0, hash);
    const auto found = anchors.find(page);
    if (found == anchors.end()) {
        return "no page " + page;
    }
    if (hash != std::string::npos && !found->second.contains(target.substr(hash + 1))) {
        return "no anchor " + target.substr(hash + 1) + " on " + page;
    }
    return {};
}

// The value of an entry ("Contents file") of the project file's [OPTIONS] section.
std::string Option(const std::string& project, const std::string& key) {
    const std::regex line("(?:^|\\n)" + key + "=([^\\r\\n]*)");
    std::smatch match;
    return std::regex_search(project, match, line) ? match[1].str() : std::string();
}

// The "Local" targets of a contents or index file.
std::vector<std::string> Locals(const std::string& sitemap) {
    return Matches(sitemap,
                   std::regex(R"re(<param\s+name="Local"\s+value="([^"]*)")re", std::regex::icase));
}

class HelpBookTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(wxFileExists(kBook)) << "the build makes " << kBook;
        book = ReadBook();
        ASSERT_FALSE(book.empty());
        anchors = Anchors(book);
    }

    Files book;
    std::map<std::string, std::set<std::string>> anchors;
};

TEST_F(HelpBookTest, HoldsExactlyTheCurrentPagesOfTheSourceDirectory) {
    const Files sources = ReadSources();
    std::vector<std::string> bookNames, sourceNames;
    for (const auto& entry : book) {
        bookNames.push_back(entry.first);
    }
    for (const auto& entry : sources) {
        sourceNames.push_back(entry.first);
    }
    ASSERT_EQ(bookNames, sourceNames);
    for (const auto& [name, bytes] : sources) {
        EXPECT_TRUE(book.at(name) == bytes) << name << " is out of date in the book";
    }
}

TEST_F(HelpBookTest, TheProjectNamesItsContentsIndexAndStartPage) {
    ASSERT_TRUE(book.contains("tessarin.hhp"));
    const std::string& project = book.at("tessarin.hhp");
    EXPECT_EQ(Option(project, "Title"), "tessarin Help");
    for (const char* key : {"Contents file", "Index file", "Default topic"}) {
        SCOPED_TRACE(key);
        const std::string file = Option(project, key);
        ASSERT_FALSE(file.empty());
        EXPECT_TRUE(book.contains(file));
    }
    EXPECT_EQ(Option(project, "Default topic"), "index.html");

    // Its list of files names every page, and nothing else.
    const size_t section = project.find("[FILES]");
    ASSERT_NE(section, std::string::npos);
    std::set<std::string> listed;
    std::istringstream lines(project.substr(section + 7));
    for (std::string line; std::getline(lines, line) && !line.starts_with("[");) {
        if (!line.empty()) {
            listed.insert(line);
        }
    }
    std::set<std::string> pages;
    for (const auto& entry : anchors) {
        pages.insert(entry.first);
    }
    EXPECT_EQ(listed, pages);
}

TEST_F(HelpBookTest, ContentsAndIndexNameOnlyPagesAndAnchorsOfTheBook) {
    const std::string& project = book.at("tessarin.hhp");
    for (const std::string& sitemap :
         {Option(project, "Contents file"), Option(project, "Index file")}) {
        SCOPED_TRACE(sitemap);
        ASSERT_TRUE(book.contains(sitemap));
        const std::vector<std::string> targets = Locals(book.at(sitemap));
        EXPECT_GT(targets.size(), 10u);
        for (const std::string& target : targets) {
            EXPECT_EQ(Unresolved(anchors, "", target), "") << target;
        }
    }
}

TEST_F(HelpBookTest, EveryPageIsInTheContentsWithATitle) {
    std::set<std::string> listed;
    for (const std::string& target : Locals(book.at("tessarin.hhc"))) {
        listed.insert(target.substr(0, target.find('#')));
    }
    const std::regex title(R"re(<title>([^<]+)</title>)re", std::regex::icase);
    for (const auto& [page, unused] : anchors) {
        EXPECT_TRUE(listed.contains(page)) << page << " cannot be reached from the contents";
        EXPECT_EQ(Matches(book.at(page), title).size(), 1u) << page;
    }
}

TEST_F(HelpBookTest, EveryLinkBetweenPagesResolves) {
    const std::regex link(R"re(<(?:a|img)\s[^>]*?(?:href|src)\s*=\s*"([^"]*)")re",
                          std::regex::icase);
    size_t links = 0;
    for (const auto& [page, unused] : anchors) {
        for (const std::string& target : Matches(book.at(page), link)) {
            SCOPED_TRACE(page + " -> " + target);
            EXPECT_EQ(target.find(':'), std::string::npos) << "pages link only to the book";
            EXPECT_EQ(Unresolved(anchors, page, target), "");
            ++links;
        }
    }
    EXPECT_GT(links, anchors.size()) << "the pages are linked to one another";
}

TEST_F(HelpBookTest, TheToolkitReadsTheBookAndReachesEveryEntry) {
    wxLogNull quiet;
    const wxString url = wxFileSystem::FileNameToURL(wxFileName(kBook));
    if (!wxFileSystem::HasHandlerForPath(url + "#zip:index.html")) {
        wxFileSystem::AddHandler(new wxArchiveFSHandler);
    }
    wxHtmlHelpData data;
    ASSERT_TRUE(data.AddBook(url));
    ASSERT_EQ(data.GetBookRecArray().size(), 1u);
    EXPECT_EQ(data.GetBookRecArray()[0].GetTitle(), "tessarin Help");
    EXPECT_EQ(data.GetBookRecArray()[0].GetStart(), "index.html");

    // The contents begin with an entry for the book itself.
    EXPECT_EQ(data.GetContentsArray().size(), 1 + Locals(book.at("tessarin.hhc")).size());
    EXPECT_EQ(data.GetIndexArray().size(), Locals(book.at("tessarin.hhk")).size());
    wxFileSystem files;
    for (const wxHtmlHelpDataItems* items : {&data.GetContentsArray(), &data.GetIndexArray()}) {
        for (size_t i = 0; i < items->size(); ++i) {
            const wxHtmlHelpDataItem& item = (*items)[i];
            SCOPED_TRACE(item.name.utf8_string());
            EXPECT_FALSE(item.name.empty());
            std::unique_ptr<wxFSFile> page(files.OpenFile(item.GetFullPath()));
            EXPECT_NE(page, nullptr) << item.GetFullPath();
        }
    }
}

}  // namespace
