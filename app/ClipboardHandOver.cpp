#include "app/ClipboardHandOver.h"

#include <gdk/gdk.h>
#include <wx/clipbrd.h>

#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#endif

#ifdef GDK_WINDOWING_X11
namespace {

// The end of the program's run: the timer that ends GTK's wait, and whether the manager let
// that wait run out (it is then not asked again).
guint g_toolkitWaitTimer = 0;
bool g_managerIgnoredToolkit = false;

// The manager's answer to one request to save, seen on the requesting window.
struct SaveRequest {
    Atom managerSelection = None;
    bool answered = false;
};

GdkFilterReturn WatchForAnswer(GdkXEvent* native, GdkEvent*, gpointer data) {
    const auto* event = static_cast<const XEvent*>(native);
    auto* request = static_cast<SaveRequest*>(data);
    if (event->type == SelectionNotify &&
        event->xselection.selection == request->managerSelection) {
        // Asked for all targets, with no property, the manager answers success and failure
        // alike (with no property).
        request->answered = true;
    }
    return GDK_FILTER_CONTINUE;
}

// Handles events (among them the manager's requests for the clipboard's data) until the
// request is answered or the time is up.
void WaitForAnswer(const SaveRequest& request, std::chrono::milliseconds limit) {
    const gint64 end = g_get_monotonic_time() + limit.count() * 1000;
    while (!request.answered && g_get_monotonic_time() < end) {
        // The timer only wakes the wait up when no event comes.
        bool woken = false;
        const guint wakeUp = g_timeout_add(
            10,
            [](gpointer flag) -> gboolean {
                *static_cast<bool*>(flag) = true;
                return G_SOURCE_REMOVE;
            },
            &woken);
        g_main_context_iteration(nullptr, TRUE);
        if (!woken) {
            g_source_remove(wakeUp);
        }
    }
}

// The window of this program that owns the clipboard, or null. Another program's window may be
// known here too (the toolkit follows the clipboard's changes of owner), as a foreign one.
GdkWindow* OwnClipboardWindow(GdkDisplay* display) {
    GdkWindow* owner = gdk_selection_owner_get_for_display(display, GDK_SELECTION_CLIPBOARD);
    if (owner == nullptr || gdk_window_get_window_type(owner) == GDK_WINDOW_FOREIGN) {
        return nullptr;
    }
    return owner;
}

// GTK's request to save comes from the window that holds its clipboard, and its wait ends when
// an answer reaches that window: this gives it one. While the clipboard is still this
// program's, the manager has not taken it over.
gboolean EndToolkitWait(gpointer) {
    g_toolkitWaitTimer = 0;
    GdkDisplay* display = gdk_display_get_default();
    if (GdkWindow* owner = OwnClipboardWindow(display)) {
        gdk_selection_send_notify_for_display(
            display, owner, gdk_atom_intern_static_string("CLIPBOARD_MANAGER"),
            gdk_atom_intern_static_string("SAVE_TARGETS"), GDK_NONE, GDK_CURRENT_TIME);
        gdk_display_flush(display);
        g_managerIgnoredToolkit = true;
    }
    return G_SOURCE_REMOVE;
}

}  // namespace
#endif

// The toolkit's own flush (GTK's store) would wait up to ten seconds for a manager that does
// not answer, and would ask the manager to take over a clipboard another program owns. The
// request is therefore made here, with the same protocol (the manager's selection converted
// to SAVE_TARGETS, all targets), from a window of its own and with a bound.
HandOverResult HandClipboardToManager(std::chrono::milliseconds limit) {
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr) {
        return HandOverResult::NotOurs;
    }
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(display)) {
        if (OwnClipboardWindow(display) == nullptr) {
            return HandOverResult::NotOurs;
        }
        if (!gdk_display_supports_clipboard_persistence(display)) {
            return HandOverResult::NoManager;
        }
        if (g_managerIgnoredToolkit) {
            return HandOverResult::NoAnswer;
        }
        GdkWindowAttr attributes{};
        attributes.wclass = GDK_INPUT_ONLY;
        attributes.window_type = GDK_WINDOW_TEMP;
        attributes.width = attributes.height = 1;
        GdkWindow* requestor = gdk_window_new(
            gdk_screen_get_root_window(gdk_display_get_default_screen(display)), &attributes, 0);
        SaveRequest request;
        request.managerSelection =
            gdk_x11_get_xatom_by_name_for_display(display, "CLIPBOARD_MANAGER");
        gdk_window_add_filter(requestor, WatchForAnswer, &request);
        gdk_display_store_clipboard(display, requestor, GDK_CURRENT_TIME, nullptr, 0);
        WaitForAnswer(request, limit);
        gdk_window_remove_filter(requestor, WatchForAnswer, &request);
        gdk_window_destroy(requestor);
        return request.answered ? HandOverResult::Answered : HandOverResult::NoAnswer;
    }
#endif
    if (wxTheClipboard != nullptr) {
        wxTheClipboard->Flush();
    }
    return HandOverResult::NotSupported;
}

void LimitToolkitClipboardWait(std::chrono::milliseconds limit) {
#ifdef GDK_WINDOWING_X11
    GdkDisplay* display = gdk_display_get_default();
    if (g_toolkitWaitTimer == 0 && display != nullptr && GDK_IS_X11_DISPLAY(display)) {
        g_managerIgnoredToolkit = false;
        g_toolkitWaitTimer =
            g_timeout_add(static_cast<guint>(limit.count()), EndToolkitWait, nullptr);
    }
#else
    (void)limit;
#endif
}
