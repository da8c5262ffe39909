#include "framework/window/orlNativeDialogs.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <vector>

namespace {

// GTK's own dialogs are GtkDialogs; the toolkit makes its own dialogs from plain GtkWindows.
std::vector<GtkWindow*> NativeModalDialogs() {
    std::vector<GtkWindow*> found;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        auto* window = static_cast<GtkWindow*>(item->data);
        if (GTK_IS_DIALOG(window) && gtk_window_get_modal(window) &&
            gtk_widget_get_visible(GTK_WIDGET(window))) {
            found.push_back(window);
        }
    }
    g_list_free(windows);
    return found;
}

}  // namespace

int orlCountNativeModalDialogs() {
    return static_cast<int>(NativeModalDialogs().size());
}

bool orlCancelInnermostNativeDialog() {
    const std::vector<GtkWindow*> dialogs = NativeModalDialogs();
    for (GtkWindow* dialog : dialogs) {
        const bool showsAnother = std::any_of(
            dialogs.begin(), dialogs.end(),
            [dialog](GtkWindow* other) { return gtk_window_get_transient_for(other) == dialog; });
        if (!showsAnother) {
            gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
            return true;
        }
    }
    return false;
}
