#include "framework/window/orlRecentFiles.h"

#include <glib.h>
#include <gtk/gtk.h>

namespace {

GObjectSetPropertyFunc setRecentListProperty = nullptr;

// The file a list of recent files reads and writes is given to it as it is made (GTK's own
// list gets the one in the user's data directory). Refused, the list has no file: it reads
// none and writes none.
void SetPropertyButTheFile(GObject* list, guint id, const GValue* value, GParamSpec* property) {
    if (g_strcmp0(property->name, "filename") != 0) {
        setRecentListProperty(list, id, value, property);
    }
}

}  // namespace

void orlLeaveRecentFilesAlone() {
    if (setRecentListProperty == nullptr) {
        // The class stays referenced from now on, so that the change stays.
        auto* listClass = G_OBJECT_CLASS(g_type_class_ref(GTK_TYPE_RECENT_MANAGER));
        setRecentListProperty = listClass->set_property;
        listClass->set_property = SetPropertyButTheFile;
    }
    // The file chooser then neither records a chosen file nor offers the recent files.
    g_object_set(gtk_settings_get_default(), "gtk-recent-files-enabled", FALSE, nullptr);
}
