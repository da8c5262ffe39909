#include "framework/window/orlListBoxBook.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/weakref.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "support/FocusChecks.h"
#include "support/WindowFixture.h"

namespace {

constexpr wxWindowID kBookId = 4321;

// One page event as a handler of the book's parent saw it.
struct Seen {
    bool changing;  // else changed
    int selection;
    int oldSelection;
    int bookSelection;  // what the book reported while the event was handled

    bool operator==(const Seen& other) const {
        return changing == other.changing && selection == other.selection &&
               oldSelection == other.oldSelection && bookSelection == other.bookSelection;
    }
};

void PrintTo(const Seen& seen, std::ostream* os) {
    *os << (seen.changing ? "changing " : "changed ") << seen.oldSelection << " -> "
        << seen.selection << " (book at " << seen.bookSelection << ")";
}

Seen Changing(int oldSelection, int selection) {
    return {true, selection, oldSelection, oldSelection};
}
Seen Changed(int oldSelection, int selection) {
    return {false, selection, oldSelection, selection};
}

// The book's parent: records the page events that reach it through its event table by the
// book's identifier, vetoes page changes on request, and records list-box selections that
// the book let through.
class Host : public wxPanel {
  public:
    explicit Host(wxWindow* parent) : wxPanel(parent, wxID_ANY) {}

    std::vector<Seen> seen;
    std::vector<wxEventType> types;
    std::vector<wxWindowID> ids;
    std::vector<wxObject*> objects;
    std::vector<int> listBoxSelections;
    bool veto = false;

  private:
    void Record(orlListBoxBookEvent& event, bool changing) {
        auto* book = dynamic_cast<orlListBoxBook*>(event.GetEventObject());
        seen.push_back({changing, event.GetSelection(), event.GetOldSelection(),
                        book != nullptr ? book->GetSelection() : -99});
        types.push_back(event.GetEventType());
        ids.push_back(event.GetId());
        objects.push_back(event.GetEventObject());
    }
    void OnChanging(orlListBoxBookEvent& event) {
        Record(event, true);
        if (veto) {
            event.Veto();
        }
    }
    void OnChanged(orlListBoxBookEvent& event) { Record(event, false); }
    void OnListBox(wxCommandEvent& event) { listBoxSelections.push_back(event.GetSelection()); }

    wxDECLARE_EVENT_TABLE();
};

// clang-format off
wxBEGIN_EVENT_TABLE(Host, wxPanel)
    EVT_ORL_LISTBOXBOOK_PAGE_CHANGING(kBookId, Host::OnChanging)
    EVT_ORL_LISTBOXBOOK_PAGE_CHANGED(kBookId, Host::OnChanged)
    EVT_LISTBOX(wxID_ANY, Host::OnListBox)
wxEND_EVENT_TABLE()
    // clang-format on

    class ListBoxBookTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        host = new Host(Frame());
    }

    orlListBoxBook* MakeBook(long style = wxBK_LEFT) {
        book = new orlListBoxBook(host, kBookId, wxDefaultPosition, wxDefaultSize, style);
        return book;
    }

    wxPanel* NewPage(wxSize minSize = wxSize(120, 80)) {
        auto* page = new wxPanel(book, wxID_ANY);
        page->SetMinSize(minSize);
        return page;
    }

    // A book with pages named "P0", "P1", ... and the given page selected, events forgotten.
    std::vector<wxPanel*> BookWithPages(int count, int selected) {
        MakeBook();
        std::vector<wxPanel*> pages;
        for (int i = 0; i < count; ++i) {
            pages.push_back(NewPage());
            EXPECT_TRUE(book->AddPage(pages.back(), wxString::Format("P%d", i)));
        }
        if (selected >= 0) {
            book->ChangeSelection(static_cast<size_t>(selected));
        }
        Forget();
        return pages;
    }

    void Forget() {
        host->seen.clear();
        host->types.clear();
        host->ids.clear();
        host->objects.clear();
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (unsigned i = 0; i < book->GetListBox()->GetCount(); ++i) {
            rows.push_back(book->GetListBox()->GetString(i).utf8_string());
        }
        return rows;
    }

    // The pages the book shows: exactly the selected one, and the list highlights its row.
    void ExpectShown(wxWindow* page) const {
        for (size_t i = 0; i < book->GetPageCount(); ++i) {
            EXPECT_EQ(book->GetPage(i)->IsShown(), book->GetPage(i) == page) << "page " << i;
        }
        EXPECT_EQ(book->GetCurrentPage(), page);
        EXPECT_EQ(book->GetListBox()->GetSelection(), book->GetSelection());
    }

    // Clicks the row of the book's list as the list box reports a click.
    void ClickRow(int row) const {
        wxListBox* list = book->GetListBox();
        list->SetSelection(row);
        wxCommandEvent event(wxEVT_LISTBOX, list->GetId());
        event.SetEventObject(list);
        event.SetInt(row);
        list->HandleWindowEvent(event);
    }

    Host* host = nullptr;
    orlListBoxBook* book = nullptr;
};

TEST_F(ListBoxBookTest, IsRegisteredWithTheToolkitsClassInformation) {
    std::unique_ptr<wxObject> made(wxCreateDynamicObject("orlListBoxBook"));
    auto* empty = dynamic_cast<orlListBoxBook*>(made.get());
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(empty->GetHandle(), nullptr) << "the default constructor makes no window";
    EXPECT_EQ(empty->GetListBox(), nullptr);
    EXPECT_EQ(wxString(empty->GetClassInfo()->GetBaseClassName1()), "wxBookCtrlBase");

    std::unique_ptr<wxObject> event(wxCreateDynamicObject("orlListBoxBookEvent"));
    auto* bookEvent = dynamic_cast<orlListBoxBookEvent*>(event.get());
    ASSERT_NE(bookEvent, nullptr);
    EXPECT_TRUE(bookEvent->GetClassInfo()->IsKindOf(wxCLASSINFO(wxBookCtrlEvent)));
    EXPECT_EQ(bookEvent->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(bookEvent->GetOldSelection(), wxNOT_FOUND);
    EXPECT_TRUE(bookEvent->IsAllowed());
    EXPECT_NE(orlEVT_LISTBOXBOOK_PAGE_CHANGING, orlEVT_LISTBOXBOOK_PAGE_CHANGED);
}

TEST_F(ListBoxBookTest, CloneCopiesTypeIdentifierVetoAndBothSelections) {
    orlListBoxBookEvent event(orlEVT_LISTBOXBOOK_PAGE_CHANGING, 77, 3, 1);
    event.Veto();
    std::unique_ptr<wxEvent> copy(event.Clone());
    auto* typed = dynamic_cast<orlListBoxBookEvent*>(copy.get());
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->GetEventType(), orlEVT_LISTBOXBOOK_PAGE_CHANGING);
    EXPECT_EQ(typed->GetId(), 77);
    EXPECT_EQ(typed->GetSelection(), 3);
    EXPECT_EQ(typed->GetOldSelection(), 1);
    EXPECT_FALSE(typed->IsAllowed());
}

TEST_F(ListBoxBookTest, CreationSetsTheAlignmentDropsTheBorderAndMakesTheList) {
    struct Case {
        const char* name;
        long style;
        long alignment;
    };
    const Case cases[] = {
        {"no alignment gets the top", 0, wxBK_TOP},
        {"left, with a border asked for", wxBK_LEFT | wxSUNKEN_BORDER, wxBK_LEFT},
        {"right", wxBK_RIGHT | wxSIMPLE_BORDER, wxBK_RIGHT},
        {"bottom", wxBK_BOTTOM, wxBK_BOTTOM},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        MakeBook(t.style);
        EXPECT_EQ(book->GetWindowStyle() & wxBK_ALIGN_MASK, t.alignment);
        EXPECT_EQ(book->GetWindowStyle() & wxBORDER_MASK, wxBORDER_NONE);
        EXPECT_EQ(book->GetId(), kBookId);
        EXPECT_EQ(book->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(book->GetInternalBorder(), 5u);
        EXPECT_EQ(book->GetControlMargin(), 0);
        wxListBox* list = book->GetListBox();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->GetParent(), book);
        EXPECT_EQ(list->GetName(), "listBox");
        EXPECT_EQ(list->GetCount(), 0u);
        EXPECT_NE(book->GetControlSizer(), nullptr);
        delete book;
    }
}

TEST_F(ListBoxBookTest, TheFirstPageAddedIsSelectedWithEventsAndLaterOnesStayHidden) {
    MakeBook();
    wxPanel* first = NewPage();
    ASSERT_TRUE(book->AddPage(first, "First"));
    EXPECT_EQ(book->GetSelection(), 0);
    EXPECT_EQ(host->seen, (std::vector<Seen>{Changing(-1, 0), Changed(-1, 0)}));
    EXPECT_EQ(host->types, (std::vector<wxEventType>{orlEVT_LISTBOXBOOK_PAGE_CHANGING,
                                                     orlEVT_LISTBOXBOOK_PAGE_CHANGED}));
    EXPECT_EQ(host->ids, (std::vector<wxWindowID>{kBookId, kBookId}));
    EXPECT_EQ(host->objects, (std::vector<wxObject*>{book, book}));

    Forget();
    wxPanel* second = NewPage();
    ASSERT_TRUE(book->AddPage(second, "Second"));
    EXPECT_EQ(book->GetSelection(), 0);
    EXPECT_TRUE(host->seen.empty());
    ExpectShown(first);

    wxPanel* third = NewPage();
    ASSERT_TRUE(book->AddPage(third, "Third", true));
    EXPECT_EQ(book->GetSelection(), 2);
    EXPECT_EQ(host->seen, (std::vector<Seen>{Changing(0, 2), Changed(0, 2)}));
    ExpectShown(third);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"First", "Second", "Third"}));
}

TEST_F(ListBoxBookTest, InsertingMovesTheSelectionDownOnlyWhenAtOrBeforeIt) {
    struct Case {
        size_t at;
        bool select;
        int selection;  // afterwards
        std::vector<Seen> events;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {0, false, 2, {}, {"new", "P0", "P1", "P2"}},
        {1, false, 2, {}, {"P0", "new", "P1", "P2"}},
        {2, false, 1, {}, {"P0", "P1", "new", "P2"}},
        {3, false, 1, {}, {"P0", "P1", "P2", "new"}},
        // The page the selection moved to is the one left when the inserted page is selected.
        {0, true, 0, {Changing(2, 0), Changed(2, 0)}, {"new", "P0", "P1", "P2"}},
        {3, true, 3, {Changing(1, 3), Changed(1, 3)}, {"P0", "P1", "P2", "new"}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(testing::Message() << "insert at " << t.at << (t.select ? ", selected" : ""));
        auto pages = BookWithPages(3, 1);
        wxPanel* inserted = NewPage();
        ASSERT_TRUE(book->InsertPage(t.at, inserted, "new", t.select));
        EXPECT_EQ(book->GetSelection(), t.selection);
        EXPECT_EQ(host->seen, t.events);
        EXPECT_EQ(Rows(), t.rows);
        EXPECT_EQ(book->GetPage(t.at), inserted);
        ExpectShown(t.select ? inserted : pages[1]);
        delete book;
    }
}

TEST_F(ListBoxBookTest, RemovingAPageKeepsOrMovesTheSelectionByTheRules) {
    struct Case {
        const char* name;
        int count, selected;
        size_t removed;
        int selection;         // afterwards
        int shownFormerIndex;  // the index the shown page had before, -1 none
        std::vector<Seen> events;
    };
    const Case cases[] = {
        {"a page after the selection", 3, 0, 2, 0, 0, {}},
        {"a page before the selection", 3, 2, 0, 1, 2, {}},
        {"the page just before the selection", 3, 2, 1, 1, 2, {}},
        {"the selected middle page shows the one before",
         3,
         1,
         1,
         0,
         0,
         {Changing(-1, 0), Changed(-1, 0)}},
        {"the selected last page shows the one before",
         3,
         2,
         2,
         1,
         1,
         {Changing(-1, 1), Changed(-1, 1)}},
        {"the selected first page shows the next",
         3,
         0,
         0,
         0,
         1,
         {Changing(-1, 0), Changed(-1, 0)}},
        {"the selected second of two", 2, 1, 1, 0, 0, {Changing(-1, 0), Changed(-1, 0)}},
        {"the first of two before the selection", 2, 1, 0, 0, 1, {}},
        {"the only page", 1, 0, 0, -1, -1, {}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        auto pages = BookWithPages(t.count, t.selected);
        wxWeakRef<wxWindow> removed(pages[t.removed]);
        ASSERT_TRUE(book->RemovePage(t.removed));
        EXPECT_TRUE(removed) << "RemovePage leaves the window alive";
        EXPECT_EQ(book->GetPageCount(), static_cast<size_t>(t.count - 1));
        EXPECT_EQ(book->GetListBox()->GetCount(), static_cast<unsigned>(t.count - 1));
        EXPECT_EQ(book->GetSelection(), t.selection);
        EXPECT_EQ(host->seen, t.events);
        ExpectShown(t.shownFormerIndex >= 0 ? pages[t.shownFormerIndex] : nullptr);
        std::vector<std::string> rows;
        for (int i = 0; i < t.count; ++i) {
            if (i != static_cast<int>(t.removed)) {
                rows.push_back(wxString::Format("P%d", i).utf8_string());
            }
        }
        EXPECT_EQ(Rows(), rows);
        delete removed.get();
        delete book;
    }
}

TEST_F(ListBoxBookTest, DeletingPagesDestroysThem) {
    auto pages = BookWithPages(3, 2);
    wxWeakRef<wxWindow> deleted(pages[2]);
    ASSERT_TRUE(book->DeletePage(2));
    EXPECT_FALSE(deleted);
    EXPECT_EQ(book->GetSelection(), 1);
    ExpectShown(pages[1]);

    wxWeakRef<wxWindow> first(pages[0]), second(pages[1]);
    ASSERT_TRUE(book->DeleteAllPages());
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(book->GetPageCount(), 0u);
    EXPECT_EQ(book->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(book->GetListBox()->GetCount(), 0u);

    // The emptied book starts again as a new one.
    Forget();
    ASSERT_TRUE(book->AddPage(NewPage(), "Again"));
    EXPECT_EQ(book->GetSelection(), 0);
    EXPECT_EQ(host->seen, (std::vector<Seen>{Changing(-1, 0), Changed(-1, 0)}));
}

TEST_F(ListBoxBookTest, SetSelectionSendsBothEventsAndChangeSelectionNone) {
    auto pages = BookWithPages(3, 0);
    EXPECT_EQ(book->SetSelection(2), 0) << "the previous selection";
    EXPECT_EQ(host->seen, (std::vector<Seen>{Changing(0, 2), Changed(0, 2)}));
    ExpectShown(pages[2]);

    Forget();
    EXPECT_EQ(book->SetSelection(2), 2);
    EXPECT_TRUE(host->seen.empty()) << "selecting the selected page changes nothing";

    EXPECT_EQ(book->ChangeSelection(1), 2);
    EXPECT_TRUE(host->seen.empty());
    EXPECT_EQ(book->GetSelection(), 1);
    ExpectShown(pages[1]);
}

TEST_F(ListBoxBookTest, AVetoKeepsThePageAndTheListHighlight) {
    auto pages = BookWithPages(3, 1);
    host->veto = true;

    EXPECT_EQ(book->SetSelection(2), 1);
    EXPECT_EQ(host->seen, (std::vector<Seen>{Changing(1, 2)})) << "no changed event";
    EXPECT_EQ(book->GetSelection(), 1);
    ExpectShown(pages[1]);

    Forget();
    ClickRow(0);
    EXPECT_EQ(host->seen, (std::vector<Seen>{Changing(1, 0)}));
    EXPECT_EQ(book->GetSelection(), 1);
    EXPECT_EQ(book->GetListBox()->GetSelection(), 1) << "the highlight goes back";
    ExpectShown(pages[1]);

    // The veto is for the events only: a change without events goes through.
    Forget();
    EXPECT_EQ(book->ChangeSelection(2), 1);
    EXPECT_TRUE(host->seen.empty());
    ExpectShown(pages[2]);
}

TEST_F(ListBoxBookTest, ClickingARowSelectsItsPage) {
    auto pages = BookWithPages(3, 0);
    ClickRow(2);
    EXPECT_EQ(host->seen, (std::vector<Seen>{Changing(0, 2), Changed(0, 2)}));
    ExpectShown(pages[2]);
    EXPECT_TRUE(host->listBoxSelections.empty()) << "the book's own list stops there";

    Forget();
    ClickRow(2);
    EXPECT_TRUE(host->seen.empty()) << "the row already selected";
}

TEST_F(ListBoxBookTest, AListBoxOnAPageIsNotTakenForThePageList) {
    auto pages = BookWithPages(3, 0);
    auto* pageList = new wxListBox(pages[0], wxID_ANY);
    pageList->Append("a");
    pageList->Append("b");
    pageList->Append("c");
    pageList->SetSelection(2);
    wxCommandEvent event(wxEVT_LISTBOX, pageList->GetId());
    event.SetEventObject(pageList);
    event.SetInt(2);
    pageList->HandleWindowEvent(event);

    EXPECT_EQ(book->GetSelection(), 0);
    EXPECT_TRUE(host->seen.empty());
    EXPECT_EQ(host->listBoxSelections, std::vector<int>{2}) << "the event goes on up";
}

TEST_F(ListBoxBookTest, HandsTheFocusOnToItsListAndNeverTakesItItself) {
    BookWithPages(2, 0);
    host->SetSize(0, 0, 400, 250);
    book->SetSize(0, 0, 400, 250);
    auto* elsewhere = new wxButton(Frame(), wxID_ANY, "Elsewhere", wxPoint(410, 10));
    ShowFrame();

    EXPECT_FALSE(gtk_widget_get_can_focus(GTK_WIDGET(book->GetHandle())))
        << "GTK's tab order passes over the book itself";
    EXPECT_TRUE(book->AcceptsFocusFromKeyboard()) << "but not over its list and pages";

    struct Case {
        const char* name;
        wxWindow* focused;
    };
    const Case cases[] = {
        {"the book's parent, as a dialog focuses its first control when it opens", host},
        {"the book itself", book},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        elsewhere->SetFocus();
        ASSERT_TRUE(HasWindowFocus(elsewhere));
        t.focused->SetFocus();
        EXPECT_TRUE(HasFocusWithin(book->GetListBox()));
        EXPECT_FALSE(HasWindowFocus(book));
    }
}

TEST_F(ListBoxBookTest, PageTextsAreTheListRows) {
    BookWithPages(3, 0);
    EXPECT_TRUE(book->SetPageText(1, "Renamed"));
    EXPECT_EQ(book->GetPageText(1), "Renamed");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"P0", "Renamed", "P2"}));
    EXPECT_EQ(book->GetPageText(2), "P2");
    EXPECT_EQ(book->HitTest(wxPoint(1, 1)), wxNOT_FOUND);
}

TEST_F(ListBoxBookTest, TheListTakesItsSideAndThePageTheRest) {
    struct Case {
        const char* name;
        long style;
    };
    const Case cases[] = {
        {"left", wxBK_LEFT},
        {"right", wxBK_RIGHT},
        {"top", wxBK_TOP},
        {"bottom", wxBK_BOTTOM},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        MakeBook(t.style);
        wxPanel* page = NewPage(wxSize(200, 150));
        book->AddPage(page, "A page");
        book->AddPage(NewPage(wxSize(260, 90)), "Another page");

        const wxSize list = book->GetControlSizer()->GetMinSize();
        ASSERT_GT(list.x, 0);
        ASSERT_GT(list.y, 0);
        const bool vertical = t.style == wxBK_TOP || t.style == wxBK_BOTTOM;
        // The largest page next to the list at its minimum size, 5 pixels apart.
        const wxSize best = vertical ? wxSize(std::max(260, list.x), 150 + list.y + 5)
                                     : wxSize(260 + list.x + 5, std::max(150, list.y));
        EXPECT_EQ(book->CalcSizeFromPage(wxSize(260, 150)), best);
        EXPECT_EQ(book->GetBestSize(), best);

        book->SetSize(0, 0, 700, 500);
        book->SendSizeEvent();
        const wxRect listRect = book->GetListBox()->GetRect();
        const wxRect pageRect = page->GetRect();
        switch (t.style) {
            case wxBK_LEFT:
                EXPECT_EQ(listRect, wxRect(0, 0, list.x, 500));
                EXPECT_EQ(pageRect, wxRect(list.x + 5, 0, 700 - list.x - 5, 500));
                break;
            case wxBK_RIGHT:
                EXPECT_EQ(listRect, wxRect(700 - list.x, 0, list.x, 500));
                EXPECT_EQ(pageRect, wxRect(0, 0, 700 - list.x - 5, 500));
                break;
            case wxBK_TOP:
                EXPECT_EQ(listRect, wxRect(0, 0, 700, list.y));
                EXPECT_EQ(pageRect, wxRect(0, list.y + 5, 700, 500 - list.y - 5));
                break;
            default:
                EXPECT_EQ(listRect, wxRect(0, 500 - list.y, 700, list.y));
                EXPECT_EQ(pageRect, wxRect(0, 0, 700, 500 - list.y - 5));
                break;
        }
        EXPECT_EQ(book->GetControllerSize(), vertical ? wxSize(700, list.y) : wxSize(list.x, 500));

        // A book made large still asks for no more than its pages need.
        book->InvalidateBestSize();
        EXPECT_EQ(book->GetBestSize(), best);
        delete book;
    }
}

}  // namespace
