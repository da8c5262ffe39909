#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>

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
}

}  // namespace testsupport
