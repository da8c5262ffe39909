#include "framework/window/orlRecentFiles.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>
#include <string>

#include "support/RecentFilesList.h"
#include "support/TempDirectory.h"
#include "support/TextFiles.h"
#include "support/WaitForEvents.h"

namespace {

TEST(orlRecentFiles, TheDesktopSettingIsTurnedOff) {
    orlLeaveRecentFilesAlone();
    gboolean enabled = TRUE;
    g_object_get(gtk_settings_get_default(), "gtk-recent-files-enabled", &enabled, nullptr);
    EXPECT_FALSE(enabled);
}

// What GTK's file chooser does with a chosen file: it asks the list to add the file, and the list
// is written once GTK announces the change, a moment later. Neither the chosen file goes in,
// nor are the other programs' files taken out, nor is a missing list made.
TEST(orlRecentFiles, AChosenFileIsNotRecordedAndTheListIsLeftAsItWas) {
    struct Case {
        const char* what;
        const char* list;  // nullptr: there is no list yet
    };
    const Case cases[] = {
        {"a list of another program", testsupport::kOtherProgramsRecentFiles},
        {"no list", nullptr},
    };
    orlLeaveRecentFilesAlone();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDirectory dir;
        const std::string listPath = dir.At("recently-used.xbel").utf8_string();
        if (c.list != nullptr) {
            dir.WriteFile("recently-used.xbel", c.list);
        }
        const std::string chosen = dir.At("passwords.txt").utf8_string();
        dir.WriteFile("passwords.txt", "Xa9#kP2m\n");
        gchar* uri = g_filename_to_uri(chosen.c_str(), nullptr, nullptr);
        ASSERT_NE(uri, nullptr);

        auto* manager = static_cast<GtkRecentManager*>(
            g_object_new(GTK_TYPE_RECENT_MANAGER, "filename", listPath.c_str(), nullptr));
        // Handlers of the change run after GTK's own, which writes the list.
        bool announced = false;
        g_signal_connect(manager, "changed", G_CALLBACK(+[](GtkRecentManager*, gpointer flag) {
                             *static_cast<bool*>(flag) = true;
                         }),
                         &announced);
        gtk_recent_manager_add_item(manager, uri);
        ASSERT_TRUE(testsupport::WaitUntil([&] { return announced; }));

        if (c.list != nullptr) {
            EXPECT_FALSE(gtk_recent_manager_has_item(manager, uri));
            EXPECT_EQ(testsupport::ReadFile(listPath), c.list);
        } else {
            EXPECT_FALSE(std::filesystem::exists(listPath));
        }
        g_object_unref(manager);
        g_free(uri);
    }
}

}  // namespace
