// The help books the build makes, one per language: each holds exactly the pages of its
// docs/<lang> directory, its contents and index name only pages it holds, every link between
// its pages leads somewhere, the toolkit reads its names in its own script, and its text wraps
// in a window of ordinary width. Every translation has the pages, anchors and contents of the
// English book.
#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/html/helpdata.h>
#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/tokenzr.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include <algorithm>
#include <clocale>
#include <map>
#include <memory>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/WindowFixture.h"

namespace {

// What each book is expected to say of itself, in its own language.
struct Language {
    const char* code;          // the directory under docs/
    const char* title;         // the book's title (UTF-8)
    const char* firstChapter;  // the first entry of its contents (UTF-8)
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.code;
}

const Language kLanguages[] = {
    {"en", "tessarin Help", "Overview"},
    {"ja", "tessarin ヘルプ", "概要"},
};

// Where the packer lets a line of Japanese text break in the viewer: a hair space and <wbr>.
const std::string kLineBreak = "\u200a<wbr>";

wxString BookPath(const std::string& code) {
    return wxString(TESSARIN_HELP_BOOK_ROOT) + "/" + code + "/tessarin.htb";
}

wxString SourceDir(const std::string& code) {
    return wxString(TESSARIN_HELP_SOURCE_ROOT) + "/" + code;
}

using Files = std::map<std::string, std::string>;  // name -> bytes

Files ReadBook(const std::string& code) {
    Files files;
    wxFFileInputStream file(BookPath(code));
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

Files ReadSources(const std::string& code) {
    Files files;
    wxArrayString paths;
    wxDir::GetAllFiles(SourceDir(code), &paths, wxEmptyString, wxDIR_FILES);
    for (const wxString& path : paths) {
        wxFFile file(path, "rb");
        std::string bytes(static_cast<size_t>(file.Length()), '\0');
        file.Read(bytes.data(), bytes.size());
        files[wxFileName(path).GetFullName().utf8_string()] = bytes;
    }
    return files;
}

std::string WithoutLineBreaks(std::string text) {
    for (size_t at; (at = text.find(kLineBreak)) != std::string::npos;) {
        text.erase(at, kLineBreak.size());
    }
    return text;
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

using Anchors = std::map<std::string, std::set<std::string>>;  // page -> its "name" targets

Anchors AnchorsOf(const Files& book) {
    const std::regex anchor(R"re(<a\s+name="([^"]+)")re", std::regex::icase);
    Anchors anchors;
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
std::string Unresolved(const Anchors& anchors, const std::string& from, const std::string& target) {
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

// The "Local" targets and the "Name" texts of a contents or index file, in file order.
std::vector<std::string> Locals(const std::string& sitemap) {
    return Matches(sitemap,
                   std::regex(R"re(<param\s+name="Local"\s+value="([^"]*)")re", std::regex::icase));
}

std::vector<std::string> Names(const std::string& sitemap) {
    return Matches(sitemap,
                   std::regex(R"re(<param\s+name="Name"\s+value="([^"]*)")re", std::regex::icase));
}

std::vector<std::string> BuiltLanguages() {
    std::vector<std::string> codes;
    for (const wxString& code : wxStringTokenize(TESSARIN_HELP_LANGUAGES, ",")) {
        codes.push_back(code.utf8_string());
    }
    return codes;
}

void LetTheFileSystemReadArchives() {
    if (!wxFileSystem::HasHandlerForPath("file:/x.htb#zip:index.html")) {
        wxFileSystem::AddHandler(new wxArchiveFSHandler);
    }
}

TEST(HelpBooks, EveryBuiltLanguageIsChecked) {
    std::vector<std::string> checked;
    for (const Language& language : kLanguages) {
        checked.push_back(language.code);
    }
    std::vector<std::string> built = BuiltLanguages();
    std::sort(checked.begin(), checked.end());
    std::sort(built.begin(), built.end());
    EXPECT_EQ(built, checked);
}

// A translation is the English book in another language: the same pages with the same anchors,
// the same contents in the same order, and index entries for the same places.
TEST(HelpBooks, TranslationsHaveThePagesAnchorsAndContentsOfTheEnglishBook) {
    const Files english = ReadBook("en");
    ASSERT_FALSE(english.empty());
    std::vector<std::string> englishIndex = Locals(english.at("tessarin.hhk"));
    std::sort(englishIndex.begin(), englishIndex.end());
    for (const std::string& code : BuiltLanguages()) {
        if (code == "en") {
            continue;
        }
        SCOPED_TRACE(code);
        const Files book = ReadBook(code);
        ASSERT_TRUE(book.contains("tessarin.hhc") && book.contains("tessarin.hhk"));
        EXPECT_EQ(AnchorsOf(book), AnchorsOf(english));
        EXPECT_EQ(Locals(book.at("tessarin.hhc")), Locals(english.at("tessarin.hhc")));
        std::vector<std::string> index = Locals(book.at("tessarin.hhk"));
        std::sort(index.begin(), index.end());
        EXPECT_EQ(index, englishIndex);
    }
}

class HelpBookTest : public WindowFixture, public testing::WithParamInterface<Language> {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        code = GetParam().code;
        ASSERT_TRUE(wxFileExists(BookPath(code))) << "the build makes " << BookPath(code);
        book = ReadBook(code);
        ASSERT_FALSE(book.empty());
        anchors = AnchorsOf(book);
        ASSERT_TRUE(book.contains("tessarin.hhp"));
        project = book.at("tessarin.hhp");
    }

    std::string code;
    Files book;
    Anchors anchors;
    std::string project;
};

TEST_P(HelpBookTest, HoldsExactlyTheCurrentPagesOfItsSourceDirectory) {
    const Files sources = ReadSources(code);
    std::vector<std::string> bookNames, sourceNames;
    for (const auto& entry : book) {
        bookNames.push_back(entry.first);
    }
    for (const auto& entry : sources) {
        sourceNames.push_back(entry.first);
    }
    ASSERT_EQ(bookNames, sourceNames);
    // Pages go in with places to break lines added, and with nothing else changed.
    for (const auto& [name, bytes] : sources) {
        EXPECT_TRUE(WithoutLineBreaks(book.at(name)) == bytes) << name << " is out of date";
    }
}

TEST_P(HelpBookTest, TheProjectNamesItsTitleContentsIndexAndStartPage) {
    EXPECT_EQ(Option(project, "Title"), GetParam().title);
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

TEST_P(HelpBookTest, ContentsAndIndexNameOnlyPagesAndAnchorsOfTheBook) {
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

TEST_P(HelpBookTest, EveryPageIsInTheContentsWithATitle) {
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

TEST_P(HelpBookTest, EveryLinkBetweenPagesResolves) {
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

// The names come through the toolkit as written: the book's title and every contents and index
// entry, in the book's own script (not read in another character set, and not lost).
TEST_P(HelpBookTest, TheToolkitReadsTheBookAndReachesEveryEntry) {
    wxLogNull quiet;
    LetTheFileSystemReadArchives();
    wxHtmlHelpData data;
    ASSERT_TRUE(data.AddBook(wxFileSystem::FileNameToURL(wxFileName(BookPath(code)))));
    ASSERT_EQ(data.GetBookRecArray().size(), 1u);
    EXPECT_EQ(data.GetBookRecArray()[0].GetTitle().utf8_string(), GetParam().title);
    EXPECT_EQ(data.GetBookRecArray()[0].GetStart(), "index.html");

    // The contents begin with an entry for the book itself, then follow the contents file.
    const wxHtmlHelpDataItems& contents = data.GetContentsArray();
    const std::vector<std::string> names = Names(book.at("tessarin.hhc"));
    ASSERT_EQ(contents.size(), 1 + names.size());
    EXPECT_EQ(contents[0].name.utf8_string(), GetParam().title);
    EXPECT_EQ(contents[1].name.utf8_string(), GetParam().firstChapter);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(contents[1 + i].name.utf8_string(), names[i]);
    }

    // The toolkit sorts the index by itself.
    const wxHtmlHelpDataItems& index = data.GetIndexArray();
    std::vector<std::string> indexNames = Names(book.at("tessarin.hhk"));
    std::vector<std::string> readIndexNames;
    for (size_t i = 0; i < index.size(); ++i) {
        readIndexNames.push_back(index[i].name.utf8_string());
    }
    std::sort(indexNames.begin(), indexNames.end());
    std::sort(readIndexNames.begin(), readIndexNames.end());
    EXPECT_EQ(readIndexNames, indexNames);

    wxFileSystem files;
    for (const wxHtmlHelpDataItems* items : {&contents, &index}) {
        for (size_t i = 0; i < items->size(); ++i) {
            const wxHtmlHelpDataItem& item = (*items)[i];
            SCOPED_TRACE(item.name.utf8_string());
            EXPECT_FALSE(item.name.empty());
            std::unique_ptr<wxFSFile> page(files.OpenFile(item.GetFullPath()));
            EXPECT_NE(page, nullptr) << item.GetFullPath();
        }
    }
}

// Character classes of all of Unicode for as long as it lives, as the program has them once it
// has set up the user's locale; the test process starts in the "C" locale.
class UnicodeCharacterClasses {
  public:
    UnicodeCharacterClasses() : previous(std::setlocale(LC_CTYPE, nullptr)) {
        EXPECT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    }
    ~UnicodeCharacterClasses() { std::setlocale(LC_CTYPE, previous.c_str()); }
    UnicodeCharacterClasses(const UnicodeCharacterClasses&) = delete;
    UnicodeCharacterClasses& operator=(const UnicodeCharacterClasses&) = delete;

  private:
    std::string previous;
};

// The viewer wraps lines only where it finds room to: every page, whatever its language, fits
// the width of a small viewer window without sideways scrolling.
TEST_P(HelpBookTest, EveryPageWrapsToTheWidthOfASmallWindow) {
    wxLogNull quiet;
    UnicodeCharacterClasses classes;
    LetTheFileSystemReadArchives();
    auto* page = new wxHtmlWindow(Frame(), wxID_ANY, wxDefaultPosition, wxSize(500, 400));
    Frame()->SetClientSize(500, 400);
    ShowFrame();
    const int width = page->GetClientSize().x;
    ASSERT_GT(width, 400);
    const wxString url = wxFileSystem::FileNameToURL(wxFileName(BookPath(code)));
    for (const auto& [name, unused] : anchors) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(page->LoadPage(url + "#zip:" + name));
        EXPECT_LE(page->GetInternalRepresentation()->GetWidth(), width);
    }
}

// The viewer's search reads a page as the book holds it, places to break lines included: a
// search for a label of the program (the pages set labels in bold) finds the pages that name it.
TEST_P(HelpBookTest, TheViewersSearchFindsTheLabelsOfEveryPage) {
    wxLogNull quiet;
    LetTheFileSystemReadArchives();
    const std::regex bold(R"re(<b>([^<]+)</b>)re", std::regex::icase);
    const wxString url = wxFileSystem::FileNameToURL(wxFileName(BookPath(code)));
    wxFileSystem files;
    size_t labels = 0;
    for (const auto& [name, unused] : anchors) {
        for (const std::string& label : Matches(WithoutLineBreaks(book.at(name)), bold)) {
            const wxString keyword = wxString::FromUTF8(label).Strip(wxString::both);
            if (keyword.empty()) {
                continue;
            }
            wxHtmlSearchEngine search;
            search.LookFor(keyword, false, false);
            std::unique_ptr<wxFSFile> page(files.OpenFile(url + "#zip:" + name));
            ASSERT_NE(page, nullptr) << name;
            EXPECT_TRUE(search.Scan(*page)) << name << ": " << label;
            ++labels;
        }
    }
    EXPECT_GT(labels, anchors.size());
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpBookTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.code);
                         });

}  // namespace
