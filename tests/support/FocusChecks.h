// Where the keyboard focus is, asked of GTK itself: true when the control is the one its window
// gives the keyboard input to, whether or not that window is the active one of the shared
// display (the toolkit's own FindFocus depends on that).
#pragma once

#include <gtk/gtk.h>
#include <wx/window.h>

inline bool HasWindowFocus(wxWindow* control) {
    return control != nullptr && gtk_widget_is_focus(GTK_WIDGET(control->GetHandle()));
}

// True when the control or one of its parts (a list's inner window, a combo box's entry) has
// the focus of its window.
inline bool HasFocusWithin(wxWindow* control) {
    if (control == nullptr) {
        return false;
    }
    GtkWidget* widget = GTK_WIDGET(control->GetHandle());
    GtkWidget* top = gtk_widget_get_toplevel(widget);
    if (!GTK_IS_WINDOW(top)) {
        return false;
    }
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(top));
    return focus != nullptr && (focus == widget || gtk_widget_is_ancestor(focus, widget));
}
