#include "framework/window/orlTypedSpin.h"

#include <gtk/gtk.h>

namespace {

// The text entry's own reactions, without the spin button's, which would take the text as
// its value first.
GtkWidgetClass* EntryWidgetClass() {
    return GTK_WIDGET_CLASS(g_type_class_peek(GTK_TYPE_ENTRY));
}

gboolean LeaveWithoutTaking(GtkWidget* widget, GdkEventFocus* event, gpointer) {
    // The entry still ends its cursor, selection and input method as the focus goes.
    EntryWidgetClass()->focus_out_event(widget, event);
    return TRUE;
}

void ActivateWithoutTaking(GtkEntry* entry, gpointer) {
    g_signal_stop_emission_by_name(entry, "activate");
    // Enter still presses the window's default button.
    GtkWidget* top = gtk_widget_get_toplevel(GTK_WIDGET(entry));
    if (GTK_IS_WINDOW(top)) {
        if (GtkWidget* button = gtk_window_get_default_widget(GTK_WINDOW(top))) {
            gtk_widget_activate(button);
        }
    }
}

}  // namespace

void orlKeepTypedText(wxSpinCtrl* spin) {
    GtkWidget* widget = GTK_WIDGET(spin->GetHandle());
    if (widget == nullptr || !GTK_IS_SPIN_BUTTON(widget)) {
        return;
    }
    g_signal_connect(widget, "focus-out-event", G_CALLBACK(LeaveWithoutTaking), nullptr);
    g_signal_connect(widget, "activate", G_CALLBACK(ActivateWithoutTaking), nullptr);
}

bool orlGetTypedValue(const wxSpinCtrl* spin, long& value) {
    wxString text = spin->GetTextValue();
    text.Trim(true).Trim(false);
    return text.ToLong(&value);
}
