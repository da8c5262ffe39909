// A book control whose page selector is a plain list box of page names beside the page area:
// the list shows one row per page, and the selected row's page fills the rest of the control.
// It sends a vetoable event before a page change and a second one after it.
#pragma once

#include <wx/bookctrl.h>
#include <wx/containr.h>
#include <wx/event.h>
#include <wx/listbox.h>

// The book's notification: the new and the old selection, and (before a change) a veto.
class orlListBoxBookEvent : public wxBookCtrlEvent {
  public:
    explicit orlListBoxBookEvent(wxEventType type = wxEVT_NULL, int id = 0,
                                 int selection = wxNOT_FOUND, int oldSelection = wxNOT_FOUND)
        : wxBookCtrlEvent(type, id, selection, oldSelection) {}
    orlListBoxBookEvent(const orlListBoxBookEvent& event) = default;

    wxEvent* Clone() const override { return new orlListBoxBookEvent(*this); }

  private:
    wxDECLARE_DYNAMIC_CLASS_NO_ASSIGN(orlListBoxBookEvent);
};

// Sent before the selected page changes; a handler may veto the change.
wxDECLARE_EVENT(orlEVT_LISTBOXBOOK_PAGE_CHANGING, orlListBoxBookEvent);
// Sent after the selected page has changed.
wxDECLARE_EVENT(orlEVT_LISTBOXBOOK_PAGE_CHANGED, orlListBoxBookEvent);

typedef void (wxEvtHandler::*orlListBoxBookEventFunction)(orlListBoxBookEvent&);
#define orlListBoxBookEventHandler(func) wxEVENT_HANDLER_CAST(orlListBoxBookEventFunction, func)

// Event-table entries for the book with the identifier `id`.
#define EVT_ORL_LISTBOXBOOK_PAGE_CHANGING(id, fn) \
    wx__DECLARE_EVT1(orlEVT_LISTBOXBOOK_PAGE_CHANGING, id, orlListBoxBookEventHandler(fn))
#define EVT_ORL_LISTBOXBOOK_PAGE_CHANGED(id, fn) \
    wx__DECLARE_EVT1(orlEVT_LISTBOXBOOK_PAGE_CHANGED, id, orlListBoxBookEventHandler(fn))

// The book never takes the keyboard focus itself: it hands it on to its list or to a control
// of the shown page. Focused itself, it would be a stop in the tab order where nothing reacts;
// worse, under an X input method (the toolkit's choice by default in Japanese, Korean, Chinese
// and Thai locales) focusing it makes its window a native X window of its own, whose
// background nothing paints, so that the page area would keep whatever the screen showed
// before.
class orlListBoxBook : public wxNavigationEnabled<wxBookCtrlBase> {
  public:
    // Creates nothing; Create makes the window.
    orlListBoxBook() = default;
    orlListBoxBook(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                   const wxSize& size = wxDefaultSize, long style = 0,
                   const wxString& name = wxEmptyString) {
        Create(parent, id, pos, size, style, name);
    }

    // The list goes on the side the style's alignment bit names (the top when none is set);
    // the control itself has no border.
    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = 0,
                const wxString& name = wxEmptyString);

    int GetSelection() const override { return m_selection; }
    bool SetPageText(size_t n, const wxString& text) override;
    wxString GetPageText(size_t n) const override;
    // The list shows no pictures.
    int GetPageImage(size_t n) const override;
    bool SetPageImage(size_t n, int imageId) override;
    void SetImageList(wxImageList* imageList) override;

    // The page area next to (or under) the list at its minimum size.
    wxSize CalcSizeFromPage(const wxSize& pageSize) const override;

    bool DeleteAllPages() override;
    bool InsertPage(size_t n, wxWindow* page, const wxString& text, bool select = false,
                    int imageId = NO_IMAGE) override;
    bool AddPage(wxWindow* page, const wxString& text, bool select = false,
                 int imageId = NO_IMAGE) override {
        return InsertPage(GetPageCount(), page, text, select, imageId);
    }
    bool RemovePage(size_t n) override { return DoRemovePage(n) != nullptr; }
    // Sends the page events; a vetoed change keeps the old selection. Both return the
    // previous selection.
    int SetSelection(size_t n) override { return DoSetSelection(n, SetSelection_SendEvent); }
    // Changes the page without events.
    int ChangeSelection(size_t n) override { return DoSetSelection(n); }
    int HitTest(const wxPoint&, long* flags = nullptr) const override {
        if (flags != nullptr) {
            *flags = wxBK_HITTEST_NOWHERE;
        }
        return wxNOT_FOUND;
    }

    // The room the list takes: its minimum width and the client height beside a page, or the
    // client width and its minimum height above or below one.
    wxSize GetControllerSize() const;

    wxListBox* GetListBox() const { return static_cast<wxListBox*>(m_bookctrl); }

  protected:
    void UpdateSelectedPage(size_t n) override;
    wxBookCtrlEvent* CreatePageChangingEvent() const override;
    void MakeChangedEvent(wxBookCtrlEvent& event) override;
    wxWindow* DoRemovePage(size_t n) override;
    wxRect GetPageRect() const override;

  private:
    // The list's minimum size, as its sizer lays it out.
    wxSize GetControllerMinSize() const;
    void OnListBoxSelected(wxCommandEvent& event);

    wxDECLARE_DYNAMIC_CLASS_NO_COPY(orlListBoxBook);
    wxDECLARE_EVENT_TABLE();
};
