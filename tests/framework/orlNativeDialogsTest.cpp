#include "framework/window/orlNativeDialogs.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Runs `step` from the dialog's own loop (GTK's gtk_dialog_run, as GTK runs the questions of
// its file chooser) once the dialog is on the screen; the answer the dialog ended with. A
// dialog still open long after is ended with GTK_RESPONSE_NONE, so that the test ends.
int RunDialog(GtkWidget* dialog, const std::function<void()>& step) {
    struct Waiting {
        GtkWidget* dialog;
        const std::function<void()>* step;
        bool stepped = false;
        bool gaveUp = false;
    } waiting{dialog, &step};
    const guint timer = g_timeout_add(
        10,
        [](gpointer data) -> gboolean {
            auto* w = static_cast<Waiting*>(data);
            if (!gtk_widget_get_mapped(w->dialog)) {
                return G_SOURCE_CONTINUE;
            }
            w->stepped = true;
            (*w->step)();
            return G_SOURCE_REMOVE;
        },
        &waiting);
    const guint giveUp = g_timeout_add_seconds(
        20,
        [](gpointer data) -> gboolean {
            auto* w = static_cast<Waiting*>(data);
            w->gaveUp = true;
            gtk_dialog_response(GTK_DIALOG(w->dialog), GTK_RESPONSE_NONE);
            return G_SOURCE_REMOVE;
        },
        &waiting);
    const int answer = gtk_dialog_run(GTK_DIALOG(dialog));
    if (!waiting.gaveUp) {
        g_source_remove(giveUp);
    }
    if (!waiting.stepped) {
        g_source_remove(timer);
    }
    return answer;
}

GtkWidget* NewQuestion(GtkWidget* parent) {
    GtkWidget* question =
        gtk_message_dialog_new(GTK_WINDOW(parent), GTK_DIALOG_MODAL, GTK_MESSAGE_QUESTION,
                               GTK_BUTTONS_NONE, "Replace the file?");
    gtk_dialog_add_buttons(GTK_DIALOG(question), "_Cancel", GTK_RESPONSE_CANCEL, "_Replace",
                           GTK_RESPONSE_ACCEPT, nullptr);
    return question;
}

// A file chooser and the question it asks over it are counted while they are shown, and a
// request to cancel ends the question first, then the chooser, each with Cancel.
TEST(orlNativeDialogs, AreCountedAndCancelledFromTheInnermost) {
    GtkWidget* chooser =
        gtk_file_chooser_dialog_new("Save As", nullptr, GTK_FILE_CHOOSER_ACTION_SAVE, "_Cancel",
                                    GTK_RESPONSE_CANCEL, "_Save", GTK_RESPONSE_ACCEPT, nullptr);
    GtkWidget* question = NewQuestion(chooser);
    EXPECT_EQ(orlCountNativeModalDialogs(), 0);
    EXPECT_FALSE(orlCancelInnermostNativeDialog());

    std::vector<std::string> ended;
    int questionAnswer = GTK_RESPONSE_NONE;
    const int chooserAnswer = RunDialog(chooser, [&] {
        EXPECT_EQ(orlCountNativeModalDialogs(), 1);
        questionAnswer = RunDialog(question, [&] {
            EXPECT_EQ(orlCountNativeModalDialogs(), 2);
            EXPECT_TRUE(orlCancelInnermostNativeDialog());
        });
        ended.push_back("question");
        gtk_widget_hide(question);
        EXPECT_EQ(orlCountNativeModalDialogs(), 1);
        EXPECT_TRUE(orlCancelInnermostNativeDialog());
    });
    ended.push_back("chooser");
    gtk_widget_hide(chooser);

    EXPECT_EQ(questionAnswer, GTK_RESPONSE_CANCEL);
    EXPECT_EQ(chooserAnswer, GTK_RESPONSE_CANCEL);
    EXPECT_EQ(ended, (std::vector<std::string>{"question", "chooser"}));
    EXPECT_EQ(orlCountNativeModalDialogs(), 0);
    gtk_widget_destroy(question);
    gtk_widget_destroy(chooser);
}

// Dialogs that are not modal, or not shown, are left alone.
TEST(orlNativeDialogs, LeaveDialogsThatAreNotShownModallyAlone) {
    GtkWidget* modeless = NewQuestion(nullptr);
    gtk_window_set_modal(GTK_WINDOW(modeless), FALSE);
    gtk_widget_show(modeless);
    GtkWidget* hidden = NewQuestion(nullptr);
    int responses = 0;
    for (GtkWidget* dialog : {modeless, hidden}) {
        g_signal_connect(dialog, "response", G_CALLBACK(+[](GtkDialog*, gint, gpointer count) {
                             ++*static_cast<int*>(count);
                         }),
                         &responses);
    }
    EXPECT_EQ(orlCountNativeModalDialogs(), 0);
    EXPECT_FALSE(orlCancelInnermostNativeDialog());
    EXPECT_EQ(responses, 0);
    gtk_widget_destroy(modeless);
    gtk_widget_destroy(hidden);
}

}  // namespace
