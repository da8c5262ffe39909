#include "framework/window/orlAfterNextFrame.h"

#include <gtk/gtk.h>
#include <wx/weakref.h>

#include <utility>

namespace {

struct Waiting {
    wxWeakRef<wxTopLevelWindow> window;
    std::function<void()> done;
    gulong handler = 0;
};

void FreeWaiting(gpointer data, GClosure*) {
    delete static_cast<Waiting*>(data);
}

void OnAfterPaint(GdkFrameClock* clock, gpointer data) {
    auto* waiting = static_cast<Waiting*>(data);
    wxTopLevelWindow* window = waiting->window.get();
    std::function<void()> done = std::move(waiting->done);
    // Frees `waiting`: nothing of it is used after this.
    g_signal_handler_disconnect(clock, waiting->handler);
    if (window != nullptr) {
        // Pending calls go with the window when it is destroyed.
        window->CallAfter(std::move(done));
    }
}

}  // namespace

void orlAfterNextFrame(wxTopLevelWindow* window, std::function<void()> done) {
    GtkWidget* widget = GTK_WIDGET(window->GetHandle());
    GdkFrameClock* clock = widget != nullptr ? gtk_widget_get_frame_clock(widget) : nullptr;
    if (clock == nullptr) {
        window->CallAfter(std::move(done));
        return;
    }
    auto* waiting = new Waiting{window, std::move(done)};
    waiting->handler = g_signal_connect_data(clock, "after-paint", G_CALLBACK(OnAfterPaint),
                                             waiting, FreeWaiting, GConnectFlags(0));
    gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_PAINT);
}
