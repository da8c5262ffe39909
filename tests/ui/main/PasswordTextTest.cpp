#include "ui/main/PasswordText.h"

#include <gdk/gdk.h>
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/frame.h>

#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/ClipboardText.h"
#include "support/GdkKeys.h"
#include "support/WaitForEvents.h"
#include "support/WindowFixture.h"

namespace {

using testsupport::ClipboardText;
using testsupport::SetClipboardText;

constexpr long kPluralStyle = wxTE_MULTILINE | wxTE_PROCESS_TAB | wxTE_DONTWRAP;

struct Mode {
    const char* name;
    long style;
    const char* text;  // what the control holds in the case
};

const Mode kModes[] = {
    {"one-line field", 0, "Ab3$xY9q"},
    {"multi-line area", kPluralStyle, "Ab3$xY9q\nZz8#mN2p\nQq1!wE4r"},
};

// A control whose menu is looked at instead of being popped up.
class RecordingPasswordText : public PasswordText {
  public:
    using PasswordText::PasswordText;

    struct ShownItem {
        int id;
        bool enabled;
    };

    int shownCount = 0;
    std::vector<ShownItem> shownItems;

  protected:
    void ShowContextMenu(wxMenu& menu) override {
        ++shownCount;
        // As the toolkit does before it shows a popup menu: ask the window for the states.
        menu.UpdateUI(GetEventHandler());
        shownItems.clear();
        for (const wxMenuItem* item : menu.GetMenuItems()) {
            shownItems.push_back({item->GetId(), item->IsEnabled()});
        }
    }
};

// Records the EVT_PASSWORD_COPY events a window receives.
struct CopyEvents {
    struct Received {
        int id;
        wxObject* object;
    };
    std::vector<Received> received;

    void Listen(wxWindow* window) {
        window->Bind(EVT_PASSWORD_COPY, [this](wxCommandEvent& event) {
            received.push_back({event.GetId(), event.GetEventObject()});
        });
    }
};

// Sends a key-down event straight to the control; returns true when the control let it go on
// to the default handling.
bool SendKeyDown(wxWindow* control, int keyCode, int modifiers) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = keyCode;
    event.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
    event.m_altDown = (modifiers & wxMOD_ALT) != 0;
    event.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
    event.m_metaDown = (modifiers & wxMOD_META) != 0;
    event.SetEventObject(control);
    event.SetId(control->GetId());
    const bool processed = control->HandleWindowEvent(event);
    return !processed && event.GetSkipped();
}

// Presses and releases a key in the shown frame as the keyboard would: the toolkit delivers it
// to the frame's focused control, whichever window of the display is active.
void PressKey(wxWindow* frame, guint keyval, guint state) {
    GdkWindow* window = frame->GTKGetDrawingWindow();
    ASSERT_NE(window, nullptr) << "the frame is not shown";
    testsupport::SendKey(window, keyval, state, gdk_event_put);
}

struct Selection {
    long from;
    long to;
    bool operator==(const Selection&) const = default;
};

Selection SelectionOf(const wxTextCtrl* control) {
    Selection selection{};
    control->GetSelection(&selection.from, &selection.to);
    return selection;
}

void PrintTo(const Selection& selection, std::ostream* out) {
    *out << "(" << selection.from << ", " << selection.to << ")";
}

class PasswordTextTest : public WindowFixture {
  protected:
    void TearDown() override {
        wxTheApp->SetTopWindow(nullptr);
        WindowFixture::TearDown();
    }

    // Lets the queued events run; there is nothing to wait for beyond them.
    static void RunQueuedEvents() { wxTheApp->ProcessPendingEvents(); }
};

TEST_F(PasswordTextTest, IsAnEditableEmptyControl) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        auto* text = new PasswordText(Frame(), mode.style);
        EXPECT_TRUE(text->IsEmpty());
        EXPECT_TRUE(text->IsEditable());
        EXPECT_EQ(text->IsMultiLine(), (mode.style & wxTE_MULTILINE) != 0);
        text->Destroy();
    }
}

TEST_F(PasswordTextTest, CtrlCIsConsumedAndQueuesTheCopyEventForTheTopWindow) {
    CopyEvents events;
    events.Listen(Frame());
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        events.received.clear();
        auto* text = new PasswordText(Frame(), mode.style);
        text->ChangeValue(mode.text);
        text->SetSelection(2, 5);

        EXPECT_FALSE(SendKeyDown(text, 'C', wxMOD_CONTROL));
        EXPECT_TRUE(events.received.empty()) << "the copy event must be queued, not processed";

        RunQueuedEvents();
        ASSERT_EQ(events.received.size(), 1u);
        EXPECT_EQ(events.received[0].id, 2902);
        EXPECT_EQ(events.received[0].object, text);
        EXPECT_EQ(text->GetValue(), mode.text);
        EXPECT_EQ(SelectionOf(text), (Selection{2, 5}));
        text->Destroy();
    }
}

TEST_F(PasswordTextTest, CopyEventGoesToTheApplicationsTopWindowNotTheControlsFrame) {
    auto* text = new PasswordText(Frame(), 0);
    text->ChangeValue("secret");
    auto* topFrame = new wxFrame(nullptr, wxID_ANY, "top");
    wxTheApp->SetTopWindow(topFrame);
    CopyEvents ownFrameEvents;
    ownFrameEvents.Listen(Frame());
    CopyEvents topEvents;
    topEvents.Listen(topFrame);

    SendKeyDown(text, 'C', wxMOD_CONTROL);
    RunQueuedEvents();

    ASSERT_EQ(topEvents.received.size(), 1u);
    EXPECT_EQ(topEvents.received[0].object, text);
    EXPECT_TRUE(ownFrameEvents.received.empty());
    wxTheApp->SetTopWindow(nullptr);
    delete topFrame;
}

TEST_F(PasswordTextTest, OtherKeysAndModifierSetsPassOnUntouched) {
    struct Case {
        const char* name;
        int keyCode;
        int modifiers;
    };
    const Case cases[] = {
        {"C", 'C', wxMOD_NONE},
        {"Shift+C", 'C', wxMOD_SHIFT},
        {"Ctrl+Shift+C", 'C', wxMOD_CONTROL | wxMOD_SHIFT},
        {"Alt+C", 'C', wxMOD_ALT},
        {"Ctrl+Alt+C", 'C', wxMOD_CONTROL | wxMOD_ALT},
        {"Ctrl+Meta+C", 'C', wxMOD_CONTROL | wxMOD_META},
        {"A", 'A', wxMOD_NONE},
        {"Ctrl+Shift+A", 'A', wxMOD_CONTROL | wxMOD_SHIFT},
        {"Alt+A", 'A', wxMOD_ALT},
        {"Ctrl+X", 'X', wxMOD_CONTROL},
        {"Ctrl+V", 'V', wxMOD_CONTROL},
        {"Ctrl+Z", 'Z', wxMOD_CONTROL},
        {"Ctrl+Insert", WXK_INSERT, wxMOD_CONTROL},
    };
    CopyEvents events;
    events.Listen(Frame());
    for (const Mode& mode : kModes) {
        auto* text = new PasswordText(Frame(), mode.style);
        text->ChangeValue(mode.text);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(mode.name) + ", " + c.name);
            text->SetSelection(1, 3);
            EXPECT_TRUE(SendKeyDown(text, c.keyCode, c.modifiers));
            RunQueuedEvents();
            EXPECT_TRUE(events.received.empty());
            EXPECT_EQ(SelectionOf(text), (Selection{1, 3}));
            EXPECT_EQ(text->GetValue(), mode.text);
        }
        text->Destroy();
    }
}

TEST_F(PasswordTextTest, CtrlASelectsTheWholeTextAndPassesOn) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        auto* text = new PasswordText(Frame(), mode.style);
        text->ChangeValue(mode.text);
        text->SetInsertionPoint(3);

        EXPECT_TRUE(SendKeyDown(text, 'A', wxMOD_CONTROL));
        EXPECT_EQ(SelectionOf(text), (Selection{0, text->GetLastPosition()}));
        EXPECT_EQ(text->GetStringSelection(), mode.text);

        text->Clear();
        EXPECT_TRUE(SendKeyDown(text, 'A', wxMOD_CONTROL));
        EXPECT_FALSE(text->HasSelection());
        text->Destroy();
    }
}

TEST_F(PasswordTextTest, SelectAllCommandSelectsEverythingAndIsEnabledOnlyWithText) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        auto* text = new PasswordText(Frame(), mode.style);

        wxUpdateUIEvent emptyUpdate(wxID_SELECTALL);
        text->HandleWindowEvent(emptyUpdate);
        EXPECT_TRUE(emptyUpdate.GetSetEnabled());
        EXPECT_FALSE(emptyUpdate.GetEnabled());

        text->ChangeValue(mode.text);
        wxUpdateUIEvent fullUpdate(wxID_SELECTALL);
        text->HandleWindowEvent(fullUpdate);
        EXPECT_TRUE(fullUpdate.GetEnabled());

        text->SetInsertionPoint(4);
        wxCommandEvent command(wxEVT_MENU, wxID_SELECTALL);
        command.SetEventObject(text);
        EXPECT_TRUE(text->HandleWindowEvent(command));
        EXPECT_EQ(text->GetStringSelection(), mode.text);
        text->Destroy();
    }
}

TEST_F(PasswordTextTest, ContextMenuHoldsItsItemsInOrder) {
    struct Item {
        int id;
        const char* label;
        int accelKey;
    };
    const Item expected[] = {
        {wxID_UNDO, "&Undo\tCtrl+Z", 'Z'},
        {wxID_SEPARATOR, "", 0},
        {wxID_CUT, "Cu&t\tCtrl+X", 'X'},
        {2900, "&Copy\tCtrl+C", 'C'},
        {wxID_PASTE, "&Paste\tCtrl+V", 'V'},
        {wxID_SEPARATOR, "", 0},
        {wxID_SELECTALL, "Select &All\tCtrl+A", 'A'},
    };
    auto* text = new PasswordText(Frame(), 0);
    const std::unique_ptr<wxMenu> menu = text->CreateContextMenu();
    const wxMenuItemList& items = menu->GetMenuItems();
    ASSERT_EQ(items.size(), std::size(expected));
    size_t index = 0;
    for (const wxMenuItem* item : items) {
        const Item& want = expected[index++];
        SCOPED_TRACE(want.label);
        EXPECT_EQ(item->GetId(), want.id);
        if (want.id == wxID_SEPARATOR) {
            EXPECT_TRUE(item->IsSeparator());
            continue;
        }
        EXPECT_EQ(item->GetItemLabel(), want.label);
        std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        ASSERT_NE(accel, nullptr);
        EXPECT_EQ(accel->GetFlags(), wxACCEL_CTRL);
        EXPECT_EQ(accel->GetKeyCode(), want.accelKey);
    }
}

TEST_F(PasswordTextTest, ContextMenuRequestOfTheControlShowsTheMenuAndStopsThere) {
    auto* text = new RecordingPasswordText(Frame(), 0);
    int reachedFrame = 0;
    Frame()->Bind(wxEVT_CONTEXT_MENU, [&](wxContextMenuEvent&) { ++reachedFrame; });

    wxContextMenuEvent request(wxEVT_CONTEXT_MENU, text->GetId(), wxPoint(5, 5));
    request.SetEventObject(text);
    text->HandleWindowEvent(request);

    EXPECT_EQ(text->shownCount, 1);
    EXPECT_EQ(text->shownItems.size(), 7u);
    EXPECT_EQ(reachedFrame, 0);
}

TEST_F(PasswordTextTest, ContextMenuRequestOfAnotherWindowPassesThrough) {
    auto* text = new RecordingPasswordText(Frame(), 0);
    wxObject* reachedWith = nullptr;
    Frame()->Bind(wxEVT_CONTEXT_MENU,
                  [&](wxContextMenuEvent& event) { reachedWith = event.GetEventObject(); });

    wxContextMenuEvent request(wxEVT_CONTEXT_MENU, Frame()->GetId(), wxPoint(5, 5));
    request.SetEventObject(Frame());
    text->HandleWindowEvent(request);

    EXPECT_EQ(text->shownCount, 0);
    EXPECT_EQ(reachedWith, Frame());
}

// The Paste item asks the clipboard, so this test uses it.
TEST_F(PasswordTextTest, ClipboardContextMenuItemStatesFollowTheControl) {
    struct Case {
        const char* name;
        const char* value;
        long from, to;  // selection; equal for none
        bool editable;
        bool cut, copy, paste, selectAll;
    };
    const Case cases[] = {
        {"empty", "", 0, 0, true, false, false, true, false},
        {"text, nothing selected", "secret", 2, 2, true, false, false, true, true},
        {"text, part selected", "secret", 1, 4, true, true, true, true, true},
        {"read-only, part selected", "secret", 1, 4, false, false, true, false, true},
    };
    SetClipboardText("pasted");
    auto* text = new RecordingPasswordText(Frame(), 0);
    // The main window enables Copy when the control has a selection.
    Frame()->Bind(
        wxEVT_UPDATE_UI, [&](wxUpdateUIEvent& event) { event.Enable(text->CanCopy()); },
        PasswordText::kCopySelectionId);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        text->SetEditable(true);
        text->ChangeValue(c.value);
        text->SetSelection(c.from, c.to);
        text->SetEditable(c.editable);

        wxContextMenuEvent request(wxEVT_CONTEXT_MENU, text->GetId(), wxPoint(5, 5));
        request.SetEventObject(text);
        text->HandleWindowEvent(request);

        std::vector<std::pair<int, bool>> states;
        for (const auto& item : text->shownItems) {
            if (item.id != wxID_SEPARATOR && item.id != wxID_UNDO) {
                states.emplace_back(item.id, item.enabled);
            }
        }
        const std::vector<std::pair<int, bool>> expected = {{wxID_CUT, c.cut},
                                                            {2900, c.copy},
                                                            {wxID_PASTE, c.paste},
                                                            {wxID_SELECTALL, c.selectAll}};
        EXPECT_EQ(states, expected);
    }
}

TEST_F(PasswordTextTest, ClipboardCopyItemIsLeftToTheParentWhileCutAndPasteActOnTheControl) {
    SetClipboardText("before");
    auto* text = new PasswordText(Frame(), 0);
    text->ChangeValue("abcdef");
    text->SetSelection(1, 3);
    int copyCommands = 0;
    Frame()->Bind(
        wxEVT_MENU, [&](wxCommandEvent&) { ++copyCommands; }, PasswordText::kCopySelectionId);

    wxCommandEvent copy(wxEVT_MENU, PasswordText::kCopySelectionId);
    copy.SetEventObject(text);
    text->HandleWindowEvent(copy);
    EXPECT_EQ(copyCommands, 1);
    EXPECT_EQ(ClipboardText(), "before");

    wxCommandEvent cut(wxEVT_MENU, wxID_CUT);
    cut.SetEventObject(text);
    text->HandleWindowEvent(cut);
    EXPECT_EQ(text->GetValue(), "adef");
    EXPECT_EQ(ClipboardText(), "bc");

    text->SetInsertionPointEnd();
    wxCommandEvent paste(wxEVT_MENU, wxID_PASTE);
    paste.SetEventObject(text);
    text->HandleWindowEvent(paste);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return text->GetValue() == "adefbc"; }))
        << text->GetValue();
    EXPECT_EQ(copyCommands, 1);
}

// Real key presses through the toolkit's keyboard handling.
class PasswordTextKeyboardTest : public PasswordTextTest {
  protected:
    PasswordText* ShowFocused(long style, const wxString& value) {
        auto* text = new PasswordText(Frame(), style);
        text->SetSize(Frame()->GetClientSize());
        text->ChangeValue(value);
        ShowFrame();
        text->SetFocus();
        wxYield();
        return text;
    }
};

TEST_F(PasswordTextKeyboardTest, PlainLetterTypesIntoTheField) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        PasswordText* text = ShowFocused(mode.style, "");
        PressKey(Frame(), GDK_KEY_c, 0);
        EXPECT_TRUE(testsupport::WaitUntil([&] { return text->GetValue() == "c"; }))
            << text->GetValue();
        text->Destroy();
    }
}

TEST_F(PasswordTextKeyboardTest, CtrlASelectsTheWholeText) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        PasswordText* text = ShowFocused(mode.style, mode.text);
        text->SetInsertionPoint(2);
        PressKey(Frame(), GDK_KEY_a, GDK_CONTROL_MASK);
        EXPECT_TRUE(
            testsupport::WaitUntil([&] { return text->GetStringSelection() == mode.text; }));
        EXPECT_EQ(text->GetValue(), mode.text);
        text->Destroy();
    }
}

TEST_F(PasswordTextKeyboardTest, ClipboardCtrlCLeavesTheCopyToTheTopWindow) {
    struct Case {
        const char* name;
        long from, to;
    };
    const Case cases[] = {{"nothing selected", 3, 3}, {"part selected", 1, 5}};
    CopyEvents events;
    events.Listen(Frame());
    for (const Mode& mode : kModes) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(mode.name) + ", " + c.name);
            SetClipboardText("before");
            PasswordText* text = ShowFocused(mode.style, mode.text);
            text->SetSelection(c.from, c.to);
            events.received.clear();

            PressKey(Frame(), GDK_KEY_c, GDK_CONTROL_MASK);
            ASSERT_TRUE(testsupport::WaitUntil([&] { return !events.received.empty(); }));
            EXPECT_EQ(events.received.size(), 1u);
            EXPECT_EQ(ClipboardText(), "before");
            EXPECT_EQ(text->GetValue(), mode.text);
            EXPECT_EQ(SelectionOf(text), (Selection{c.from, c.to}));
            text->Destroy();
        }
    }
}

}  // namespace
