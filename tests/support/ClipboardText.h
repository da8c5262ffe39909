// The text on the display's clipboard, read and written through GTK as another program sees
// it: the read waits, at most a given time, for the owner's answer while the events of the
// display (the test process may own the clipboard itself) are handled. Tests that use it run
// one at a time (the clipboard belongs to the display).
#pragma once

#include <gtk/gtk.h>
#include <wx/string.h>

#include <chrono>
#include <string>

#include "support/MainLoopWait.h"

namespace testsupport {

// The clipboard's text; "<no text>" when nobody owns it or the owner has no text, "<no answer>"
// when the owner did not answer in time.
inline wxString ClipboardText(std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    // Shared with the callback, which may come after the wait has given up.
    struct Request {
        bool answered = false;
        bool abandoned = false;
        std::string text = "<no text>";
    };
    auto* request = new Request;
    gtk_clipboard_request_text(
        gtk_clipboard_get(GDK_SELECTION_CLIPBOARD),
        [](GtkClipboard*, const gchar* text, gpointer data) {
            auto* request = static_cast<Request*>(data);
            if (request->abandoned) {
                delete request;
                return;
            }
            request->answered = true;
            if (text != nullptr) {
                request->text = text;
            }
        },
        request);
    if (!IterateUntil([&] { return request->answered; }, limit)) {
        request->abandoned = true;
        return "<no answer>";
    }
    const wxString text = wxString::FromUTF8(request->text);
    delete request;
    return text;
}

// The clipboard's data for the target (a format such as "UTF8_STRING"), as bytes; "<none>"
// when the owner offers no such data, "<no answer>" when it did not answer in time.
inline std::string ClipboardData(const char* target,
                                 std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    struct Request {
        bool answered = false;
        bool abandoned = false;
        std::string data = "<none>";
    };
    auto* request = new Request;
    gtk_clipboard_request_contents(
        gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), gdk_atom_intern(target, FALSE),
        [](GtkClipboard*, GtkSelectionData* selection, gpointer data) {
            auto* request = static_cast<Request*>(data);
            if (request->abandoned) {
                delete request;
                return;
            }
            request->answered = true;
            const gint length = gtk_selection_data_get_length(selection);
            if (length >= 0) {
                const auto* bytes =
                    reinterpret_cast<const char*>(gtk_selection_data_get_data(selection));
                request->data.assign(bytes, static_cast<std::size_t>(length));
            }
        },
        request);
    if (!IterateUntil([&] { return request->answered; }, limit)) {
        request->abandoned = true;
        return "<no answer>";
    }
    const std::string data = request->data;
    delete request;
    return data;
}

// Puts the text on the clipboard from the test process, as another program would.
inline void SetClipboardText(const wxString& text) {
    const std::string bytes = text.utf8_string();
    gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), bytes.c_str(),
                           static_cast<gint>(bytes.size()));
}

}  // namespace testsupport
