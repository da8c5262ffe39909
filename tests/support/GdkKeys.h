// Presses and releases a key on a window as the keyboard would, by making the GDK key events
// and handing them to `deliver` (gdk_event_put to queue them, or GTK's own event handling to
// process them at once). The key reaches the window whichever window of the display is active.
#pragma once

#include <gdk/gdk.h>

namespace testsupport {

template <typename Deliver>
inline void SendKey(GdkWindow* window, guint keyval, guint state, Deliver deliver) {
    GdkDisplay* display = gdk_window_get_display(window);
    GdkDevice* keyboard = gdk_seat_get_keyboard(gdk_display_get_default_seat(display));
    GdkKeymapKey* keys = nullptr;
    gint keyCount = 0;
    gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys,
                                      &keyCount);
    for (GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
        GdkEvent* event = gdk_event_new(type);
        event->key.window = GDK_WINDOW(g_object_ref(window));
        event->key.send_event = TRUE;
        event->key.time = GDK_CURRENT_TIME;
        event->key.keyval = keyval;
        event->key.state = state;
        if (keyCount > 0) {
            event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
            event->key.group = static_cast<guint8>(keys[0].group);
        }
        gdk_event_set_device(event, keyboard);
        deliver(event);
        gdk_event_free(event);
    }
    g_free(keys);
}

}  // namespace testsupport
