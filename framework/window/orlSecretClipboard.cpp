#include "framework/window/orlSecretClipboard.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

// The clipboard target by which clipboard histories tell a password from other copied text.
const char kHintTarget[] = "x-kde-passwordManagerHint";
const char kHintValue[] = "secret";
enum TargetInfo : guint { kTextInfo = 1, kHintInfo = 2 };

// What the clipboard offers while the program owns it. The toolkit calls Release when the
// clipboard passes to somebody else or is cleared, and never asks for the text afterwards.
struct Offer {
    std::string text;  // UTF-8
    std::shared_ptr<bool> held;

    static void Serve(GtkClipboard*, GtkSelectionData* selection, guint info, gpointer data) {
        const auto* offer = static_cast<const Offer*>(data);
        if (info == kHintInfo) {
            gtk_selection_data_set(selection, gtk_selection_data_get_target(selection), 8,
                                   reinterpret_cast<const guchar*>(kHintValue),
                                   sizeof kHintValue - 1);
        } else {
            gtk_selection_data_set_text(selection, offer->text.c_str(),
                                        static_cast<gint>(offer->text.size()));
        }
    }

    static void Release(GtkClipboard*, gpointer data) {
        auto* offer = static_cast<Offer*>(data);
        *offer->held = false;
        std::fill(offer->text.begin(), offer->text.end(), '\0');
        delete offer;
    }
};

GtkClipboard* Clipboard() {
    return gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
}

}  // namespace

orlSecretClipboard::orlSecretClipboard() : held(std::make_shared<bool>(false)), clearTimer(this) {
    Bind(wxEVT_TIMER, &orlSecretClipboard::OnClearTime, this, clearTimer.GetId());
}

orlSecretClipboard::~orlSecretClipboard() {
    clearTimer.Stop();
}

bool orlSecretClipboard::Put(const wxString& text, int seconds) {
    clearTimer.Stop();
    // Each text has a flag of its own: the text put before is released as this one takes its
    // place, and must not mark this one gone.
    held = std::make_shared<bool>(true);
    auto* offer = new Offer{text.utf8_string(), held};

    GtkTargetList* list = gtk_target_list_new(nullptr, 0);
    gtk_target_list_add_text_targets(list, kTextInfo);
    gtk_target_list_add(list, gdk_atom_intern_static_string(kHintTarget), 0, kHintInfo);
    gint count = 0;
    GtkTargetEntry* targets = gtk_target_table_new_from_list(list, &count);
    gtk_target_list_unref(list);
    const bool set = gtk_clipboard_set_with_data(Clipboard(), targets, static_cast<guint>(count),
                                                 Offer::Serve, Offer::Release, offer) != FALSE;
    gtk_target_table_free(targets, count);
    if (!set) {
        // Refused, the toolkit has kept nothing and will call nothing back.
        Offer::Release(nullptr, offer);
        return false;
    }
    if (seconds > 0) {
        clearTimer.StartOnce(seconds * 1000);
    }
    return true;
}

bool orlSecretClipboard::HoldsText() const {
    return *held;
}

void orlSecretClipboard::Clear() {
    clearTimer.Stop();
    if (*held) {
        // The toolkit gives up only a clipboard it still owns.
        gtk_clipboard_clear(Clipboard());
    }
}

void orlSecretClipboard::OnClearTime(wxTimerEvent&) {
    Clear();
}
