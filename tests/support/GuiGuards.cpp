#include <glib.h>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>

#include <cstring>
#include <string>

#include "TestGuards.h"

namespace testsupport {
namespace {

int realFileDialogs = 0;

// Registered first, so every hook of wxTEST_DIALOG is asked before it: it only sees the
// dialogs that no test expected.
class UnexpectedDialogHook : public wxModalDialogHook {
  protected:
    int Enter(wxDialog* dialog) override {
        if (realFileDialogs > 0 && dynamic_cast<wxFileDialog*>(dialog) != nullptr) {
            return wxID_NONE;  // shown for real
        }
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_string() << "\" ("
                      << dialog->GetClassInfo()->GetClassName() << ")";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

// A warning of GLib or GTK (a control given less room than it needs, a wrong call) is a fault
// of the windows under test, as it would be on the user's terminal: it is written out as
// usual and fails the test that caused it.
GLogWriterOutput RecordWarning(GLogLevelFlags level, const GLogField* fields, gsize count,
                               gpointer) {
    if ((level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) != 0) {
        std::string domain = "GLib";
        std::string message;
        for (gsize i = 0; i < count; ++i) {
            const auto* value = static_cast<const char*>(fields[i].value);
            if (fields[i].length >= 0) {
                continue;  // not text
            }
            if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0) {
                domain = value;
            } else if (std::strcmp(fields[i].key, "MESSAGE") == 0) {
                message = value;
            }
        }
        ADD_FAILURE() << domain << " warning: " << message;
    }
    return g_log_writer_default(level, fields, count, nullptr);
}

}  // namespace

RealFileDialogs::RealFileDialogs() {
    ++realFileDialogs;
}

RealFileDialogs::~RealFileDialogs() {
    --realFileDialogs;
}

void InstallGuiGuards() {
    InstallBaseGuards();
    static UnexpectedDialogHook hook;
    hook.Register();
    g_log_set_writer_func(RecordWarning, nullptr, nullptr);
}

}  // namespace testsupport
