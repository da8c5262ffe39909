#include "framework/window/orlListBoxBook.h"

#include <wx/sizer.h>

#include <algorithm>

wxIMPLEMENT_DYNAMIC_CLASS(orlListBoxBookEvent, wxBookCtrlBaseEvent);
wxIMPLEMENT_DYNAMIC_CLASS(orlListBoxBook, wxBookCtrlBase);

wxDEFINE_EVENT(orlEVT_LISTBOXBOOK_PAGE_CHANGING, orlListBoxBookEvent);
wxDEFINE_EVENT(orlEVT_LISTBOXBOOK_PAGE_CHANGED, orlListBoxBookEvent);

namespace {

// The space between the list and the page area.
constexpr unsigned kInternalBorder = 5;

}  // namespace

bool orlListBoxBook::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                            long style, const wxString& name) {
    if ((style & wxBK_ALIGN_MASK) == 0) {
        style |= wxBK_TOP;
    }
    style = (style & ~wxBORDER_MASK) | wxBORDER_NONE;

    if (!wxControl::Create(parent, id, pos, size, style, wxDefaultValidator, name)) {
        return false;
    }
    SetControlMargin(0);
    SetInternalBorder(kInternalBorder);

    m_bookctrl = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0,
                               wxDefaultValidator, "listBox");

    const bool vertical = IsVertical();
    auto* mainSizer = new wxBoxSizer(vertical ? wxVERTICAL : wxHORIZONTAL);
    if (HasFlag(wxBK_BOTTOM | wxBK_RIGHT)) {
        mainSizer->AddStretchSpacer(1);
    }
    m_controlSizer = new wxBoxSizer(vertical ? wxHORIZONTAL : wxVERTICAL);
    // The list fills its sizer both ways (the toolkit refuses centring flags beside wxEXPAND,
    // which would change nothing).
    m_controlSizer->Add(m_bookctrl, 1, wxEXPAND, 0);
    mainSizer->Add(m_controlSizer, 0, vertical ? wxEXPAND | wxALL : wxEXPAND, m_controlMargin);
    SetSizer(mainSizer);
    return true;
}

bool orlListBoxBook::SetPageText(size_t n, const wxString& text) {
    GetListBox()->SetString(static_cast<unsigned>(n), text);
    return true;
}

wxString orlListBoxBook::GetPageText(size_t n) const {
    return GetListBox()->GetString(static_cast<unsigned>(n));
}

int orlListBoxBook::GetPageImage(size_t) const {
    return NO_IMAGE;
}

bool orlListBoxBook::SetPageImage(size_t, int) {
    return false;
}

void orlListBoxBook::SetImageList(wxImageList* imageList) {
    wxBookCtrlBase::SetImageList(imageList);
}

wxSize orlListBoxBook::GetControllerMinSize() const {
    return m_controlSizer != nullptr ? m_controlSizer->GetMinSize() : wxSize(0, 0);
}

wxSize orlListBoxBook::GetControllerSize() const {
    const wxSize client = GetClientSize();
    const wxSize controller = GetControllerMinSize();
    return IsVertical() ? wxSize(client.x, controller.y) : wxSize(controller.x, client.y);
}

wxSize orlListBoxBook::CalcSizeFromPage(const wxSize& pageSize) const {
    // The list at its minimum size, not at the book's current height or width: otherwise the
    // book's best size would follow whatever size it was last given and never shrink again.
    const wxSize controller = GetControllerMinSize();
    const int border = static_cast<int>(GetInternalBorder());
    if (IsVertical()) {
        return wxSize(std::max(pageSize.x, controller.x), pageSize.y + controller.y + border);
    }
    return wxSize(pageSize.x + controller.x + border, std::max(pageSize.y, controller.y));
}

wxRect orlListBoxBook::GetPageRect() const {
    const wxSize controller = GetControllerSize();
    const int border = static_cast<int>(GetInternalBorder());
    wxRect rect(wxPoint(0, 0), GetClientSize());
    switch (GetWindowStyle() & wxBK_ALIGN_MASK) {
        case wxBK_LEFT:
            rect.x = controller.x + border;
            [[fallthrough]];
        case wxBK_RIGHT:
            rect.width = std::max(0, rect.width - controller.x - border);
            break;
        case wxBK_BOTTOM:
            rect.height = std::max(0, rect.height - controller.y - border);
            break;
        default:  // top
            rect.y = controller.y + border;
            rect.height = std::max(0, rect.height - controller.y - border);
            break;
    }
    return rect;
}

bool orlListBoxBook::DeleteAllPages() {
    m_selection = wxNOT_FOUND;
    GetListBox()->Clear();
    return wxBookCtrlBase::DeleteAllPages();
}

bool orlListBoxBook::InsertPage(size_t n, wxWindow* page, const wxString& text, bool select,
                                int imageId) {
    if (!wxBookCtrlBase::InsertPage(n, page, text, select, imageId)) {
        return false;
    }
    GetListBox()->Insert(text, static_cast<unsigned>(n));

    // A page inserted before the selected one moves the selection down a row.
    if (static_cast<int>(n) <= m_selection) {
        ++m_selection;
        GetListBox()->SetSelection(m_selection);
    }

    int toSelect = wxNOT_FOUND;
    if (select) {
        toSelect = static_cast<int>(n);
    } else if (m_selection == wxNOT_FOUND) {
        toSelect = 0;
    }
    if (toSelect != m_selection) {
        page->Hide();
    }
    if (toSelect != wxNOT_FOUND) {
        SetSelection(static_cast<size_t>(toSelect));
    }
    DoInvalidateBestSize();
    return true;
}

void orlListBoxBook::UpdateSelectedPage(size_t n) {
    m_selection = static_cast<int>(n);
    GetListBox()->SetSelection(m_selection);
}

wxBookCtrlEvent* orlListBoxBook::CreatePageChangingEvent() const {
    return new orlListBoxBookEvent(orlEVT_LISTBOXBOOK_PAGE_CHANGING, m_windowId);
}

void orlListBoxBook::MakeChangedEvent(wxBookCtrlEvent& event) {
    event.SetEventType(orlEVT_LISTBOXBOOK_PAGE_CHANGED);
}

wxWindow* orlListBoxBook::DoRemovePage(size_t n) {
    const size_t count = GetPageCount();
    wxWindow* removed = wxBookCtrlBase::DoRemovePage(n);
    if (removed == nullptr) {
        return nullptr;
    }
    GetListBox()->Delete(static_cast<unsigned>(n));
    DoInvalidateBestSize();

    const int removedAt = static_cast<int>(n);
    if (m_selection >= removedAt) {
        int toShow = m_selection - 1;
        if (count == 1) {
            toShow = wxNOT_FOUND;
        } else if (count == 2 || toShow == wxNOT_FOUND) {
            toShow = 0;
        }
        // The removed page is not hidden: it is no longer the book's.
        m_selection = m_selection == removedAt ? wxNOT_FOUND : m_selection - 1;
        if (m_selection != wxNOT_FOUND) {
            GetListBox()->SetSelection(m_selection);  // the highlight stays on the shown page
        }
        if (toShow != wxNOT_FOUND && toShow != m_selection) {
            SetSelection(static_cast<size_t>(toShow));
        }
    }
    return removed;
}

void orlListBoxBook::OnListBoxSelected(wxCommandEvent& event) {
    if (event.GetEventObject() != m_bookctrl) {
        event.Skip();  // a list box on one of the pages
        return;
    }
    const int row = event.GetSelection();
    if (row == m_selection || row == wxNOT_FOUND) {
        return;
    }
    SetSelection(static_cast<size_t>(row));
    if (m_selection != row) {
        // The change was vetoed: the highlight goes back to the page still shown.
        GetListBox()->SetSelection(m_selection);
    }
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(orlListBoxBook, wxBookCtrlBase)
    EVT_LISTBOX(wxID_ANY, orlListBoxBook::OnListBoxSelected)
wxEND_EVENT_TABLE()
